// The book windows.
#include "gui/windows/GUI_BookDetails.h"

#include <algorithm>
#include <vector>

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_ValueBar.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_SIM.h"

GUI_BookDetails* GUI_BookDetails::instance = nullptr;
GUI_BookReading* GUI_BookReading::instance = nullptr;

namespace {

void OnRead(void* window) { static_cast<GUI_BookDetails*>(window)->Read(); }
void OnSell(void* window) { static_cast<GUI_BookDetails*>(window)->Sell(); }

// The book still exists and is still the player's: a new game or a load rebuilds every
// asset, and a sale or theft takes one away while its window may be open.
bool StillOwned(const SIM_Book* book) {
  const std::vector<SIM_Book*>& all = SIM_Book::All();
  return std::find(all.begin(), all.end(), book) != all.end() && book->IsOwned();
}

float F(int v) { return static_cast<float>(v); }

}  // namespace

// ---- details ----

void GUI_BookDetails::Open(SIM_Book* book) {
  ReportAssertion(book != nullptr, "HOOK_Book", 122);
  if (!book) return;
  Close();
  new GUI_BookDetails(book);
}

void GUI_BookDetails::Close() { delete instance; }

GUI_BookDetails::GUI_BookDetails(SIM_Book* book) : GUI_Dialog(true), book_(book) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  SetTitle(book->GetGuiName());
  const float cl = F(clientRect.left), cr = F(clientRect.right), cb = F(clientRect.bottom);
  read_ = new GUI_ButtonText(Translate("BOOKDETAILS_READ"), OnRead, this);
  read_->SetTooltipKey("BOOKDETAILS_READ_TOOLTIP", 60);
  read_->SetRect(cl + 160, cb - 30, cr - 20, cb - 8);
  AddButton(read_);
  sell_ = new GUI_ButtonText(Translate("SELL_ASSET"), OnSell, this);
  sell_->SetTooltipKey("TOOLTIP_SELL_ASSET", 60);
  sell_->SetRect(cl + 20, cb - 30, cl + 140, cb - 8);
  AddButton(sell_);
  picture_.SetTextureString(book->GetPicture());
  picture_.width = book->GetPictureWidth();
  picture_.height = book->GetPictureHeight();
  GUI_WindowBase::Open();
}

GUI_BookDetails::~GUI_BookDetails() {
  if (instance == this) instance = nullptr;
}

bool GUI_BookDetails::CanRead() const {
  return StillOwned(book_) && !book_->IsFinished() &&
         SIM_SIM::Instance().GetPhase() != PHASE_DAYOVER;
}

void GUI_BookDetails::Read() {
  if (CanRead()) book_->Read();
  delete this;  // the memory waits for the end of the click
}

void GUI_BookDetails::Sell() {
  // Sold once: a book that has already gone earns nothing more.
  if (StillOwned(book_)) book_->Sell();
  delete this;
}

void GUI_BookDetails::Draw() {
  if (!visible) return;
  if (!StillOwned(book_)) {
    delete this;
    return;
  }
  read_->SetEnabled(CanRead());
  const char* why = !StillOwned(book_)    ? "WHY_BOOK_GONE"
                    : book_->IsFinished() ? "WHY_BOOK_FINISHED"
                                          : "WHY_NO_ACTIVITY_LEFT";
  read_->SetDisabledReason(Translate(why));
  GUI_Dialog::Draw();
  const float cl = F(clientRect.left), ct = F(clientRect.top);
  const int wrap = clientRect.right - clientRect.left - 120;
  picture_.SetColourARGB(0xFFFFFFFFu);
  picture_.SetPosition(cl + 50, ct + 70);
  picture_.Draw();
  GUI_Services::QueueText(cl + 100, ct + 25, book_->GetDescription(), "tahoma bold", 16, wrap, 0,
                          255, 255, 255);
  GUI_Services::QueueText(cl + 100, ct + 60, Translate("BOOKDETAILS_PAGES"), "tahoma bold", 11, 0,
                          0, 255, 255, 255);
  GUI_Services::QueueText(cl + 250, ct + 60, std::to_string(book_->GetPageCount()), "tahoma bold",
                          11, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(cl + 100, ct + 80, Translate("BOOKDETAILS_PAGESREAD"), "tahoma bold", 11,
                          0, 0, 255, 255, 255);
  GUI_Services::QueueText(cl + 250, ct + 80, std::to_string(book_->GetPagesRead()), "tahoma bold",
                          11, 0, 0, 255, 255, 255);
  GUI_Services::FlushText();
}

// ---- reading report ----

void GUI_BookReading::Open(SIM_Book* book, int pages, float alertness, bool understood) {
  ReportAssertion(book != nullptr, "HOOK_Book", 20);
  if (!book) return;
  Close();
  new GUI_BookReading(book, pages, alertness, understood);
}

void GUI_BookReading::Close() { delete instance; }

GUI_BookReading::GUI_BookReading(SIM_Book* book, int pages, float alertness, bool understood)
    : GUI_Dialog(true),
      pages_(pages),
      alertness_(alertness),
      // Taken now: the report outlives nothing, but the book may be sold or rebuilt under it.
      progress_(book->GetProgress()),
      pictureWidth_(book->GetPictureWidth()),
      pictureHeight_(book->GetPictureHeight()) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  SetTitle(Translate("READBOOK_TITLE"));
  if (understood) {
    text_ = Translate("READBOOK_TEXT");
    ReplaceSubstring(text_, "<PAGES>", std::to_string(pages));
  } else {
    text_ = Translate("READBOOK_DONTUNDERSTAND");
  }
  concentration_ = Translate("CONCENTRATION");
  low_ = Translate("LOW");
  high_ = Translate("HIGH");
  amountRead_ = Translate("AMOUNT_READ");
  picture_.SetTextureString(book->GetPicture());
  picture_.width = pictureWidth_;
  picture_.height = pictureHeight_;
  // A report only informs: Return and Escape both close it, as its close button does.
  SetKeyAnswers(closeButton, closeButton);
  GUI_WindowBase::Open();
  MakeModal();
}

GUI_BookReading::~GUI_BookReading() {
  if (instance == this) instance = nullptr;
}

void GUI_BookReading::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  const float cl = F(clientRect.left), ct = F(clientRect.top);
  // The middle of the text area beside the picture (from cl + 100 to 20 short of the right),
  // so the bars' labels stay clear of the cover.
  const float cx = (cl + 100 + F(clientRect.right) - 20) / 2.0f;
  const int wrap = clientRect.right - clientRect.left - 120;
  picture_.SetColourARGB(0xFFFFFFFFu);
  picture_.SetPosition(cl + 50, (F(clientRect.top) + F(clientRect.bottom)) / 2.0f);
  picture_.Draw();
  GUI_Services::QueueText(cl + 100, ct + 25, text_, "tahoma bold", 14, wrap, 0, 255, 255, 255);
  GUI_Services::QueueText(cx - 100, ct + 100, concentration_, "tahoma bold", 14, 200, 1, 255, 255,
                          255);
  DrawValueBar(cx - 90, ct + 118, alertness_, 180, 1.0f, alertness_ < 0.2f);
  GUI_Services::QueueText(cx - 140, ct + 114, low_, "tahoma bold", 14, 40, 2, 255, 255, 255);
  GUI_Services::QueueText(cx + 100, ct + 114, high_, "tahoma bold", 14, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(cx - 100, ct + 138, amountRead_, "tahoma bold", 14, 200, 1, 255, 255,
                          255);
  DrawValueBar(cx - 90, ct + 158, progress_, 180, 1.0f, false);
  GUI_Services::FlushText();
}

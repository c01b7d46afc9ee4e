// The restaurant chooser.
#include "gui/windows/GUI_RestaurantChooser.h"

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Restaurant.h"

GUI_RestaurantChooser* GUI_RestaurantChooser::instance = nullptr;

namespace {

constexpr const char* kFont = "tahoma bold";

void OnNext(void*) {
  if (GUI_RestaurantChooser* chooser = GUI_RestaurantChooser::Instance()) chooser->Next();
}
void OnPrevious(void*) {
  if (GUI_RestaurantChooser* chooser = GUI_RestaurantChooser::Instance()) chooser->Previous();
}
void OnBook(void*) {
  if (GUI_RestaurantChooser* chooser = GUI_RestaurantChooser::Instance()) chooser->Book();
}

}  // namespace

void GUI_RestaurantChooser::Open(SIM_RestaurantInstance* evening) {
  Close();
  if (!evening) {
    ReportAssertion(false, "GUI_Restaurant", __LINE__);
    return;
  }
  new GUI_RestaurantChooser(evening);
}

void GUI_RestaurantChooser::Close() { delete instance; }

GUI_RestaurantChooser::GUI_RestaurantChooser(SIM_RestaurantInstance* evening)
    : GUI_Dialog(true), evening_(evening) {
  instance = this;
  SetTitle(Translate("RESTAURANT_CHOOSE_TITLE"));
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  const auto l = static_cast<float>(rect.left), r = static_cast<float>(rect.right);
  const float mid = static_cast<float>(rect.top + rect.bottom) / 2;
  next_ = new GUI_IconButton("right.dds", OnNext, nullptr);
  next_->SetHighlightTexture("right_h.dds");
  next_->SetRect(r - 39, mid - 30, r - 5, mid + 30);
  AddButton(next_);
  previous_ = new GUI_IconButton("left.dds", OnPrevious, nullptr);
  previous_->SetHighlightTexture("left_h.dds");
  previous_->SetRect(l + 5, mid - 30, l + 39, mid + 30);
  AddButton(previous_);
  book_ = new GUI_ButtonText(Translate("RESTAURANT_BOOKTABLE"), OnBook, nullptr);
  book_->SetTooltipKey("RESTAURANT_BOOKTABLE_TOOLTIP", 60);
  book_->SetRect(static_cast<float>(clientRect.left + 20), static_cast<float>(clientRect.bottom - 35),
                 static_cast<float>(clientRect.right - 20), static_cast<float>(clientRect.bottom - 10));
  AddButton(book_);
  UpdateButtons();
  MakeModal();
}

GUI_RestaurantChooser::~GUI_RestaurantChooser() {
  if (instance == this) instance = nullptr;
}

SIM_Restaurant* GUI_RestaurantChooser::Current() const {
  const auto& list = evening_->Candidates();
  return position_ < list.size() ? list[position_] : nullptr;
}

void GUI_RestaurantChooser::UpdateButtons() {
  const size_t count = evening_->Candidates().size();
  previous_->SetEnabled(count > 0 && position_ > 0);
  next_->SetEnabled(count > 0 && position_ + 1 < count);
  const SIM_Restaurant* current = Current();
  if (!current) return;
  // The table's bill: the player's meal and one for each guest the player pays for.
  const int bill = evening_->PlayerBill(current->GetCharge());
  if (SIM_Finances::Instance().GetCash() < static_cast<float>(bill)) {
    book_->SetText(Translate("INSUFFICIENT_CASH"));
    book_->SetEnabled(false);
    std::string why = Translate("RESTAURANT_WHY_TABLE_TOO_DEAR");
    ReplaceSubstring(why, "<AMOUNT>", "\xA3 " + FormatThousands(bill));
    book_->SetDisabledReason(why);
  } else {
    book_->SetText(Translate("RESTAURANT_BOOKTABLE"));
    book_->SetEnabled(true);
  }
}

void GUI_RestaurantChooser::Next() {
  if (position_ + 1 < evening_->Candidates().size()) ++position_;
  UpdateButtons();
}

void GUI_RestaurantChooser::Previous() {
  if (position_ > 0) --position_;
  UpdateButtons();
}

void GUI_RestaurantChooser::Book() {
  SIM_Restaurant* current = Current();
  UpdateButtons();
  if (!current || !book_->IsEnabled()) return;  // nobody books a table they cannot pay for
  // A booking closes this chooser (deleted after the click) and opens the meal window.
  evening_->SelectRestaurant(current);
}

std::string GUI_RestaurantChooser::PriceText(float price) {
  return std::string(Translate("MENU_COST")) + " \xA3 " + FormatFixed(price, 2);
}

void GUI_RestaurantChooser::Draw() {
  if (!visible) return;
  UpdateButtons();
  GUI_Dialog::Draw();
  if (const SIM_Restaurant* current = Current()) {
    const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
    const auto cb = static_cast<float>(clientRect.bottom);
    const int width = clientRect.right - clientRect.left;
    const float mid = cl + static_cast<float>(width) / 2;
    const int nameWidth = GUI_Services::MeasureWidth(kFont, 24, current->GetName());
    GUI_Services::QueueText(mid - static_cast<float>(nameWidth) / 2, ct + 40, current->GetName(),
                            kFont, 24, 0, 0, 255, 255, 255);
    GUI_Services::QueueText(cl + 40, ct + 70, current->GetText(), kFont, 18, width - 80, 0, 255,
                            255, 255);
    const std::string price = PriceText(static_cast<float>(current->GetCharge()));
    const int priceWidth = GUI_Services::MeasureWidth(kFont, 18, price);
    GUI_Services::QueueText(mid - static_cast<float>(priceWidth) / 2, cb - 70, price, kFont, 18, 0,
                            0, 255, 255, 255);
  }
  GUI_Services::FlushText();
}

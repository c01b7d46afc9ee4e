// Job-offer window.
#include "gui/windows/GUI_JobOffer.h"

#include <cmath>
#include <limits>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr const char* kLetterFont = "tahoma bold";
constexpr int kLetterSize = 18;

const char* const kReasonKeys[] = {"JOB_REASON_ALCOHOL",  "JOB_REASON_CONFIDENCE",
                                   "JOB_REASON_TIREDNESS", "JOB_REASON_HAPPINESS",
                                   "JOB_REASON_ILL",       "JOB_REASON_OTHER"};


void ReplaceFirst(std::string& text, const std::string& tag, const std::string& value) {
  const size_t at = text.find(tag);
  if (at != std::string::npos) text.replace(at, tag.size(), value);
}

}  // namespace

GUI_JobOffer* GUI_JobOffer::instance = nullptr;

void GUI_JobOffer::Open(SIM_JobOffer* offer, GUI_Email* item) {
  ReportAssertion(offer != nullptr, "GUI_JobOffer", 119);
  ReportAssertion(item != nullptr, "GUI_JobOffer", 120);
  if (!offer || !item) return;
  Close();
  new GUI_JobOffer(offer, item);
}

std::string GUI_JobOffer::BuildLetter(const SIM_JobOffer& offer, int lineWidth) {
  const SIM_JobBase* job = offer.GetJob();
  std::string letter = offer.IsSuccess() || !job ? Translate("JOBOFFER_OFFER_TEXT")
                                                 : job->GetRejectionText();
  // Each placeholder once, in this order; a value that itself holds a placeholder stays as is.
  // Wrapping breaks only at blanks: a name word wider than a line would run out of the
  // letter. Room is left for the comma or stop that follows the name.
  std::string name = SIM_Vesk::Instance()->GetForename();
  if (lineWidth > 0)
    name = FitWordsToWidth(kLetterFont, kLetterSize, name,
                           lineWidth - GUI_Services::MeasureWidth(kLetterFont, kLetterSize, ","));
  ReplaceFirst(letter, "<VESKSNAME>", name);
  ReplaceFirst(letter, "<SALARY>",
               std::string("\xA3") + FormatThousands(ClampToInt(job ? job->GetMinSalary() : 0)));
  ReplaceFirst(letter, "<EMPLOYERNAME>", job ? job->GetEmployer() : std::string());
  if (!offer.IsSuccess()) {
    const int reason = offer.GetReason();
    ReplaceFirst(letter, "<REASON>",
                 reason >= 0 && reason <= 5 ? Translate(kReasonKeys[reason]) : Translate(""));
  }
  return letter;
}

GUI_JobOffer::GUI_JobOffer(SIM_JobOffer* jobOffer, GUI_Email* mailItem)
    : GUI_Dialog(true), offer(jobOffer), item(mailItem) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  if (offer->IsSuccess()) {
    SetTitle(Translate("JOBOFFER_TITLE"));
    acceptButton = new GUI_ButtonText(Translate("JOBOFFER_ACCEPT"), Accept, nullptr);
    acceptButton->SetTooltipKey("JOBOFFER_ACCEPT_TOOLTIP", 0);
    AddButton(acceptButton);
    rejectButton = new GUI_ButtonText(Translate("JOBOFFER_REJECT"), Reject, nullptr);
    rejectButton->SetTooltipKey("JOBOFFER_REJECT_TOOLTIP", 0);
    AddButton(rejectButton);
    AddHelpButton("HELP_JOBOFFERED");
  } else {
    SetTitle(Translate("JOBOFFER_TITLE_REJECTED"));
    // The knock to confidence comes with the first reading only.
    offer->ApplyRejection();
    AddHelpButton("HELP_JOBREJECTED");
  }
  picture.width = 165;
  picture.height = 300;
  picture.SetPosition(static_cast<float>(clientRect.left + 95),
                      static_cast<float>(clientRect.top + 160));
  text = BuildLetter(*offer, LetterWidth());
  // The item's end closes the window before the item could be used again.
  item->SetHolder([] { GUI_JobOffer::Close(); });
}

int GUI_JobOffer::LetterWidth() const {
  const auto& c = clientRect;
  // An offer's letter stands right of the employer's picture; a rejection's across the window.
  return offer->IsSuccess() ? static_cast<int>(static_cast<float>(c.right) - picture.right - 40.0f)
                            : c.right - c.left - 40;
}

GUI_JobOffer::~GUI_JobOffer() {
  if (item) item->SetHolder(nullptr);
  if (instance == this) instance = nullptr;
}

void GUI_JobOffer::Close(void* /*unused*/) { delete instance; }

void GUI_JobOffer::Accept(void* /*unused*/) {
  if (instance) instance->Finish(true);
}

void GUI_JobOffer::Reject(void* /*unused*/) {
  if (instance) instance->Finish(false);
}

void GUI_JobOffer::Finish(bool accept) {
  SIM_JobOffer* used = offer;
  GUI_Email* usedItem = item;
  // Let go of the item first: its deletion must not close this window a second time.
  usedItem->SetHolder(nullptr);
  item = nullptr;
  if (SIM_JobOffer::Exists(used)) {
    if (accept && used->IsSuccess()) used->Accept();
    delete used;
  }
  delete usedItem;
  delete this;
}

void GUI_JobOffer::Draw() {
  // The offer can go while the window is open (a new game or a load): nothing left to show.
  if (!SIM_JobOffer::Exists(offer)) {
    delete this;
    return;
  }
  const auto& c = clientRect;
  // Placed before the dialog draws them, so the first frame never shows them at the corner.
  if (offer->IsSuccess()) {
    acceptButton->SetRect(static_cast<float>(c.right - 130), static_cast<float>(c.bottom - 30),
                          static_cast<float>(c.right - 20), static_cast<float>(c.bottom - 10));
    rejectButton->SetRect(static_cast<float>(c.left + 20), static_cast<float>(c.bottom - 30),
                          static_cast<float>(c.left + 130), static_cast<float>(c.bottom - 10));
  }
  GUI_Dialog::Draw();
  if (offer->IsSuccess()) {
    picture.SetPosition(static_cast<float>(c.left + 95), static_cast<float>(c.top + 160));
    D3DEngine::Instance().SetTextureByName(offer->GetPicture());
    picture.Draw();
    GUI_Services::QueueText(picture.right + 20.0f, static_cast<float>(c.top + 80), text,
                            kLetterFont, kLetterSize, LetterWidth(), 0, 255, 255, 255);
  } else {
    BaseSprite stamp;
    stamp.width = 256;
    stamp.height = 128;
    stamp.Rotate(340.0f);
    stamp.SetPosition(static_cast<float>(rect.left + rect.right) / 2.0f,
                      static_cast<float>(c.top + 190));
    D3DEngine::Instance().SetTextureByName("rejected.dds");
    stamp.Draw();
    GUI_Services::QueueText(static_cast<float>(c.left + 20), static_cast<float>(c.top + 20), text,
                            kLetterFont, kLetterSize, LetterWidth(), 0, 255, 255, 255);
  }
  GUI_Services::FlushText();
}

// The commute method chooser.
#include "gui/windows/GUI_CommuteMethodChooser.h"

#include <algorithm>

#include "engine/CTexturedSprite.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Career.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Money.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "sim/SIM_CommuteMethod.h"

GUI_CommuteMethodChooser* GUI_CommuteMethodChooser::instance = nullptr;

namespace {

constexpr const char* kFont = "tahoma bold";
constexpr const char* kTextFont = "tahoma";
// Texts keep this far from the arrow beside them and the line below them.
constexpr float kArrowGap = 6;
// A long description is set smaller down to this size to keep to its box.
constexpr int kSmallestText = 13;

void OnNext(void*) {
  if (GUI_CommuteMethodChooser* chooser = GUI_CommuteMethodChooser::Instance()) chooser->Next();
}
void OnPrevious(void*) {
  if (GUI_CommuteMethodChooser* chooser = GUI_CommuteMethodChooser::Instance())
    chooser->Previous();
}
void OnChoose(void*) {
  if (GUI_CommuteMethodChooser* chooser = GUI_CommuteMethodChooser::Instance()) chooser->Choose();
}

size_t MethodCount() { return SIM_CommuteMethod::All().size(); }

}  // namespace

void GUI_CommuteMethodChooser::Open() {
  Close();
  new GUI_CommuteMethodChooser();
}

void GUI_CommuteMethodChooser::Close() { delete instance; }

GUI_CommuteMethodChooser::GUI_CommuteMethodChooser()
    : GUI_Dialog(true),
      rangeLabel_(Translate("COMMUTECHOOSER_RANGE")),
      milesText_(Translate("MILES")),
      costLabel_(Translate("COMMUTECHOOSER_COSTPERMILE")),
      unlimitedText_(Translate("UNLIMITED")) {
  instance = this;
  SetTitle(Translate("COMMUTE_CHOOSEMETHOD_TITLE"));
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
  choose_ = new GUI_ButtonText(Translate("CHOOSE_COMMUTEMETHOD"), OnChoose, nullptr);
  choose_->SetTooltipKey("CHOOSE_COMMUTEMETHOD_TOOLTIP", 60);
  choose_->SetRect(static_cast<float>(clientRect.left + 20), static_cast<float>(clientRect.bottom - 35),
                   static_cast<float>(clientRect.right - 20), static_cast<float>(clientRect.bottom - 10));
  AddButton(choose_);
  // From the player's present choice; the first method when none is chosen.
  const int chosen = SIM_CommuteMethod::GetChosenIndex();
  position_ = chosen >= 0 && static_cast<size_t>(chosen) < MethodCount()
                  ? static_cast<size_t>(chosen)
                  : 0;
  UpdateButtons();
  AddHelpButton("HELP_COMMUTE");
  ShowHint("commute_dialog");
}

GUI_CommuteMethodChooser::~GUI_CommuteMethodChooser() {
  if (instance == this) instance = nullptr;
}

SIM_CommuteMethod* GUI_CommuteMethodChooser::Current() const {
  return position_ < MethodCount() ? SIM_CommuteMethod::All()[position_].get() : nullptr;
}

void GUI_CommuteMethodChooser::UpdateButtons() {
  const size_t count = MethodCount();
  // The list may have changed under the open window: keep the place inside it.
  if (count > 0 && position_ >= count) position_ = count - 1;
  previous_->SetEnabled(count > 0 && position_ > 0);
  next_->SetEnabled(count > 0 && position_ + 1 < count);
  const SIM_CommuteMethod* method = Current();
  const char* why = method ? method->WhyUnavailable() : nullptr;
  choose_->SetEnabled(method && !why);
  choose_->SetVisible(method != nullptr);  // nothing to choose: no button
  choose_->SetDisabledReason(why ? Translate(why) : std::string());
}

void GUI_CommuteMethodChooser::Next() {
  if (position_ + 1 < MethodCount()) ++position_;
  UpdateButtons();
}

void GUI_CommuteMethodChooser::Previous() {
  if (position_ > 0 && position_ <= MethodCount()) --position_;
  UpdateButtons();
}

void GUI_CommuteMethodChooser::Choose() {
  const SIM_CommuteMethod* method = Current();
  if (!method || !method->IsAvailable()) return;
  SIM_CommuteMethod::SetChosenIndex(static_cast<int>(position_));
  GUI_Career::Refresh();
  delete this;  // the memory waits for the end of the click
}

std::string GUI_CommuteMethodChooser::RangeText(float maxDistance) const {
  if (maxDistance < 0.0f) return unlimitedText_;
  return std::to_string(WholePounds(maxDistance)) + " " + milesText_;
}

std::string GUI_CommuteMethodChooser::CostText(float costPerMile) {
  return std::string("\xA3:") + FormatFixed(costPerMile, 2);
}

void GUI_CommuteMethodChooser::Draw() {
  if (!visible) return;
  UpdateButtons();
  GUI_Dialog::Draw();
  if (const SIM_CommuteMethod* method = Current()) {
    const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
    const auto cr = static_cast<float>(clientRect.right), cb = static_cast<float>(clientRect.bottom);
    CTexturedSprite picture;
    picture.width = kPictureSize;
    picture.height = kPictureSize;
    picture.SetColourARGB(0xFFFFFFFFu);
    picture.SetTextureString(method->GetPicture());
    picture.SetPosition(cl + 120, ct + 120);
    picture.Draw();
    picture.DrawOutline(0xFFFFFFFFu);
    const float textLeft = cl + 120 + kPictureSize / 2.0f + 10;
    // The name and the description keep clear of the next arrow on the right, and the
    // description ends above the range and cost line; a long one is set smaller.
    const float textRight =
        std::min(cr - 10, static_cast<float>(next_->GetRect().left) - kArrowGap);
    const int textWidth = static_cast<int>(textRight - textLeft);
    const float y = cb - 60;
    GUI_Services::QueueText(textLeft, ct + 20,
                            FitTextToWidth(kFont, 24, Translate(method->GetName().c_str()), textWidth),
                            kFont, 24, 0, 0, 255, 255, 255);
    const std::string description = Translate(method->GetDescription().c_str());
    const int size = FitSizeToBox(kTextFont, 18, kSmallestText, description, textWidth,
                                  static_cast<int>(y - kArrowGap - (ct + 80)));
    GUI_Services::QueueText(textLeft, ct + 80,
                            FitWordsToWidth(kTextFont, size, description, textWidth), kTextFont,
                            size, textWidth, 0, 255, 255, 255);
    GUI_Services::QueueText(cl + 30, y, rangeLabel_, kFont, 18, 0, 0, 255, 255, 255);
    GUI_Services::QueueText(cl + 130, y, RangeText(method->GetMaxDistance()), kFont, 18, 0, 0, 255,
                            255, 255);
    GUI_Services::QueueText(cl + 230, y, costLabel_, kFont, 18, 0, 0, 255, 255, 255);
    GUI_Services::QueueText(cl + 360, y, CostText(method->GetCostPerMile()), kFont, 18, 0, 0, 255,
                            255, 255);
  }
  GUI_Services::FlushText();
}

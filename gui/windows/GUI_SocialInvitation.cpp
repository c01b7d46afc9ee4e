// The invitation window.
#include "gui/windows/GUI_SocialInvitation.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "gui/windows/GUI_NPC.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"

GUI_SocialInvitation* GUI_SocialInvitation::last = nullptr;

namespace {

std::vector<GUI_SocialInvitation*>& OpenList() {
  static std::vector<GUI_SocialInvitation*> list;
  return list;
}

constexpr const char* kFont = "tahoma bold";
constexpr int kTextSize = 14, kSmallestText = 11;
// Space kept between the letter and the cost line under it.
constexpr float kLineGap = 2;

void OnAccept(void* window) { static_cast<GUI_SocialInvitation*>(window)->Accept(); }
void OnReject(void* window) { delete static_cast<GUI_SocialInvitation*>(window); }
void OnGuest(void* person) { GUI_NPC::Open(static_cast<SIM_Person*>(person)); }

}  // namespace

void GUI_SocialInvitation::Open(SIM_SocialInvitation* invitation) {
  Close();
  ReportAssertion(invitation != nullptr, "GUI_SocialInvitation", 106);
  if (!invitation) return;
  new GUI_SocialInvitation(invitation);
}

void GUI_SocialInvitation::CloseAll() {
  while (!OpenList().empty()) delete OpenList().back();
}

void GUI_SocialInvitation::Close() { delete last; }

const std::vector<GUI_SocialInvitation*>& GUI_SocialInvitation::All() { return OpenList(); }

GUI_SocialInvitation::GUI_SocialInvitation(SIM_SocialInvitation* invitation)
    : GUI_Dialog(true), invitation_(invitation) {
  last = this;
  SetSize(kWidth, kHeight);
  std::string title = Translate("SOCIAL_INVITATION");
  ReplaceSubstring(title, "<INVITEE>", invitation->GetInviter()->GetFullName());
  if (title.size() > kMaxTitle) title = title.substr(0, kMaxTitle) + "...";
  SetTitle(title);
  CentreOnScreen();
  UpdateClientRect();
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto ct = static_cast<float>(clientRect.top), cb = static_cast<float>(clientRect.bottom);
  accept_ = new GUI_ButtonText(Translate("ACCEPT_INVITE"), OnAccept, this);
  accept_->SetTooltipKey("TOOLTIP_ACCEPT_INVITE", 0);
  accept_->SetRect(cr - 170, cb - 35, cr - 20, cb - 11);
  AddButton(accept_);
  reject_ = new GUI_ButtonText(Translate("REJECT_INVITE"), OnReject, this);
  reject_->SetTooltipKey("TOOLTIP_REJECT_INVITE", 0);
  reject_->SetRect(cl + 20, cb - 35, cl + 170, cb - 11);
  AddButton(reject_);
  SetKeyAnswers(accept_, reject_);
  GUI_WindowBase::Open();
  float x = cl + 45;
  for (SIM_NPC* person : invitation->GetGuests()) {
    GUI_IconButton* button = nullptr;
    if (!person->IsIntroduced()) {
      button = new GUI_IconButton("mystery.dds", nullptr, nullptr);
    } else {
      button = new GUI_IconButton(person->GetPortrait().c_str(), OnGuest, person);
      button->SetTooltip(person->GetFullName().c_str(), 0);
    }
    button->SetRect(x, ct + 160, x + 52, ct + 216);
    AddButton(button);
    guests_.push_back(button);
    x += 56;
  }
  portrait_.width = 96;
  portrait_.height = 96;
  OpenList().push_back(this);
  RefreshAcceptButton();
}

GUI_SocialInvitation::~GUI_SocialInvitation() {
  std::erase(OpenList(), this);
  if (last == this) last = nullptr;
}

void GUI_SocialInvitation::RefreshAcceptButton() {
  const bool canPay = SIM_Finances::Instance().GetCash() >=
                      static_cast<float>(invitation_->GetPlayerCost());
  const bool tired = invitation_->GetType()->IsTooTired();
  const char* label = !canPay ? "INSUFFICIENT_CASH" : tired ? "TOO_TIRED" : "ACCEPT_INVITE";
  if (accept_->GetText() != Translate(label)) accept_->SetText(Translate(label));
  const bool dayOver = SIM_SIM::Instance().GetPhase() == PHASE_DAYOVER;
  const char* gone = invitation_->WhyNotAcceptable();
  accept_->SetEnabled(canPay && !tired && !dayOver && !gone);
  // The first thing that stands in the way is the one the player is told.
  const char* why = gone       ? gone
                    : dayOver  ? "WHY_NO_ACTIVITY_LEFT"
                    : !canPay  ? "WHY_NOT_ENOUGH_MONEY"
                    : tired    ? "WHY_TOO_TIRED"
                               : nullptr;
  accept_->SetDisabledReason(why ? Translate(why) : std::string());
}

void GUI_SocialInvitation::Draw() {
  if (!visible) return;
  RefreshAcceptButton();
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto ct = static_cast<float>(clientRect.top);
  // Top-left corner at (cl + 20, ct + 20).
  portrait_.SetPosition(cl + 20 + 48, ct + 20 + 48);
  D3DEngine::Instance().SetTextureByName(invitation_->GetInviter()->GetPortrait());
  portrait_.SetColour(255, 255, 255, 255);
  portrait_.Draw();
  const float r = cl + 116, b = ct + 116;
  // The letter keeps to its box above the cost: a name longer than a line (small talk greets
  // the player by it) is cut with "...", and a long letter is set smaller.
  const int textWidth = static_cast<int>(cr - r - 30);
  const std::string& text = invitation_->GetText();
  const int size = FitSizeToBox(kFont, kTextSize, kSmallestText, text, textWidth,
                                static_cast<int>(b - 10 - kLineGap - (ct + 20)));
  GUI_Services::QueueText(r + 10, ct + 20, FitWordsToWidth(kFont, size, text, textWidth), kFont,
                          size, textWidth, 0, 255, 255, 255);
  GUI_Services::QueueText(r + 10, b - 10, Translate("SOCIALISE_COST"), "tahoma bold", 14, 0, 0,
                          255, 255, 255);
  GUI_Services::QueueText(r + 110, b - 10,
                          "\xA3 " + FormatThousands(invitation_->GetPlayerCost()), "tahoma bold",
                          14, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(cl + 20, b + 22, Translate("WHO_IS_GOING"), "tahoma bold", 14, 0, 0,
                          255, 255, 255);
  GUI_Services::FlushText();
}

void GUI_SocialInvitation::Accept() {
  RefreshAcceptButton();
  if (!accept_->IsEnabled()) return;
  SIM_SocialInvitation* invitation = invitation_;
  invitation->Accept();
  delete this;  // freed after the click
  CloseAll();
  SIM_SocialiseInstance::StartFromInvitation(invitation, invitation->GetInviter());
}

// The bowling team's invitation.
#include "gui/windows/GUI_TeamInvite.h"

#include "engine/CTexturedSprite.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_BowlingTeam.h"

GUI_TeamInvite* GUI_TeamInvite::instance = nullptr;

namespace {

constexpr const char* kDayKeys[7] = {"DAY_MONDAY", "DAY_TUESDAY",  "DAY_WEDNESDAY", "DAY_THURSDAY",
                                     "DAY_FRIDAY", "DAY_SATURDAY", "DAY_SUNDAY"};

void OnAccept(void*) {
  if (GUI_TeamInvite* w = GUI_TeamInvite::Instance()) w->Accept();
}
void OnReject(void*) {
  if (GUI_TeamInvite* w = GUI_TeamInvite::Instance()) w->Reject();
}

}  // namespace

void GUI_TeamInvite::Open() {
  Close();
  new GUI_TeamInvite();
}

void GUI_TeamInvite::Close() { delete instance; }

std::string GUI_TeamInvite::Text() {
  const int day = SIM_BowlingTeam::Instance().GetMatchDay();
  std::string text = Translate("BOWLING_TEAM_TEXT");
  ReplaceSubstring(text, "<DAY>", day >= 0 && day < 7 ? Translate(kDayKeys[day]) : "");
  return text;
}

GUI_TeamInvite::GUI_TeamInvite() : GUI_Dialog(true) {
  instance = this;
  SetTitle(Translate("BOWLING_TEAM_TITLE"));
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto cb = static_cast<float>(clientRect.bottom);
  const float mid = (cl + cr) / 2;
  accept_ = new GUI_ButtonText(Translate("GUI_ACCEPTTEAM"), OnAccept, nullptr);
  accept_->SetTooltipKey("GUI_ACCEPTTEAM_TOOLTIP", 60);
  accept_->SetRect(cl + 10, cb - 32, mid - 10, cb - 8);
  AddButton(accept_);
  reject_ = new GUI_ButtonText(Translate("GUI_REJECTTEAM"), OnReject, nullptr);
  reject_->SetTooltipKey("GUI_REJECTTEAM_TOOLTIP", 60);
  reject_->SetRect(mid + 10, cb - 32, cr - 10, cb - 8);
  AddButton(reject_);
  SetKeyAnswers(accept_, reject_);
  MakeModal();
}

GUI_TeamInvite::~GUI_TeamInvite() {
  if (instance == this) instance = nullptr;
}

void GUI_TeamInvite::Accept() {
  SIM_BowlingTeam::Instance().Join();
  delete this;  // freed after the click
}

void GUI_TeamInvite::Reject() { delete this; }

void GUI_TeamInvite::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const int width = clientRect.right - clientRect.left;
  CTexturedSprite picture;
  picture.width = 256;
  picture.height = 128;
  picture.SetColourARGB(0xFFFFFFFFu);
  picture.SetTextureString("bowlingteam.bmp");
  picture.SetPosition(cl + static_cast<float>(width) / 2, ct + 70);
  picture.Draw();
  GUI_Services::QueueText(cl + 10, ct + 145, Text(), "tahoma bold", 16, width - 20, 0, 255, 255,
                          255);
  GUI_Services::FlushText();
}

// The special event's ticket.
#include "gui/windows/GUI_SpecialEvent.h"

#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SpecialEvent.h"

GUI_SpecialEvent* GUI_SpecialEvent::instance = nullptr;

namespace {

void OnAttend(void* ticket) { static_cast<GUI_SpecialEvent*>(ticket)->Attend(); }
void OnReject(void* ticket) { static_cast<GUI_SpecialEvent*>(ticket)->Reject(); }

}  // namespace

void GUI_SpecialEvent::Open(SIM_SpecialEvent* event) {
  Close();
  if (event) new GUI_SpecialEvent(event);
}

void GUI_SpecialEvent::Close() { delete instance; }

GUI_SpecialEvent::GUI_SpecialEvent(SIM_SpecialEvent* event) : GUI_Dialog(true), event_(event) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  SetTitle(Translate(event->GetGuiName().c_str()));
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto cb = static_cast<float>(clientRect.bottom);
  attend_ = new GUI_ButtonText(Translate("SPECIALEVENT_ATTEND"), OnAttend, this);
  attend_->SetRect(cr - 120, cb - 30, cr - 20, cb - 10);
  attend_->SetTooltipKey("SPECIALEVENT_ATTEND_TOOLTIP", 60);
  AddButton(attend_);
  reject_ = new GUI_ButtonText(Translate("SPECIALEVENT_REJECT"), OnReject, this);
  reject_->SetRect(cl + 20, cb - 30, cl + 120, cb - 10);
  reject_->SetTooltipKey("SPECIALEVENT_REJECT_TOOLTIP", 60);
  AddButton(reject_);
  ticket_.width = 220;
  ticket_.height = 112;
  ticket_.SetColourARGB(kTicketColour);
  ticket_.SetTextureString("admit_ticket.bmp");
  ticket_.rotation = kTicketAngle;
  RefreshButtons();
}

GUI_SpecialEvent::~GUI_SpecialEvent() {
  if (instance == this) instance = nullptr;
}

void GUI_SpecialEvent::RefreshButtons() {
  const int phase = SIM_SIM::Instance().GetPhase();
  const bool open = phase != PHASE_DAYOVER;
  attend_->SetEnabled(open && phase == PHASE_ACTIVITIES && !event_->IsAttended());
  reject_->SetEnabled(open);
  const char* why = !open                       ? "WHY_NO_ACTIVITY_LEFT"
                    : event_->IsAttended()      ? "WHY_EVENT_ATTENDED"
                    : phase != PHASE_ACTIVITIES ? "WHY_NOT_YET"
                                                : nullptr;
  attend_->SetDisabledReason(why ? Translate(why) : std::string());
  reject_->SetDisabledReason(Translate("WHY_NO_ACTIVITY_LEFT"));
}

void GUI_SpecialEvent::Attend() {
  RefreshButtons();
  if (!attend_->IsEnabled()) return;
  SIM_SpecialEvent* event = event_;
  delete this;  // freed after the click's dispatch
  event->Attend();
}

void GUI_SpecialEvent::Reject() { delete this; }

void GUI_SpecialEvent::Draw() {
  if (!visible) return;
  RefreshButtons();
  GUI_Dialog::Draw();
  ticket_.SetPosition(static_cast<float>(rect.left + rect.right) / 2,
                      static_cast<float>(rect.top + rect.bottom) / 2);
  ticket_.Draw();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  GUI_Services::QueueText(cl + 20, ct + 40, Translate(event_->GetInvitationKey().c_str()),
                          "tahoma bold", 14, clientRect.right - clientRect.left - 40, 0, 255, 255,
                          255);
  GUI_Services::FlushText();
}

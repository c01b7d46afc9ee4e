// Button base: hover, tooltip and click.
#include "gui/GUI_ButtonBase.h"

#include "engine/Translate.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_WindowManager.h"

GUI_ButtonBase::GUI_ButtonBase(GUI_ButtonCallback cb, void* arg)
    : callback(cb), callbackArg(arg) {}

GUI_ButtonBase::~GUI_ButtonBase() = default;

void* GUI_ButtonBase::operator new(std::size_t size) { return ::operator new(size); }

void GUI_ButtonBase::operator delete(void* p) { GUI_WindowManager::FreeLater(p); }

void GUI_ButtonBase::Draw() {
  if (tooltip && !tooltip->GetText().empty()) tooltip->Draw();
}

void GUI_ButtonBase::SetRect(float l, float t, float r, float b) {
  GUI_BaseElement::SetRect(l, t, r, b);
  if (tooltip) {
    tooltip->MoveOnScreen(static_cast<float>(rect.left + rect.right) / 2.0f -
                              static_cast<float>(tooltip->GetWidth()) / 2.0f,
                          static_cast<float>(rect.bottom));
  }
}

void GUI_ButtonBase::SetTooltip(const char* text, int delay) {
  usualTooltip = text ? text : "";
  tooltip = std::make_unique<GUI_Tooltip>(usualTooltip.c_str(), delay);
  tooltip->SetFollowMouse(false);
  ShowTooltipForState();
}

void GUI_ButtonBase::SetEnabled(bool e) {
  enabled = e;
  ShowTooltipForState();
}

void GUI_ButtonBase::SetDisabledReason(const std::string& why) {
  disabledReason = why;
  // A button without a tooltip of its own still tells why it is disabled.
  if (!tooltip && !why.empty()) {
    tooltip = std::make_unique<GUI_Tooltip>("", 60);
    tooltip->SetFollowMouse(false);
  }
  ShowTooltipForState();
}

void GUI_ButtonBase::ShowTooltipForState() {
  if (!tooltip) return;
  const std::string& text = !enabled && !disabledReason.empty() ? disabledReason : usualTooltip;
  tooltip->SetText(text.c_str());  // measured only when it changes
}

void GUI_ButtonBase::SetTooltipKey(const char* key, int /*delay*/) { SetTooltip(Translate(key), 60); }

bool GUI_ButtonBase::OnClick(float x, float y) {
  if (!enabled || !GUI_Tutorial::IsAllowed(this) || !HitTest(x, y)) return false;
  Activate();
  return true;
}

void GUI_ButtonBase::RunCallback() {
  if (!callback) return;
  GUI_Services::PlayClick();
  callback(callbackArg);
}

void GUI_ButtonBase::Activate() {
  if (!enabled) return;
  // The callback may delete this button (and its window): the tutorial is told which button
  // was used by its identity only, taken before the callback runs.
  const void* identity = this;
  RunCallback();
  GUI_Tutorial::ButtonUsed(identity);
}

void GUI_ButtonBase::UpdateHover() {
  if (!GUI_Services::IsMouseTaken() && HitTest(GUI_Services::MouseX(), GUI_Services::MouseY())) {
    if (enabled) hover = 1;
    if (tooltip) {
      tooltip->Trigger();
      tooltip->PlaceAtMouse();
    }
  } else {
    hover = 0;
  }
}

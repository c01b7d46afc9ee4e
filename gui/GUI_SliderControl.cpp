// Slider.
#include "gui/GUI_SliderControl.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "gui/GUI_Services.h"

GUI_SliderControl::GUI_SliderControl(float* value, const char* label, ChangeCallback onChange)
    : value_(value), label_(std::string(label ? label : "").substr(0, kMaxLabel)),
      onChange_(onChange) {
  ReportAssertion(value != nullptr, "GUI_SliderControl", 9);
}

void GUI_SliderControl::SetRect(float l, float t, float r, float b) {
  GUI_BaseElement::SetRect(l, t, r, b);
}

GUI_Rect GUI_SliderControl::KnobRect() const {
  const float v = value_ ? std::clamp(*value_, 0.0f, 1.0f) : 0.0f;
  const int cx = static_cast<int>(std::trunc(static_cast<float>(rect.left) +
                                             static_cast<float>(rect.right - rect.left) * v));
  const int cy = (rect.top + rect.bottom) / 2;
  return {cx - 6, cy - 6, cx + 6, cy + 6};
}

void GUI_SliderControl::Draw() {
  D3DEngine& engine = D3DEngine::Instance();
  const int cy = (rect.top + rect.bottom) / 2;
  engine.FillRect(rect.left, cy - 3, rect.right, cy + 3, 0xFF808080u);
  engine.DrawRectOutline(rect.left, cy - 3, rect.right, cy + 3, 0xFF404040u);
  const GUI_Rect knob = KnobRect();
  engine.FillRect(knob.left, knob.top, knob.right, knob.bottom, 0xFFC0C0C0u);
  engine.DrawRectOutline(knob.left, knob.top, knob.right, knob.bottom, 0xFF404040u);
  const int textWidth = GUI_Services::MeasureWidth("tahoma bold", 16, label_);
  GUI_Services::DrawTextNow(static_cast<float>((rect.left + rect.right) / 2 - textWidth / 2),
                            static_cast<float>(rect.top + 20), label_, "tahoma bold", 16, 255, 255,
                            255);
}

void GUI_SliderControl::Update() {
  if (!value_) return;
  const float mx = GUI_Services::MouseX(), my = GUI_Services::MouseY();
  if (!dragging_) {
    const GUI_Rect k = KnobRect();
    const int ix = static_cast<int>(std::trunc(mx)), iy = static_cast<int>(std::trunc(my));
    if (GUI_Services::LeftHeld() && ix >= k.left && ix < k.right && iy >= k.top && iy < k.bottom)
      dragging_ = true;
    return;
  }
  if (!GUI_Services::LeftHeld()) {
    dragging_ = false;
    return;
  }
  // A slider not yet given a width has no scale: leave the value alone rather than divide
  // by zero and write NaN into the player's options.
  if (rect.right <= rect.left) return;
  const float x = std::clamp(mx, static_cast<float>(rect.left), static_cast<float>(rect.right));
  *value_ = (x - static_cast<float>(rect.left)) / static_cast<float>(rect.right - rect.left);
  if (onChange_) onChange_();
}

// A horizontal slider over a float 0..1 owned by the caller (the options' volumes and mouse
// speed): a 6-px track, a 12 x 12 knob that alone starts a drag, and a label under the bar.
#pragma once

#include <string>

#include "gui/GUI_BaseElement.h"

class GUI_SliderControl : public GUI_BaseElement {
 public:
  using ChangeCallback = void (*)();
  static constexpr size_t kMaxLabel = 31;

  GUI_SliderControl(float* value, const char* label, ChangeCallback onChange);

  void SetRect(float left, float top, float right, float bottom) override;
  void Draw() override;
  // Called by the owner every frame: starts, follows and ends the drag.
  void Update();

  bool IsDragging() const { return dragging_; }
  const std::string& GetLabel() const { return label_; }
  float* GetValuePointer() const { return value_; }
  // The knob's rectangle for the current value.
  GUI_Rect KnobRect() const;

 private:
  float* value_;
  std::string label_;
  bool dragging_ = false;
  ChangeCallback onChange_;
};

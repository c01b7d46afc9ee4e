// The value bar of an attribute on the main screen. Until the screen is built, only its place
// and its change marker.
#pragma once

#include "gui/GUI_ChangePopup.h"

class SIM_Attribute;

class GUI_Indicator {
 public:
  GUI_Indicator(float left, float top, float right, float bottom)
      : left_(left), top_(top), right_(right), bottom_(bottom) {}

  float GetLeft() const { return left_; }
  float GetTop() const { return top_; }
  float GetRight() const { return right_; }
  float GetBottom() const { return bottom_; }
  GUI_ChangePopup& GetChangePopup() { return popup_; }

  // The bar that shows an attribute, found by the attribute: the attribute holds no screen
  // pointer. Binding null forgets the attribute's bar.
  static void Bind(const SIM_Attribute* attribute, GUI_Indicator* bar);
  static GUI_Indicator* Find(const SIM_Attribute* attribute);

 private:
  float left_, top_, right_, bottom_;
  GUI_ChangePopup popup_;
};

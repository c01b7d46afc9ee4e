// Named values.
#include "sim/SIM_NamedValue.h"

SIM_NamedValue::SIM_NamedValue(const std::string& name, const std::string& guiName, float value)
    : guiName_(guiName), name_(name), value_(value) {}

void SIM_NamedValue::Apply(const std::string& operation, float amount) {
  if (operation == "+=") {
    value_ += amount;
  } else if (operation == "-=") {
    value_ -= amount;
  } else if (operation == "*=") {
    value_ *= amount;
  } else if (operation == "/=") {
    // A zero divisor would turn the value into NaN or infinity, which every later sum and
    // comparison would carry along; the value stays as it was instead.
    if (amount != 0.0f) value_ /= amount;
  }
  if (value_ < 0.0f) value_ = 0.0f;
  if (value_ > 1.0f) value_ = 1.0f;
}

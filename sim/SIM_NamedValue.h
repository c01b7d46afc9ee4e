// A named float of the simulation: a player attribute or skill, a character's interest, or
// one of the world's global values.
#pragma once

#include <string>

class SIM_NamedValue {
 public:
  SIM_NamedValue(const std::string& name, const std::string& guiName, float value);
  virtual ~SIM_NamedValue() = default;
  SIM_NamedValue(const SIM_NamedValue&) = delete;
  SIM_NamedValue& operator=(const SIM_NamedValue&) = delete;

  // Attributes work their value out from their parts; plain values have nothing to do.
  virtual void Recalculate() {}
  // Opens the value's details, where it has any.
  virtual void ShowDetails() {}

  // Changes the value by "+=", "-=", "*=" or "/=" (any other operation changes nothing),
  // then clamps it to 0..1. Dividing by 0 leaves the value as it was (before the clamp).
  void Apply(const std::string& operation, float amount);

  const std::string& GetName() const { return name_; }
  const std::string& GetGuiName() const { return guiName_; }
  void SetGuiName(const std::string& guiName) { guiName_ = guiName; }
  float GetValue() const { return value_; }
  void SetValue(float value) { value_ = value; }

 protected:
  std::string guiName_;
  std::string name_;
  float value_ = 0.0f;
};

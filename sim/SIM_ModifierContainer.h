// Modifiers: the changes a data row carries ("name,amount,limit"), applied to the player or,
// for names holding "glob_", to the world's global values. Every type whose row carries
// modifiers derives from the container.
#pragma once

#include <string>
#include <vector>

// One parsed modifier, owned by its container.
struct SIM_Modifier {
  std::string name;         // the value to change
  std::string displayText;  // the translation of "nv_" + name
  float limit = 0.0f;       // 0..1: the daily decay factor of a change to the player
  std::string source;       // the owning container's name
  float amount = 0.0f;      // -1..1
};

class SIM_ModifierContainer {
 public:
  SIM_ModifierContainer() = default;
  virtual ~SIM_ModifierContainer();
  SIM_ModifierContainer(const SIM_ModifierContainer&) = delete;
  SIM_ModifierContainer& operator=(const SIM_ModifierContainer&) = delete;

  // Parses "name,amount,limit" and appends it. Text shorter than 2 characters or not
  // beginning with a letter or '_' is ignored. An amount or limit beginning with '_' is the
  // game variable of that name (the '_' included).
  virtual void AddModifier(const std::string& text);
  // Applies every modifier in order, amounts multiplied by scale.
  void ApplyModifiers(float scale);
  void ApplyModifier(const SIM_Modifier& modifier, float scale);
  // The amount of the first modifier of that name; 0 and a warning when there is none.
  float GetModifierValue(const std::string& name) const;

  const std::vector<SIM_Modifier*>& GetModifiers() const { return modifiers_; }
  const std::string& GetName() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

 protected:
  std::vector<SIM_Modifier*> modifiers_;
  std::string name_ = "unset";
};

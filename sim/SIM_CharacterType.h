// The character types of the other people, drawn at random by weight from the character
// types table. Each has a heading, a description, an evening text and an optional effect on
// the player's values.
#pragma once

#include <string>
#include <vector>

class SIM_CharacterType {
 public:
  SIM_CharacterType() = default;
  SIM_CharacterType(const SIM_CharacterType&) = delete;
  SIM_CharacterType& operator=(const SIM_CharacterType&) = delete;

  // Empties the list and reads the table. An effect whose amount is 1000 or more either way
  // is left out (logged): the type has none.
  static void LoadAll(const std::string& path = "data/simulation/charactertypes.csv");
  static void DeleteAll();
  // By weight. A walk that ends short of the draw (float weights that add up to a hair under
  // 1) takes the last type; null only when there are no types.
  static SIM_CharacterType* ChooseRandom();
  // Null (reported) when there is no type of that name.
  static SIM_CharacterType* Find(const std::string& name);
  static const std::vector<SIM_CharacterType*>& All();

  // The type's change to the player, labelled with source; nothing when the amount is 0.
  void ApplyEffect(const std::string& source) const;

  const std::string& GetName() const { return name_; }
  const std::string& GetText(int i) const;  // 2 heading, 3 description, 4 evening text
  float GetWeight() const { return weight_; }
  const std::string& GetEffectName() const { return effectName_; }
  float GetEffectAmount() const { return effectAmount_; }
  float GetEffectDegrade() const { return effectDegrade_; }

 private:
  std::string name_;
  std::string texts_[3];
  float weight_ = 0.0f;
  std::string effectName_;
  float effectAmount_ = 0.0f;
  float effectDegrade_ = 0.0f;
};

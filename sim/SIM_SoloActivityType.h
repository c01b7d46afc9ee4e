// Something the player does alone in one slot: reading, cleaning, a hobby, a hobby window.
// The kinds come from "data/simulation/solo_activities.csv", in file order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/SIM_TimeChunkType.h"

class SIM_SoloActivityType : public SIM_TimeChunkType {
 public:
  static constexpr const char* kTableFile = "data\\simulation\\solo_activities.csv";
  static constexpr size_t kMaxModifierText = 127;

  SIM_SoloActivityType() = default;

  // Reads the table (rows of any length). A table that cannot be opened is a fatal error
  // ("Missing CSV file"): the game cannot run without it.
  static void LoadAll(const std::string& file = kTableFile);
  // DeleteAll, then LoadAll.
  static void Reload(const std::string& file = kTableFile);
  static void DeleteAll();
  // One table row; null when the row has no name.
  static std::unique_ptr<SIM_SoloActivityType> FromRow(const std::string& row);
  // The first type of exactly that name; none is a fatal error.
  static SIM_SoloActivityType* FindByName(const std::string& name);
  // The same, but null when there is none (for callers that ask whether a type exists).
  static SIM_SoloActivityType* TryFind(const std::string& name);
  static const std::vector<std::unique_ptr<SIM_SoloActivityType>>& All();

  // The cost is 0 or less, or the cash covers it.
  bool IsAffordable() const;
  // Creates an instance of the type and runs it.
  virtual void Start();
  // From the activity's run: a chance of meeting a new friend.
  void TryMeetNewFriend() const;

  // "call <hook>", "play <sound file>" or empty.
  const std::string& GetAction() const { return action_; }
  // Shown by the chooser as "the effects of this activity vary".
  bool GetEffectsVary() const { return effectsVary_; }
  // Which kind of panel the chooser draws for the type ("default", "sciencetheory",
  // "songwriting", "screenplay", "story"); a plain word, not translated.
  const std::string& GetPanelKind() const { return panelKind_; }
  float GetMeetFriendChance() const { return meetFriendChance_; }
  float GetCost() const { return cost_; }
  bool GetSkipModifiers() const { return skipModifiers_; }

  void SetAction(const std::string& action) { action_ = action; }
  void SetMeetFriendChance(float chance) { meetFriendChance_ = chance; }
  void SetCost(float cost) { cost_ = cost; }
  void SetSkipModifiers(bool skip) { skipModifiers_ = skip; }
  void SetPanelKind(const std::string& kind) { panelKind_ = kind; }

 private:
  std::string action_;
  std::string panelKind_;
  float meetFriendChance_ = 0.0f;
  float cost_ = 0.0f;
  bool skipModifiers_ = false;
  bool effectsVary_ = false;
};

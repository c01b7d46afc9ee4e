// Special events: one-off occasions (a party, an opening, a meeting) offered when the player's
// situation suits them. Each is a row of "data/simulation/events.csv": an activity type with
// prerequisites, modifiers, two text keys (the invitation on the ticket and the result) and
// weights over player values that score how well it fits. Each time the day's activities open
// the best-fitting event may trigger; it arrives as a mail item carrying a ticket, and
// attending it uses one slot and applies its modifiers. Each event triggers at most once a
// game.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/SIM_TimeChunkType.h"

class SIM_SpecialEvent : public SIM_TimeChunkType {
 public:
  static constexpr const char* kTableFile = "data/simulation/events.csv";
  // Prerequisite, weight and modifier fields are cut to this many characters.
  static constexpr size_t kMaxFieldText = 127;
  // Checks skipped after a trigger.
  static constexpr int kCooldownChecks = 7;

  struct Weight {
    std::string name;  // a player value (SIM_Vesk::GetValue)
    float weight = 0.0f;
  };

  SIM_SpecialEvent() = default;
  ~SIM_SpecialEvent() override = default;

  // Deletes every event, reads the table and sets the cooldown to 0 (a new game, a load).
  // A missing table leaves no events.
  static void LoadAll(const std::string& file = kTableFile);
  static void DeleteAll();
  // One table row; null when the row has no name.
  static std::unique_ptr<SIM_SpecialEvent> FromRow(const std::string& row);
  static const std::vector<std::unique_ptr<SIM_SpecialEvent>>& All();
  // The first event of that name; none is a fatal error (the name comes from the data).
  static SIM_SpecialEvent* FindByName(const std::string& name);
  // The same, null when there is none (a save that names an event the table lost).
  static SIM_SpecialEvent* TryFind(const std::string& name);

  // Run each time the day's activities open: skips while the cooldown lasts, else triggers
  // the best-scoring event (the earlier one on a tie) when its score reaches the game
  // variable "SPECIAL_EVENT_TRIGGER".
  static void TriggerCheck();
  static int GetCooldown();
  static void SetCooldown(int checks);
  // Whether today's check has run or none is due (a new game's first day): saved, so a load
  // runs the check only where the saved day still had it to come. The day's end clears it.
  static bool IsDayChecked();
  static void SetDayChecked(bool checked);

  // 0 once triggered or while a prerequisite fails; else the sum of weight x player value.
  float GetScore() const;
  // Marks it triggered, sends its ticket as a mail item and starts the cooldown.
  void Trigger();
  // The player goes: one slot, the event's modifiers, the result window. Refused (false)
  // once attended, outside the day's activities or with no slot left, so a ticket opened
  // twice never takes two slots.
  bool Attend();

  bool IsTriggered() const { return triggered_; }
  void SetTriggered(bool triggered) { triggered_ = triggered; }
  bool IsAttended() const { return attended_; }
  // Text keys: the ticket's invitation and the result window's text.
  const std::string& GetInvitationKey() const { return invitationKey_; }
  const std::string& GetResultKey() const { return resultKey_; }
  const std::vector<Weight>& GetWeights() const { return weights_; }
  // "name,weight": texts under 2 characters are ignored.
  void AddWeight(const std::string& text);

 private:
  std::string invitationKey_;
  std::string resultKey_;
  std::vector<Weight> weights_;
  bool triggered_ = false;
  bool attended_ = false;
};

// The player's illness. The state and its days left are kept here, saved and loaded, and read
// by the rest of the game (crime, the work day, invitations, the ambient sounds); the daily
// onset and recovery rules are still to come, so for now only resets, loading and tests change
// them. The daily step records its call.
#pragma once

#include <string>

class SIM_Health {
 public:
  // The illness states.
  static constexpr int kWell = 0;
  static constexpr int kSneezing = 1;  // a cold caught outdoors
  static constexpr int kCoughing = 2;  // from germs
  static constexpr int kStressed = 3;  // ill from stress

  static SIM_Health& Instance();
  SIM_Health(const SIM_Health&) = delete;
  SIM_Health& operator=(const SIM_Health&) = delete;

  void DailyUpdate();
  // New game and loading: the player is well.
  void Reset();
  // The player caught a cold outdoors in the rain.
  void CatchCold();

  int GetState() const { return state_; }
  // A state outside 0..3 (a damaged save) counts as well rather than as an unknown illness.
  void SetState(int state);
  // Days left of a cold or of the illness from stress.
  int GetDuration() const { return duration_; }
  // A negative count (a damaged save) is taken as none.
  void SetDuration(int days) { duration_ = days > 0 ? days : 0; }
  bool IsHealthy() const { return state_ == kWell; }
  // Ill from stress (a state without a sound) or well, with no days counted.
  void SetHealthyForTesting(bool healthy) {
    state_ = healthy ? kWell : kStressed;
    duration_ = 0;
  }

  // The sound of the current state: one of the two sneezes (even chance) while sneezing, the
  // cough while coughing, empty otherwise. The random draw is made only while sneezing.
  std::string PickIllnessSound() const;
  // Plays that sound through the sound manager; nothing when the state has none.
  void PlayIllnessSound() const;

 private:
  SIM_Health() = default;
  int state_ = kWell;
  int duration_ = 0;
};

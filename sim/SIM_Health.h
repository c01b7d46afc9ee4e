// The player's illness and the germs of the home ("glob_germs", 0..1). Germs grow while the
// home's dirt is above one half and fall otherwise; many germs make the player cough, very
// high stress makes the player ill for some days, and a cold is caught outdoors in the rain.
// While ill the player does not work, crime leaves the player alone, and a sneeze or a cough
// is heard now and then.
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

  // The germs' day, then falling ill or getting better.
  void DailyUpdate();
  // New game and loading: the player is well and the home has no germs.
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
  // The hint and the sound of a new illness.
  void FallIll() const;
  int state_ = kWell;
  int duration_ = 0;
};

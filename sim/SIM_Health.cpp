// The player's illness.
#include "sim/SIM_Health.h"

#include "engine/CallTrace.h"
#include "engine/Random.h"
#include "sim/SIM_Sounds.h"

SIM_Health& SIM_Health::Instance() {
  static SIM_Health instance;
  return instance;
}

// STAND-IN: the illness's daily course.
void SIM_Health::DailyUpdate() { TraceCall("SIM_Health::DailyUpdate"); }

void SIM_Health::Reset() {
  state_ = kWell;
  duration_ = 0;
}

// STAND-IN: catching a cold.
void SIM_Health::CatchCold() { TraceCall("SIM_Health::CatchCold"); }

void SIM_Health::SetState(int state) {
  state_ = state >= kWell && state <= kStressed ? state : kWell;
}

std::string SIM_Health::PickIllnessSound() const {
  switch (state_) {
    case kSneezing:
      return RandomChance(0.5f) ? "data/sounds/sneeze1.wav" : "data/sounds/sneeze2.wav";
    case kCoughing:
      return "data/sounds/cough.ogg";
    default:
      return {};
  }
}

void SIM_Health::PlayIllnessSound() const {
  const std::string file = PickIllnessSound();
  if (!file.empty()) SIM_Sounds::PlaySound(file);
}

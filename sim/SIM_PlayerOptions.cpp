// Player options.
#include "sim/SIM_PlayerOptions.h"

SIM_PlayerOptions& SIM_PlayerOptions::Instance() {
  static SIM_PlayerOptions options;
  return options;
}

float SIM_PlayerOptions::GetConfig(int index) const {
  return index >= 0 && index < 5 ? config_[index] : 0.0f;
}

void SIM_PlayerOptions::SetConfig(int index, float value) {
  if (index >= 0 && index < 5) config_[index] = value;
}

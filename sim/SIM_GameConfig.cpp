// The new-game choices.
#include "sim/SIM_GameConfig.h"

#include "engine/DebugLog.h"

SIM_GameConfig& SIM_GameConfig::Instance() {
  static SIM_GameConfig config;
  return config;
}

void SIM_GameConfig::Reset() {
  name_.clear();
  avatar_.clear();
  percent_ = {50, 50, 50, 50};
}

void SIM_GameConfig::Raise(int i) {
  if (i < 0 || i >= kCount) {
    LogWarning("asked for invalid game config var", "SIM_GameConfig", 24);
    return;
  }
  if (percent_[i] >= 100) return;
  int added = 6;
  if (percent_[i] + added > 100) added = 100 - percent_[i];
  // Only what the others can give back may be added, so the sum stays 200.
  int available = 0;
  for (int j = 0; j < kCount; ++j)
    if (j != i) available += percent_[j] / 2 * 2;
  if (added > available) added = available;
  added -= added % 2;
  if (added <= 0) return;
  percent_[i] += added;

  int taken = 0;
  while (taken < added) {
    for (int j = 0; j < kCount && taken < added; ++j) {
      if (j == i || percent_[j] < 2) continue;
      percent_[j] -= 2;
      taken += 2;
    }
  }
}

float SIM_GameConfig::Get(int i) const {
  if (i < 0 || i >= kCount) {
    LogWarning("asked for invalid game config var", "SIM_GameConfig", 68);
    return 0.0f;
  }
  return static_cast<float>(percent_[i]) * 0.01f;
}

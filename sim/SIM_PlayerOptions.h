// The player's own settings. For now only the values the simulation core reads; the options
// file arrives with the simulation root.
#pragma once

class SIM_PlayerOptions {
 public:
  static constexpr int kDifficulty = 2;

  static SIM_PlayerOptions& Instance();
  SIM_PlayerOptions(const SIM_PlayerOptions&) = delete;
  SIM_PlayerOptions& operator=(const SIM_PlayerOptions&) = delete;

  // Config value by index (0 master volume, 1 music volume, 2 difficulty, 3 mouse speed,
  // 4 snowfall); 0 outside 0..4.
  float GetConfig(int index) const;
  void SetConfig(int index, float value);

 private:
  SIM_PlayerOptions() = default;
  float config_[5] = {};
};

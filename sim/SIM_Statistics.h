// Play statistics. For now only the play timer the shell starts.
#pragma once

#include <cstdint>

class SIM_Statistics {
 public:
  static SIM_Statistics& Instance();
  SIM_Statistics(const SIM_Statistics&) = delete;
  SIM_Statistics& operator=(const SIM_Statistics&) = delete;

  void StartPlayTimer();
  bool IsPlayTimerRunning() const { return timerRunning_; }

 private:
  SIM_Statistics() = default;
  bool timerRunning_ = false;
  uint32_t timerStartMs_ = 0;
};

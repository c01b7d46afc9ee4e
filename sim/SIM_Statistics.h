// Play statistics for the yearly review and the end-game screen: 13 integer counters, 6 float
// records, one counter per activity name, and the play time.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/Timer.h"

class SIM_Statistics {
 public:
  static constexpr int kIntCount = 13;
  static constexpr int kFloatCount = 6;

  static SIM_Statistics& Instance();
  SIM_Statistics(const SIM_Statistics&) = delete;
  SIM_Statistics& operator=(const SIM_Statistics&) = delete;

  // Index outside the range: nothing happens.
  void AddInt(int n, int i);
  void AddFloat(float v, int i);
  // The record becomes v when v is larger.
  void SetMaxFloat(float v, int i);
  // 0 for an index outside the range.
  int GetInt(int i) const;
  float GetFloat(int i) const;
  void SetInt(int i, int value);
  void SetFloat(int i, float value);

  void CountActivity(const std::string& name);
  // The most counted activity; the first counted on a tie; "" when none.
  std::string GetFavouriteActivity() const;
  const std::vector<std::pair<std::string, int>>& Activities() const { return activities_; }
  // A loaded game's counters, in their saved order.
  void SetActivities(const std::vector<std::pair<std::string, int>>& activities) {
    activities_ = activities;
  }

  // After the yearly review: activity counters gone, integers 1, 2 and 3 back to 0.
  void ResetYear();
  // New game: every statistic 0 and every counter gone; the play timer is left alone.
  void Reset();

  // Restarts the play time from 0 when the timer is not paused, else resumes it.
  void StartPlayTimer();
  // Brings the play time up to date and pauses it.
  void PausePlayTimer();
  bool IsPlayTimerRunning() const { return !timer_.paused; }
  // Play time in ms.
  double GetPlayTime();
  // A loaded game's play time; the timer keeps its running or paused state.
  void SetPlayTime(double ms);

 private:
  SIM_Statistics() = default;
  std::vector<std::pair<std::string, int>> activities_;
  int ints_[kIntCount] = {};
  float floats_[kFloatCount] = {};
  Timer timer_;
};

// Play statistics for the yearly review and the end-game screen: 13 integer counters, 6 float
// records, one counter per activity name, and the play time.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/Timer.h"

// How the player spent a year, in shares of the year's evening classes, solo activities and
// social evenings (all 0 in a year without any), and the verdict key they give.
struct SIM_YearShares {
  float classes = 0.0f;
  float alone = 0.0f;
  float socialising = 0.0f;
};
SIM_YearShares YearShares(int classes, int solo, int social);
// "YEAR_REVIEW_SUMMARY_SOLITARY" (alone 0.45 or more), "..._SOCIABLE" (socialising 0.45 or
// more), "..._BOOKWORM" (classes 0.3 or more), else "..._WELLBALANCED"; single precision.
const char* YearVerdictKey(const SIM_YearShares& shares);
// The verdict over a whole game of 840 days from its lifetime counts: "ENDGAME_SUMMARY_SOLITARY"
// (solo / 840 at least 0.75), "..._SOCIABLE" (social / 840 at least 0.55), else
// "..._WELLBALANCED".
const char* EndGameVerdictKey(int solo, int social);

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

  // After the yearly review: the year's solo and social counts join the lifetime totals, the
  // Tovel earned so far becomes the next year's starting figure, the activity counters go and
  // integers 1, 2 and 3 are back to 0.
  void ResetYear();
  // The yearly review's continue, on screen or headless: ResetYear, and the play time runs
  // again.
  void CloseYear();

  // Solo activities (integer 2) and social evenings (integer 3) over the whole game: the
  // past years' totals plus this year's counters.
  int GetLifetimeSolo() const { return pastSolo_ + ints_[2]; }
  int GetLifetimeSocial() const { return pastSocial_ + ints_[3]; }
  // The year has ended and its review waits for its continue (a save made meanwhile, as the
  // day's autosave is, opens on the review again when loaded).
  bool IsYearReviewDue() const { return reviewDue_; }
  void SetYearReviewDue(bool due) { reviewDue_ = due; }
  // The Tovel earned this year: the lifetime figure (float 0, which the end-game screen
  // shows) less the figure the year started from.
  float GetYearEarned() const { return floats_[0] - pastEarned_; }
  // The Tovel earned before this year, as a save holds it.
  float GetPastEarned() const { return pastEarned_; }
  void SetPastEarned(float earned) { pastEarned_ = earned; }
  // The past years' totals alone, as a save holds them.
  int GetPastSolo() const { return pastSolo_; }
  int GetPastSocial() const { return pastSocial_; }
  void SetPastTotals(int solo, int social) {
    pastSolo_ = solo;
    pastSocial_ = social;
  }
  // New game: every statistic 0, every counter gone and the play time 0 (the timer keeps its
  // running or paused state).
  void Reset();

  // Restarts the play time from 0 when the timer is not paused, else resumes it.
  void StartPlayTimer();
  // Brings the play time up to date and pauses it.
  void PausePlayTimer();
  bool IsPlayTimerRunning() const { return !timer_.paused; }
  // Play time in ms.
  double GetPlayTime();
  // A loaded game's play time, held paused until the game is entered (StartPlayTimer then
  // counts on from it rather than from 0).
  void SetPlayTime(double ms);

 private:
  SIM_Statistics() = default;
  std::vector<std::pair<std::string, int>> activities_;
  int pastSolo_ = 0;
  int pastSocial_ = 0;
  float pastEarned_ = 0.0f;
  bool reviewDue_ = false;
  int ints_[kIntCount] = {};
  float floats_[kFloatCount] = {};
  Timer timer_;
};

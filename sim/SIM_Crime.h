// Muggings on the way to work and burglaries of the home, each on its own countdown of days.
// When a count runs out the event plays out against the player's defences (fighting skills,
// a car, an alarm, a dog) and leaves its mark on money, standing, mood and small talk.
#pragma once

class SIM_Crime {
 public:
  static SIM_Crime& Instance();
  SIM_Crime(const SIM_Crime&) = delete;
  SIM_Crime& operator=(const SIM_Crime&) = delete;
  virtual ~SIM_Crime() = default;

  // Both counts drawn afresh (new game; a load then sets the saved ones).
  static void ResetTimers();
  // The day's countdown; nothing moves while the player is ill.
  static void DailyUpdate();
  static void Mugging();
  static void Burglary();

  int GetDaysToMugging() const { return daysToMugging_; }
  int GetDaysToBurglary() const { return daysToBurglary_; }
  void SetDaysToMugging(int days) { daysToMugging_ = days; }
  void SetDaysToBurglary(int days) { daysToBurglary_ = days; }

  // Attempts counted this run, whatever their outcome (for the bench).
  static int MuggingsTried();
  static int BurglariesTried();

 private:
  SIM_Crime() = default;
  int daysToMugging_ = 0;
  int daysToBurglary_ = 0;
};

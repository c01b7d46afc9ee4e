// Placeholder for the bowling team until its rules are built; records its daily step.
#pragma once

class SIM_BowlingTeam {
 public:
  static SIM_BowlingTeam& Instance();
  SIM_BowlingTeam(const SIM_BowlingTeam&) = delete;
  SIM_BowlingTeam& operator=(const SIM_BowlingTeam&) = delete;

  void DailyUpdate();

 private:
  SIM_BowlingTeam() = default;
};

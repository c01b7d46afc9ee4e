// Placeholder for the bowling team until its rules are built; records its daily step.
#pragma once

class SIM_BowlingTeam {
 public:
  static SIM_BowlingTeam& Instance();
  SIM_BowlingTeam(const SIM_BowlingTeam&) = delete;
  SIM_BowlingTeam& operator=(const SIM_BowlingTeam&) = delete;

  void DailyUpdate();
  void Reset();
  // Puts up the match-day reminder when one is due.
  void ShowReminder();
  // Whether the player belongs to a team (the portrait shows a bowling ball meanwhile).
  bool IsMember() const { return member_; }
  void SetMember(bool member) { member_ = member; }

 private:
  SIM_BowlingTeam() = default;
  bool member_ = false;
};

// The bowling match, reached through the hook table as "bowlingmatch".
void HookBowlingMatch();

// Bowling: an evening at the alley is a game evening whose match trains the bowling skill. A
// player good at it is invited once to join the team, which plays a weekly match on a fixed
// day (the solo activity "bowlingmatch"): a reminder note and a calendar entry announce it,
// membership lifts confidence, eases loneliness and holds a share of the social standing, and
// a missed match ends it.
#pragma once

#include <string>

#include "sim/SIM_Tovel.h"
#include "sim/SIM_Venues.h"

class SIM_BowlingInstance : public SIM_GameInstance {
 public:
  // The evening (its match through the report), then the invitation for a good player who
  // has never been on the team.
  void Run() override;
};

class SIM_BowlingTeam {
 public:
  static constexpr const char* kMatchType = "bowlingmatch";

  static SIM_BowlingTeam& Instance();
  SIM_BowlingTeam(const SIM_BowlingTeam&) = delete;
  SIM_BowlingTeam& operator=(const SIM_BowlingTeam&) = delete;

  // New game and load: no match day offered, no note, off the team, no membership. Draws
  // no random number (a new game picks the day afterwards, a load restores it).
  void Reset();
  // A random match day for a new game.
  void PickMatchDay();
  // The match is offered on that weekday (0..6) and on no other.
  void EnableMatchDay(int day);
  void Join();
  void Leave();
  // After each used slot and at the start of a day: the note on the match day's last slot,
  // and the calendar entry of the next match.
  void ShowReminder();
  // The date advance: a missed match ends the membership; a member gains confidence and
  // loses loneliness.
  void DailyUpdate();
  // The match was played.
  void MatchPlayed();
  void OpenInvite();
  // A loaded player on the team holds the membership again (no achievement).
  void Restore(int matchDay, bool onTeam, bool beenOnTeam, bool matchDue);

  // Whether the player belongs to the team (the portrait shows a bowling ball meanwhile).
  bool IsMember() const { return onTeam_; }
  bool HasBeenOnTeam() const { return beenOnTeam_; }
  bool IsMatchDue() const { return matchDue_; }
  int GetMatchDay() const { return matchDay_; }
  const std::string& GetMatchTitle() const { return matchTitle_; }
  bool HasMembership() const { return membership_ != nullptr; }

 private:
  SIM_BowlingTeam() = default;
  void DropNote();
  void DropMembership();
  void AddMembership();

  bool onTeam_ = false;
  bool beenOnTeam_ = false;
  int matchDay_ = 0;
  int noteId_ = 0;
  SIM_Tovel::Membership* membership_ = nullptr;
  bool matchDue_ = false;
  std::string matchTitle_;
};

// The bowling match, reached through the hook table as "bowlingmatch".
void HookBowlingMatch();

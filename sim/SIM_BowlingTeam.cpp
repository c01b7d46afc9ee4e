// Bowling evenings and the bowling team.
#include "sim/SIM_BowlingTeam.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Vesk.h"

void SIM_BowlingInstance::Run() {
  SIM_SocialiseInstance::Run();
  SIM_BowlingTeam& team = SIM_BowlingTeam::Instance();
  if (team.IsMember() || team.HasBeenOnTeam()) return;
  if (SIM_Vesk::Instance()->GetValue("bowling") > 0.5f) team.OpenInvite();
}

// The constructor draws no number and touches no table: the team is first asked for at
// unpredictable moments (the portrait's ball), and a new game or a load resets it anyway.
SIM_BowlingTeam& SIM_BowlingTeam::Instance() {
  static SIM_BowlingTeam team;
  return team;
}

void SIM_BowlingTeam::DropNote() {
  if (noteId_ != 0) Screens().DeletePostit(noteId_);
  noteId_ = 0;
}

void SIM_BowlingTeam::DropMembership() {
  if (!membership_) return;
  SIM_Tovel::Instance().RemoveMembership(membership_);
  membership_ = nullptr;
  SIM_Tovel::Instance().RecountMemberships();
}

void SIM_BowlingTeam::AddMembership() {
  DropMembership();
  membership_ = SIM_Tovel::Instance().AddMembership(
      SIM_GlobalVariables::Instance().Get("GV_BOWLINGTEAM_TOVEL"), "bowlingteam");
  // The score counts it from now, not from its next daily step.
  SIM_Tovel::Instance().RecountMemberships();
}

void SIM_BowlingTeam::Reset() {
  if (SIM_SoloActivityType* match = SIM_SoloActivityType::TryFind(kMatchType)) match->ClearDays();
  DropNote();
  matchDue_ = false;
  onTeam_ = false;
  beenOnTeam_ = false;
  DropMembership();
}

void SIM_BowlingTeam::PickMatchDay() { EnableMatchDay(RandomInt() % 7); }

void SIM_BowlingTeam::EnableMatchDay(int day) {
  if (day < 0 || day >= 7) {
    ReportAssertion(false, "SIM_BowlingTeam", __LINE__);
    return;
  }
  matchDay_ = day;
  SIM_SoloActivityType* match = SIM_SoloActivityType::TryFind(kMatchType);
  if (!match) {
    ReportAssertion(false, "SIM_BowlingTeam", __LINE__);
    return;
  }
  // The type lives for the whole run: an earlier game's match day must not stay offered.
  match->ClearDays();
  match->EnableDay(day);
  matchTitle_ = match->GetGuiName();
}

void SIM_BowlingTeam::Join() {
  onTeam_ = true;
  SetGlobalValue("bowlingteam", 1.0f);
  AddMembership();
  beenOnTeam_ = true;
  UnlockAchievement("ACH_JOIN_BOWL");
}

void SIM_BowlingTeam::Leave() {
  onTeam_ = false;
  matchDue_ = false;
  SetGlobalValue("bowlingteam", 0.0f);
  DropMembership();
  DropNote();
  Screens().AddTextureMessage("bowlingteam_leave.bmp", Translate("BOWLING_LEAVE_TEXT"),
                              Translate("BOWLING_LEAVE_TITLE"));
  UnlockAchievement("ACH_LEAVE_BOWL");
}

void SIM_BowlingTeam::ShowReminder() {
  const SIM_Date& today = CurrentDate();
  if (onTeam_ && today.GetDayOfWeek() == matchDay_ && SIM_SIM::Instance().IsLastAct()) {
    if (noteId_ == 0) noteId_ = Screens().AddPostit(Translate("BOWLING_REMINDER"), 2, kMatchType);
    matchDue_ = true;
  } else {
    DropNote();
  }
  SIM_EventCalendar& calendar = SIM_EventCalendar::Instance();
  if (onTeam_) {
    const int ahead = ((matchDay_ - today.GetDayOfWeek()) % 7 + 7) % 7;
    const SIM_Date next = today.DaysLater(ahead);
    calendar.AddEntry(next.GetDay(), next.GetMonth(), next.GetYear(), matchTitle_);
  } else {
    const auto& entries = calendar.Entries();
    const bool listed = std::any_of(entries.begin(), entries.end(),
                                    [this](const auto& e) { return e.text == matchTitle_; });
    if (listed) calendar.RemoveEntries(matchTitle_);
  }
}

void SIM_BowlingTeam::DailyUpdate() {
  if (!onTeam_) return;
  if (CurrentDate().GetDayOfWeek() != matchDay_ && matchDue_) Leave();
  if (!onTeam_) return;
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->ModifyValue("confidence", 0.14f, 0.0f, "bowlingteam");
  player->ModifyValue("loneliness", -0.14f, 0.0f, "bowlingteam");
}

void SIM_BowlingTeam::MatchPlayed() {
  DropNote();
  matchDue_ = false;
  SIM_Sounds::PlaySound("data/sounds/bowling.ogg");
}

void SIM_BowlingTeam::OpenInvite() { Screens().OpenTeamInvite(); }

void SIM_BowlingTeam::Restore(int matchDay, bool onTeam, bool beenOnTeam, bool matchDue) {
  // A day out of range is drawn anew, as a new game's.
  if (matchDay >= 0 && matchDay < 7) {
    EnableMatchDay(matchDay);
  } else {
    LogWarning("Saved bowling day out of range", "SIM_BowlingTeam", __LINE__);
    PickMatchDay();
  }
  onTeam_ = onTeam;
  beenOnTeam_ = beenOnTeam;
  matchDue_ = onTeam && matchDue;
  DropMembership();
  if (onTeam_) AddMembership();
  DropNote();
  if (matchDue_) noteId_ = Screens().AddPostit(Translate("BOWLING_REMINDER"), 2, kMatchType);
}

void HookBowlingMatch() { SIM_BowlingTeam::Instance().MatchPlayed(); }

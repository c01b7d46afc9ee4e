// STAND-IN: the bowling team.
#include "sim/SIM_BowlingTeam.h"

#include "engine/CallTrace.h"

SIM_BowlingTeam& SIM_BowlingTeam::Instance() {
  static SIM_BowlingTeam team;
  return team;
}

void SIM_BowlingTeam::DailyUpdate() { TraceCall("SIM_BowlingTeam::DailyUpdate"); }
void SIM_BowlingTeam::Reset() { TraceCall("SIM_BowlingTeam::Reset"); }
void SIM_BowlingTeam::ShowReminder() { TraceCall("SIM_BowlingTeam::ShowReminder"); }
void HookBowlingMatch() { TraceCall("HookBowlingMatch"); }

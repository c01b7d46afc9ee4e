// Non-player characters placeholder.
#include "sim/SIM_NPC.h"

#include "engine/CallTrace.h"

void SIM_NPC::RefillAllCash() { TraceCall("SIM_NPC::RefillAllCash"); }
void SIM_NPC::ResetAll() { TraceCall("SIM_NPC::ResetAll"); }
void SIM_NPC::DailyAll() { TraceCall("SIM_NPC::DailyAll"); }
void SIM_NPC::ClearInvitedToday() { TraceCall("SIM_NPC::ClearInvitedToday"); }
void SIM_NPC::DeleteAll() { TraceCall("SIM_NPC::DeleteAll"); }

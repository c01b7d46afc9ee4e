// STAND-IN: small talk.
#include "sim/SIM_SmallTalk.h"

#include "engine/CallTrace.h"

void SIM_SmallTalk::Clear() { TraceCall("SIM_SmallTalk::Clear"); }
void SIM_SmallTalk::DailyUpdate() { TraceCall("SIM_SmallTalk::DailyUpdate"); }

// STAND-IN: crime.
#include "sim/SIM_Crime.h"

#include "engine/CallTrace.h"

void SIM_Crime::ResetTimers() { TraceCall("SIM_Crime::ResetTimers"); }
void SIM_Crime::DailyUpdate() { TraceCall("SIM_Crime::DailyUpdate"); }

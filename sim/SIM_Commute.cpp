// STAND-IN: the daily commute.
#include "sim/SIM_Commute.h"

#include "engine/CallTrace.h"

void SIM_Commute::DailyCommute() { TraceCall("SIM_Commute::DailyCommute"); }

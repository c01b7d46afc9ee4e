// SIM_Commute stand-in.
#include "sim/SIM_Commute.h"

#include "engine/CallTrace.h"

void SIM_Commute::DailyCommute() { TraceCall("SIM_Commute::DailyCommute"); }

// STAND-IN: subsidies.
#include "sim/SIM_Subsidies.h"

#include "engine/CallTrace.h"

void SIM_Subsidies::Clear() { TraceCall("SIM_Subsidies::Clear"); }

void SIM_Subsidies::PayFor(int) { TraceCall("SIM_Subsidies::PayFor"); }

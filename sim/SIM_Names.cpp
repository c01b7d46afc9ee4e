// SIM_Names stand-in.
#include "sim/SIM_Names.h"

#include "engine/CallTrace.h"

void SIM_Names::Load() { TraceCall("SIM_Names::Load"); }
void SIM_Names::Clear() { TraceCall("SIM_Names::Clear"); }

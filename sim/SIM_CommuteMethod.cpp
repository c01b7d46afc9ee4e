// SIM_CommuteMethod stand-in.
#include "sim/SIM_CommuteMethod.h"

#include "engine/CallTrace.h"

void SIM_CommuteMethod::DeleteAll() { TraceCall("SIM_CommuteMethod::DeleteAll"); }
void LoadCommuteMethods() { TraceCall("LoadCommuteMethods"); }

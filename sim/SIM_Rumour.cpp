// STAND-IN: rumours.
#include "sim/SIM_Rumour.h"

#include "engine/CallTrace.h"

void SIM_Rumour::DeleteAll() { TraceCall("SIM_Rumour::DeleteAll"); }

// SIM_Rumour stand-in.
#include "sim/SIM_Rumour.h"

#include "engine/CallTrace.h"

void SIM_Rumour::DeleteAll() { TraceCall("SIM_Rumour::DeleteAll"); }

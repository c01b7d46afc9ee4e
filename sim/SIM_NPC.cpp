// Non-player characters placeholder.
#include "sim/SIM_NPC.h"

#include "engine/CallTrace.h"

void SIM_NPC::RefillAllCash() { TraceCall("SIM_NPC::RefillAllCash"); }

// SIM_PortraitDatabase stand-in.
#include "sim/SIM_PortraitDatabase.h"

#include "engine/CallTrace.h"

void SIM_PortraitDatabase::Load() { TraceCall("SIM_PortraitDatabase::Load"); }

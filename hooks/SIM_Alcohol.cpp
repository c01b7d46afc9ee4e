// SIM_Alcohol stand-in.
#include "hooks/SIM_Alcohol.h"

#include "engine/CallTrace.h"

void SIM_Alcohol::DailyUpdate() { TraceCall("SIM_Alcohol::DailyUpdate"); }

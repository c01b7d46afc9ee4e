// STAND-IN: the player's job instance day.
#include "sim/SIM_JobInstance.h"

#include "engine/CallTrace.h"

void SIM_JobInstance::DailyUpdate() { TraceCall("SIM_JobInstance::DailyUpdate"); }

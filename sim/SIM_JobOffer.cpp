// SIM_JobOffer stand-in.
#include "sim/SIM_JobOffer.h"

#include "engine/CallTrace.h"

void SIM_JobOffer::DailyUpdate() { TraceCall("SIM_JobOffer::DailyUpdate"); }

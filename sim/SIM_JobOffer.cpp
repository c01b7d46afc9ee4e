// STAND-IN: job offers.
#include "sim/SIM_JobOffer.h"

#include "engine/CallTrace.h"

void SIM_JobOffer::DailyUpdate() { TraceCall("SIM_JobOffer::DailyUpdate"); }

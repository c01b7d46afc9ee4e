// STAND-IN: entertainment jobs.
#include "sim/SIM_EntertainJob.h"

#include "engine/CallTrace.h"

void SIM_EntertainJob::UpdatePool() { TraceCall("SIM_EntertainJob::UpdatePool"); }

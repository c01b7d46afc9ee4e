// SIM_EntertainJob stand-in.
#include "sim/SIM_EntertainJob.h"

#include "engine/CallTrace.h"

void SIM_EntertainJob::UpdatePool() { TraceCall("SIM_EntertainJob::UpdatePool"); }

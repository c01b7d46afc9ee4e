// SIM_Romance stand-in.
#include "sim/SIM_Romance.h"

#include "engine/CallTrace.h"

void SIM_Romance::Reset() { TraceCall("SIM_Romance::Reset"); }

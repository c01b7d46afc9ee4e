// STAND-IN: industries.
#include "sim/SIM_Industry.h"

#include "engine/CallTrace.h"

void SIM_Industry::ResetGlobalValues() { TraceCall("SIM_Industry::ResetGlobalValues"); }

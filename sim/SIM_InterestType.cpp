// SIM_InterestType stand-in.
#include "sim/SIM_InterestType.h"

#include "engine/CallTrace.h"

void SIM_InterestType::LoadAll() { TraceCall("SIM_InterestType::LoadAll"); }
void SIM_InterestType::DeleteAll() { TraceCall("SIM_InterestType::DeleteAll"); }

// STAND-IN: special events.
#include "sim/SIM_SpecialEvent.h"

#include "engine/CallTrace.h"

void SIM_SpecialEvent::LoadAll() { TraceCall("SIM_SpecialEvent::LoadAll"); }
void SIM_SpecialEvent::DeleteAll() { TraceCall("SIM_SpecialEvent::DeleteAll"); }
void SIM_SpecialEvent::TriggerCheck() { TraceCall("SIM_SpecialEvent::TriggerCheck"); }

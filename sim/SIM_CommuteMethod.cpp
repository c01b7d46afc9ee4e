// STAND-IN: ways of getting to work (the commute methods table).
#include "sim/SIM_CommuteMethod.h"

#include "engine/CallTrace.h"

void SIM_CommuteMethod::DeleteAll() { TraceCall("SIM_CommuteMethod::DeleteAll"); }
void SIM_CommuteMethod::ValidateChoice() { TraceCall("SIM_CommuteMethod::ValidateChoice"); }
void SIM_CommuteMethod::SelectByName(const std::string& name) {
  TraceCall("SIM_CommuteMethod::SelectByName " + name);
}
void LoadCommuteMethods() { TraceCall("LoadCommuteMethods"); }

// STAND-IN: rumours.
#include "sim/SIM_Rumour.h"

#include "engine/CallTrace.h"

void SIM_Rumour::DeleteAll() { TraceCall("SIM_Rumour::DeleteAll"); }

SIM_Rumour* SIM_Rumour::PickRandom() {
  TraceCall("SIM_Rumour::PickRandom");
  return nullptr;
}

std::string SIM_Rumour::TextOf(const SIM_Rumour*) { return ""; }

// STAND-IN: rumours.
#include "sim/SIM_Rumour.h"

#include "engine/CallTrace.h"

void SIM_Rumour::DeleteAll() { TraceCall("SIM_Rumour::DeleteAll"); }

SIM_Rumour* SIM_Rumour::PickRandom() {
  TraceCall("SIM_Rumour::PickRandom");
  return nullptr;
}

std::string SIM_Rumour::TextOf(const SIM_Rumour*) { return ""; }

void SIM_Rumour::Create(const std::string& text, int owner) {
  TraceCall("SIM_Rumour::Create " + std::to_string(owner) + " " + text);
}

void SIM_Rumour::RemoveAllFor(int owner) {
  TraceCall("SIM_Rumour::RemoveAllFor " + std::to_string(owner));
}

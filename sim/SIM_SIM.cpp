// Simulation root.
#include "sim/SIM_SIM.h"

#include "engine/CallTrace.h"
#include "sim/SIM_GlobalVariables.h"

void TraceEvent(const std::string& text) {}

SIM_SIM& SIM_SIM::Instance() {
  static SIM_SIM* sim = new SIM_SIM();  // lives until the process ends
  return *sim;
}

void SIM_SIM::Init() {
  TraceCall("SIM_SIM::Init");
  SIM_GlobalVariables::Instance().Load();
}

void SIM_SIM::NewGame() { TraceCall("SIM_SIM::NewGame"); }

void SIM_SIM::Shutdown() { TraceCall("SIM_SIM::Shutdown"); }

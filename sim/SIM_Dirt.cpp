// STAND-IN: the home's dirt.
#include "sim/SIM_Dirt.h"

#include "engine/CallTrace.h"

SIM_Dirt& SIM_Dirt::Instance() {
  static SIM_Dirt instance;
  return instance;
}

void SIM_Dirt::DailyUpdate() { TraceCall("SIM_Dirt::DailyUpdate"); }
void SIM_Dirt::Reset() { TraceCall("SIM_Dirt::Reset"); }

// SIM_Tovel stand-in.
#include "sim/SIM_Tovel.h"

#include "engine/CallTrace.h"

SIM_Tovel& SIM_Tovel::Instance() {
  static SIM_Tovel tovel;
  return tovel;
}

void SIM_Tovel::Reset() { TraceCall("SIM_Tovel::Reset"); }
void SIM_Tovel::DailyUpdate() { TraceCall("SIM_Tovel::DailyUpdate"); }

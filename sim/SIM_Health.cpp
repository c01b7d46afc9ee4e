// Health placeholder.
#include "sim/SIM_Health.h"

#include "engine/CallTrace.h"

SIM_Health& SIM_Health::Instance() {
  static SIM_Health instance;
  return instance;
}

void SIM_Health::DailyUpdate() { TraceCall("SIM_Health::DailyUpdate"); }

void SIM_Health::Reset() {
  TraceCall("SIM_Health::Reset");
  healthy_ = true;
}
void SIM_Health::CatchCold() { TraceCall("SIM_Health::CatchCold"); }

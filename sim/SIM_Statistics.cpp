// Play statistics.
#include "sim/SIM_Statistics.h"

#include "engine/CallTrace.h"
#include "platform/Clock.h"

SIM_Statistics& SIM_Statistics::Instance() {
  static SIM_Statistics statistics;
  return statistics;
}

void SIM_Statistics::StartPlayTimer() {
  TraceCall("SIM_Statistics::StartPlayTimer");
  timerRunning_ = true;
  timerStartMs_ = plat::TickMs();
}

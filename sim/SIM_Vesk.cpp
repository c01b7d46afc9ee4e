// The player.
#include "sim/SIM_Vesk.h"

#include "engine/CallTrace.h"
#include "engine/Utilities.h"

SIM_Vesk* SIM_Vesk::Instance() {
  static SIM_Vesk player;
  return &player;
}

void SIM_Vesk::ModifyValue(const std::string& name, float amount, float degrade,
                           const std::string& source) {
  TraceCall("SIM_Vesk::ModifyValue " + name + " " + FormatFixed(amount, 3) + " " +
            FormatFixed(degrade, 3) + " " + source);
}

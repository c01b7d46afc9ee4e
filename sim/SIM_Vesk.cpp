// The player.
#include "sim/SIM_Vesk.h"

#include "engine/CallTrace.h"
#include "engine/Utilities.h"
#include "sim/SIM_JobBase.h"

SIM_Vesk* SIM_Vesk::Instance() {
  static SIM_Vesk player;
  return &player;
}

void SIM_Vesk::ModifyValue(const std::string& name, float amount, float degrade,
                           const std::string& source) {
  TraceCall("SIM_Vesk::ModifyValue " + name + " " + FormatFixed(amount, 3) + " " +
            FormatFixed(degrade, 3) + " " + source);
}

float SIM_Vesk::GetValue(const std::string& name) const {
  const auto it = values_.find(name);
  return it == values_.end() ? 0.0f : it->second;
}

void SIM_Vesk::NewGame() {
  TraceCall("SIM_Vesk::NewGame");
  values_.clear();
  job_ = SIM_JobBase::FindByName("waiter_0");
}

void SIM_Vesk::Recalculate() { TraceCall("SIM_Vesk::Recalculate"); }

// STAND-IN: evening classes (only the enrolled list is kept).
#include "sim/HOOK_EveningClassType.h"

#include "engine/CallTrace.h"

void LoadEveningClassTypes() { TraceCall("LoadEveningClassTypes"); }
void RefreshEveningClassReminders() { TraceCall("RefreshEveningClassReminders"); }

std::vector<SIM_SoloActivityType*>& EnrolledEveningClasses() {
  static std::vector<SIM_SoloActivityType*> enrolled;
  return enrolled;
}

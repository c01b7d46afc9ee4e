// STAND-IN: the player's description.
#include "sim/SIM_AvatarDescription.h"

#include "engine/CallTrace.h"

void SIM_AvatarDescription::Rebuild() { TraceCall("SIM_AvatarDescription::Rebuild"); }

const std::string& SIM_AvatarDescription::GetText() {
  static const std::string none;
  return none;
}

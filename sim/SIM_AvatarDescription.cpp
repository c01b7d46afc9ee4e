// STAND-IN: the player's description.
#include "sim/SIM_AvatarDescription.h"

#include "engine/CallTrace.h"

void SIM_AvatarDescription::Rebuild() { TraceCall("SIM_AvatarDescription::Rebuild"); }

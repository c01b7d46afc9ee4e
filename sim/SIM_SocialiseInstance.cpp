// STAND-IN: social outings under way.
#include "sim/SIM_SocialiseInstance.h"

#include "engine/CallTrace.h"

void SIM_SocialiseInstance::DeleteAll() { TraceCall("SIM_SocialiseInstance::DeleteAll"); }

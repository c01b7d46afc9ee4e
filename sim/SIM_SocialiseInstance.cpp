// SIM_SocialiseInstance stand-in.
#include "sim/SIM_SocialiseInstance.h"

#include "engine/CallTrace.h"

void SIM_SocialiseInstance::DeleteAll() { TraceCall("SIM_SocialiseInstance::DeleteAll"); }

// SIM_SocialiseType stand-in.
#include "sim/SIM_SocialiseType.h"

#include "engine/CallTrace.h"

void SIM_SocialiseType::Reload() { TraceCall("SIM_SocialiseType::Reload"); }
void SIM_SocialiseType::DeleteAll() { TraceCall("SIM_SocialiseType::DeleteAll"); }

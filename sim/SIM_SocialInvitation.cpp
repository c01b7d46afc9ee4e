// SIM_SocialInvitation stand-in.
#include "sim/SIM_SocialInvitation.h"

#include "engine/CallTrace.h"

void SIM_SocialInvitation::DeleteAll() { TraceCall("SIM_SocialInvitation::DeleteAll"); }
void SIM_SocialInvitation::LapseAllOpen() { TraceCall("SIM_SocialInvitation::LapseAllOpen"); }

// Royalty streams placeholder.
#include "hooks/SIM_RoyaltyStream.h"

#include "engine/CallTrace.h"

void SIM_RoyaltyStream::PayAll() { TraceCall("SIM_RoyaltyStream::PayAll"); }

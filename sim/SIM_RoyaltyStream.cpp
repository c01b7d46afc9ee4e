// STAND-IN: royalty streams.
#include "sim/SIM_RoyaltyStream.h"

#include "engine/CallTrace.h"

void SIM_RoyaltyStream::PayAll() { TraceCall("SIM_RoyaltyStream::PayAll"); }
void SIM_RoyaltyStream::DeleteAll() { TraceCall("SIM_RoyaltyStream::DeleteAll"); }

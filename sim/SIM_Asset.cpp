// STAND-IN: the player's possessions.
#include "sim/SIM_Asset.h"

#include "engine/CallTrace.h"

void SIM_Asset::DeleteAll() { TraceCall("SIM_Asset::DeleteAll"); }
void SIM_Asset::DailyUpdateAll() { TraceCall("SIM_Asset::DailyUpdateAll"); }
void LoadAssets() { TraceCall("LoadAssets"); }

// SIM_SaveGame stand-in.
#include "sim/SIM_SaveGame.h"

#include "engine/CallTrace.h"

void SIM_SaveGame::Save(const std::string& name) { TraceCall("SIM_SaveGame::Save " + name); }

// SIM_SaveGame stand-in.
#include "sim/SIM_SaveGame.h"

#include "engine/CallTrace.h"

int SIM_SaveGame::NewSLID() {
  static int next = 0;
  return next++;
}

void SIM_SaveGame::Save(const std::string& name) { TraceCall("SIM_SaveGame::Save " + name); }

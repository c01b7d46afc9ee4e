// A save loaded by the game's own load call and saved again, the way the save-fixture test
// and the program that made its expected files both do it: over one new game (an older file
// leaves parts of the day to the running game: the generator, which draws the day's job
// openings, and the standing the restaurants are drawn from), with a play-time clock that
// stands still.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/Random.h"
#include "engine/Timer.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"

namespace testsupport {

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The slot is a file of the save folder. "" when the load fails.
inline std::string LoadAndSaveAgain(const std::string& slot) {
  ManualTimerClock clock;
  SIM_GameConfig::Instance().SetName("Sam Fixture");
  SIM_GameConfig::Instance().SetAvatarName("f_bea.dds");
  SetFixedRandomSeed(4321);
  SIM_SIM::Instance().NewGame();
  SetRandomState(4321);
  if (!SIM_LoadGame::Load(slot)) return "";
  return SIM_SaveGame::BuildText();
}

}  // namespace testsupport

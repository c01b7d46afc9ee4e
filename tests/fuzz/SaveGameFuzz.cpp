// The save-game reader on a file of any bytes: the checking phase (parse, then the names
// checked against the tables) never touches the running game, and a file that passes it is
// applied. A game the reader accepted must play on for a few days (headless, as the bench
// plays) and then save to a file the reader accepts again: a value the checks let through
// that only does harm once the days run shows there.
//
// With TOVEL_FUZZ_MAKE_SEEDS=<folder> the target first writes saves of a fresh game and of
// games played on for a while into the folder (the seeds in tests/fuzz/save/ come from it).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "engine/Random.h"
#include "platform/MessageBox.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SoloActivityType.h"
#include "support/PlayDays.h"

namespace {

using testsupport::PlayDays;

// A few of the day's steps: work, evenings, the post and the daily processes each run.
constexpr int kDaysAfterLoad = 3;

void WriteSeed(const std::string& folder, const std::string& name) {
  std::filesystem::create_directories(folder);
  std::ofstream(std::filesystem::path(folder) / name, std::ios::binary) << SIM_SaveGame::BuildText();
}

void StartWorld() {
  fuzz::UseSourceDirAsWorkingDir();  // the game reads its tables from data/
  plat::SetMessageBoxesEnabled(false);
  std::filesystem::create_directories(fuzz::Folder() + "/user/saves");
  SIM_PlayerOptions::Instance().SetFolder(fuzz::Folder() + "/user");
  SIM_SaveGame::SetFolder(fuzz::Folder() + "/user/saves");
  SetFixedRandomSeed(1234);
  SIM_SIM::Instance().Init();
  SIM_GameConfig::Instance().SetName("Sam Fuzz");
  SIM_GameConfig::Instance().SetAvatarName("m_avatar01.dds");
  SIM_SIM::Instance().NewGame();
  std::atexit([] { SIM_SIM::Instance().Shutdown(); });
  if (const char* seeds = std::getenv("TOVEL_FUZZ_MAKE_SEEDS")) {
    WriteSeed(seeds, "new-game.xml");
    PlayDays(20);
    WriteSeed(seeds, "day-20.xml");
    PlayDays(90);
    WriteSeed(seeds, "day-110.xml");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  static const bool started = (StartWorld(), true);
  (void)started;

  const std::string text(reinterpret_cast<const char*>(data), size);
  SaveGameData record;
  std::string error;
  if (!SIM_LoadGame::Parse(text, record, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  if (!SIM_LoadGame::Check(record, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  SIM_LoadGame::Apply(record);
  PlayDays(kDaysAfterLoad);

  // What the game saves now reads back and passes the checks.
  const std::string saved = SIM_SaveGame::BuildText();
  SaveGameData again;
  if (!SIM_LoadGame::Parse(saved, again, error) || !SIM_LoadGame::Check(again, error)) {
    std::fprintf(stderr, "the game's own save is refused: %s\n", error.c_str());
    FUZZ_CHECK(!"an accepted save, played on, saves to a file the reader refuses");
  }
  return 0;
}

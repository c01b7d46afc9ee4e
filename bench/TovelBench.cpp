// Headless game driver: starts the simulation from the shipped data with a fixed seed, starts
// a new game and plays it day by day the way a player clicking through would: every free slot
// gets a random activity the player can do and afford, then the next day, and every screen
// the day opens is answered with "continue". Prints one "name value" line per figure; a figure
// whose rules are not in the game yet prints "n/a". It doubles as the soak test for crashes
// and leaks over a whole game.
//
//   tovel-bench [--days N] [--seed S] [--save-every N]
//     (defaults: 840 days, ten game years; seed 1; no saving)
//
// With --save-every N the game is saved and loaded every N days, checking on the way that a
// second trip changes nothing: save A, load A, save B, load B, save C, and B must equal C
// (the play time aside). A difference is printed and the run exits 1.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <fstream>
#include <string>
#include <vector>

#include "engine/Random.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SoloActivityType.h"

namespace {

constexpr int kDaysPerYear = 84;

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The peak resident set from the kernel's process status, in kB (0 when unavailable).
long PeakRssKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return 0;
}

// Fills every free slot of the day with a random activity that is offered and affordable.
void PlayTheDay() {
  SIM_SIM& sim = SIM_SIM::Instance();
  while (sim.GetActsLeft() > 0) {
    std::vector<SIM_SoloActivityType*> choices;
    for (const auto& type : SIM_SoloActivityType::All())
      if (type->IsAvailableToday() && type->IsAffordable()) choices.push_back(type.get());
    if (choices.empty()) return;
    choices[RandomBelow(static_cast<int>(choices.size()))]->Start();
  }
}

// What a player clicking "continue" does with the screens a day opens. True when the game
// has ended.
bool AnswerScreens() { return SIM_HeadlessScreens::Instance().AnswerScreens(); }

// The play time runs on between two saves of one state.
std::string MaskPlayTime(const std::string& text) {
  const size_t open = text.find("<elapsed>");
  const size_t close = text.find("</elapsed>", open);
  if (open == std::string::npos || close == std::string::npos) return text;
  return text.substr(0, open) + "<elapsed>*" + text.substr(close);
}

std::string SaveAndRead(const std::string& slot) {
  std::string text;
  if (!SIM_SaveGame::Save(slot) || !plat::ReadFileBytes(SIM_SaveGame::PathFor(slot), text))
    return "";
  return text;
}

// Save A, load A, save B, load B, save C: true when B and C are the same save.
bool SaveLoadTrip(int day) {
  const std::string a = SaveAndRead("bench_a");
  if (a.empty() || !SIM_LoadGame::Load("bench_a")) {
    std::fprintf(stderr, "day %d: save or load of A failed\n", day);
    return false;
  }
  const std::string b = SaveAndRead("bench_b");
  if (b.empty() || !SIM_LoadGame::Load("bench_b")) {
    std::fprintf(stderr, "day %d: save or load of B failed\n", day);
    return false;
  }
  const std::string c = SaveAndRead("bench_c");
  if (MaskPlayTime(b) != MaskPlayTime(c)) {
    std::fprintf(stderr, "day %d: the second trip changed the save\n--- B\n%s--- C\n%s", day,
                 b.c_str(), c.c_str());
    return false;
  }
  return true;
}

std::string Average(double total, int count) {
  return count > 0 ? FormatFixed(total / count, 3) : "n/a";
}

}  // namespace

int main(int argc, char** argv) {
  int days = 840;
  unsigned long seed = 1;
  int saveEvery = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--days") == 0 && i + 1 < argc) {
      days = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      seed = std::strtoul(argv[++i], nullptr, 10);
    } else if (std::strcmp(argv[i], "--save-every") == 0 && i + 1 < argc) {
      saveEvery = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--days N] [--seed S] [--save-every N]\n", argv[0]);
      return 2;
    }
  }

  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  plat::SetMessageBoxesEnabled(false);
  plat::ChangeDirectory(TOVEL_SOURCE_DIR);
  // The player options go to a folder of the bench's own, never the player's.
  // A folder of this run's own, so runs side by side never share (or overwrite) saves.
  const std::filesystem::path home =
      std::filesystem::temp_directory_path() /
      ("tovel-bench-home-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(home);
  SIM_PlayerOptions::Instance().SetFolder(home.string());
  // Saves likewise.
  std::filesystem::create_directories(home / "savegames");
  SIM_SaveGame::SetFolder((home / "savegames").string());

  SetFixedRandomSeed(static_cast<uint32_t>(seed));
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.Init();
  // What the new-game screen would have chosen: a name and a male avatar.
  SIM_GameConfig::Instance().SetName("Sam Bench");
  SIM_GameConfig::Instance().SetAvatarName("m_avatar01.dds");
  sim.NewGame();

  const auto start = Clock::now();
  double firstYearUs = 0.0, lastYearUs = 0.0;
  std::vector<double> dayUs;
  int played = 0;
  bool over = false;
  int saveTrips = 0;
  double saveUs = 0.0;
  SIM_Relationship::ResetFriendsLost();
  int friendsMax = SIM_Vesk::Instance()->CountFriends();
  while (played < days && !over) {
    const auto dayStart = Clock::now();
    PlayTheDay();
    sim.NextDay();
    over = AnswerScreens();
    dayUs.push_back(MicrosecondsSince(dayStart));
    friendsMax = std::max(friendsMax, SIM_Vesk::Instance()->CountFriends());
    ++played;
    if (saveEvery > 0 && played % saveEvery == 0) {
      const auto tripStart = Clock::now();
      if (!SaveLoadTrip(played)) {
        sim.Shutdown();
        return 1;
      }
      saveUs += MicrosecondsSince(tripStart);
      ++saveTrips;
    }
  }
  const double totalUs = MicrosecondsSince(start);

  const int firstCount = std::min(played, kDaysPerYear);
  for (int i = 0; i < firstCount; ++i) firstYearUs += dayUs[i];
  const int lastCount = std::min(played, kDaysPerYear);
  for (int i = played - lastCount; i < played; ++i) lastYearUs += dayUs[i];

  std::printf("days %d\n", played);
  std::printf("ms_total %s\n", FormatFixed(totalUs / 1000.0, 3).c_str());
  std::printf("us_per_day %s\n", Average(totalUs, played).c_str());
  std::printf("us_per_day_first_year %s\n", Average(firstYearUs, firstCount).c_str());
  std::printf("us_per_day_last_year %s\n", Average(lastYearUs, lastCount).c_str());
  std::printf("peak_rss_kb %ld\n", PeakRssKb());
  std::printf("yearly_reviews %d\n", SIM_HeadlessScreens::Instance().YearlyReviewsShown());
  std::printf("game_over %d\n", sim.IsGameOver() ? 1 : 0);
  std::printf("cash %s\n", FormatFixed(SIM_Finances::Instance().GetCash(), 2).c_str());
  std::printf("npcs %zu\n", SIM_NPC::All().size());
  std::printf("friends %d\n", SIM_Vesk::Instance()->CountFriends());
  std::printf("friends_max %d\n", friendsMax);
  std::printf("friends_lost %d\n", SIM_Relationship::GetFriendsLost());
  std::printf("relationships %zu\n", SIM_Relationship::CountActive());
  std::printf("tovel %s\n", FormatFixed(SIM_Tovel::Instance().GetTotal(), 2).c_str());
  std::printf("happiness %s\n", FormatFixed(SIM_Vesk::Instance()->GetValue("happiness"), 3).c_str());
  // Not in the game yet: jobs.
  std::printf("job n/a\n");
  if (saveEvery > 0) {
    std::printf("save_trips %d\n", saveTrips);
    std::printf("us_per_save_trip %s\n", Average(saveUs, saveTrips).c_str());
  }

  sim.Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return 0;
}

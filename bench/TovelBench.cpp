// Headless game driver: starts the simulation from the shipped data with a fixed seed, starts
// a new game and plays it day by day the way a player clicking through would: every free slot
// gets a random activity the player can do and afford, then the next day, and every screen
// the day opens is answered with "continue". Prints one "name value" line per figure; a figure
// whose rules are not in the game yet prints "n/a". It doubles as the soak test for crashes
// and leaks over a whole game.
//
//   tovel-bench [--days N] [--seed S]     (defaults: 840 days, ten game years; seed 1)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/Random.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "engine/Utilities.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
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
bool AnswerScreens() {
  if (GUI_YearlyReview::Instance()->IsOpen()) GUI_YearlyReview::Instance()->Close();
  if (GUI_WorkDay::Instance()->IsOpen()) GUI_WorkDay::Instance()->Close();
  return GUI_EndGame::Instance()->IsOpen();
}

std::string Average(double total, int count) {
  return count > 0 ? FormatFixed(total / count, 3) : "n/a";
}

}  // namespace

int main(int argc, char** argv) {
  int days = 840;
  unsigned long seed = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--days") == 0 && i + 1 < argc) {
      days = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      seed = std::strtoul(argv[++i], nullptr, 10);
    } else {
      std::fprintf(stderr, "usage: %s [--days N] [--seed S]\n", argv[0]);
      return 2;
    }
  }

  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  plat::SetMessageBoxesEnabled(false);
  plat::ChangeDirectory(TOVEL_SOURCE_DIR);
  // The player options go to a folder of the bench's own, never the player's.
  const std::filesystem::path home = std::filesystem::temp_directory_path() / "tovel-bench-home";
  std::filesystem::create_directories(home);
  SIM_PlayerOptions::Instance().SetFolder(home.string());

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
  std::printf("yearly_reviews %d\n", GUI_YearlyReview::Instance()->TimesShown());
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

  sim.Shutdown();
  return 0;
}

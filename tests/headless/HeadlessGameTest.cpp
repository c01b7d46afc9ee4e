// The simulation on its own: this program links the simulation, the engine's core and the
// platform's core only, so a simulation that reached for a screen, the renderer or the
// application would not link. It plays a seeded game with the headless screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_WebTV.h"
#include "support/PlayDays.h"

namespace {

TEST(HeadlessGameTest, ASeededGamePlaysFourHundredDaysWithoutScreens) {
  // A folder of this run's own: runs side by side (other build folders) never share it.
  const std::filesystem::path home =
      std::filesystem::temp_directory_path() /
      ("tovel-headless-game-test-" + std::to_string(std::random_device{}()));
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home / "savegames");
  SIM_PlayerOptions::Instance().SetFolder(home.string());
  SIM_SaveGame::SetFolder((home / "savegames").string());

  SetFixedRandomSeed(7);
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.Init();
  SIM_GameConfig::Instance().SetName("Robin Headless");
  SIM_GameConfig::Instance().SetAvatarName("f_avatar01.dds");
  sim.NewGame();
  ASSERT_EQ(&Screens(), &SIM_HeadlessScreens::Instance());
  const int firstNewcomer = SIM_SaveGame::GetNextSLID();
  SIM_Relationship::ResetFriendsLost();

  // People come and go: a player who loses the last friend loses the friends' friends with
  // them, and then meets new people soon (the chance of meeting someone doubles and no longer
  // waits for a good mood). The world is never empty for long.
  int emptyDays = 0, longestEmpty = 0, peopleDays = 0;
  for (int day = 0; day < 400; ++day) {
    testsupport::PlayDays(1);
    emptyDays = SIM_NPC::All().empty() ? emptyDays + 1 : 0;
    longestEmpty = std::max(longestEmpty, emptyDays);
    if (!SIM_NPC::All().empty()) ++peopleDays;
  }
  // 400 days are almost five years: the reviews came, the game has not ended, and the day
  // cycle still hands out slots.
  EXPECT_EQ(SIM_HeadlessScreens::Instance().YearlyReviewsShown(), 4);
  EXPECT_FALSE(sim.IsGameOver());
  EXPECT_LE(longestEmpty, 30);
  EXPECT_GT(peopleDays, 300);
  // People came (new characters were made) and went (friends were lost; a lost last friend
  // takes the whole circle with them).
  EXPECT_GT(SIM_SaveGame::GetNextSLID(), firstNewcomer);
  EXPECT_GT(SIM_Relationship::GetFriendsLost(), 0);
  EXPECT_GE(sim.GetActsLeft(), 0);
  EXPECT_GE(SIM_Tovel::Instance().GetTotal(), 0.0f);
  // The TV was watched through its window, and every window the hooks asked for was answered.
  EXPECT_GT(SIM_Statistics::Instance().GetInt(kStatTVWatched), 0);
  EXPECT_EQ(SIM_HeadlessScreens::Instance().OpenWindows(), 0);
  EXPECT_TRUE(std::filesystem::exists(home / "savegames" / "autosave.xml") ||
              !SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableAutosave));
  sim.Shutdown();
  std::filesystem::remove_all(home);
}

}  // namespace

int main(int argc, char** argv) {
  plat::SetMessageBoxesEnabled(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

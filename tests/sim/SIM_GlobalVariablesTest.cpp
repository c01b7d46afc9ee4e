// Game variables and the new-game percentages.
#include <gtest/gtest.h>

#include "sim/SIM_GameConfig.h"
#include "sim/SIM_GlobalVariables.h"
#include "support/TestSupport.h"

using testsupport::FatalCatcher;
using testsupport::FatalStop;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class GlobalVariablesTest : public ::testing::Test {
 protected:
  void Load(const std::string& text) {
    WriteFile(file, text);
    SIM_GlobalVariables::Instance().Load(file);
  }
  TempDir dir;
  std::string file = (dir.Path() / "config.txt").string();
};

TEST_F(GlobalVariablesTest, ReadsPairsInFileOrderFirstNameWins) {
  Load("[other]\nGV_A=9\n[config]\r\nGV_A=1.5\r\nGV_B=  -2.25x\r\nGV_A=7\r\nGV_C=abc\r\n[next]\nGV_D=1\n");
  auto& gv = SIM_GlobalVariables::Instance();
  EXPECT_EQ(gv.Count(), 4u);
  EXPECT_FLOAT_EQ(gv.Get("GV_A"), 1.5f);
  EXPECT_FLOAT_EQ(gv.Get("GV_B"), -2.25f);
  EXPECT_FLOAT_EQ(gv.Get("GV_C"), 0.0f);  // not a number
  EXPECT_FALSE(gv.Has("GV_D"));
  EXPECT_FALSE(gv.Has("gv_a"));  // names are case-sensitive
}

TEST_F(GlobalVariablesTest, BlankBeforeEqualsAndCommentLinesDoNotLoseVariables) {
  Load("[config]\nGV_X = 1\nthis line explains the next one\nGV_Y=2\n// GV_Z=3\nGV_W=4\n");
  auto& gv = SIM_GlobalVariables::Instance();
  FatalCatcher catcher;
  EXPECT_FLOAT_EQ(gv.Get("GV_X"), 1.0f);
  EXPECT_FLOAT_EQ(gv.Get("GV_Y"), 2.0f);
  EXPECT_FLOAT_EQ(gv.Get("GV_W"), 4.0f);
  EXPECT_FALSE(gv.Has("this line explains the next one"));
  EXPECT_FALSE(gv.Has("// GV_Z"));
  EXPECT_EQ(gv.Count(), 3u);
}

TEST_F(GlobalVariablesTest, ValuesAreCutAtThirtyCharacters) {
  Load("[config]\nGV_LONG=1234567890123456789012345678901234\n");
  // Only the first 30 digits are read.
  EXPECT_FLOAT_EQ(SIM_GlobalVariables::Instance().Get("GV_LONG"), 1.23456789e29f);
}

TEST_F(GlobalVariablesTest, MissingNameOrMissingFileIsFatal) {
  SIM_GlobalVariables::Instance().Load((dir.Path() / "absent.txt").string());
  EXPECT_EQ(SIM_GlobalVariables::Instance().Count(), 0u);
  FatalCatcher catcher;
  try {
    SIM_GlobalVariables::Instance().Get("GV_STARTINGCASH");
    FAIL() << "a missing variable must stop";
  } catch (const FatalStop& stop) {
    EXPECT_NE(stop.text.find("Missing Global variable"), std::string::npos);
  }
}

class GameConfigTest : public ::testing::Test {
 protected:
  void SetUp() override { SIM_GameConfig::Instance().Reset(); }
  // The next new game must not start from this test's percentages.
  void TearDown() override { SIM_GameConfig::Instance().Reset(); }
  SIM_GameConfig& config = SIM_GameConfig::Instance();
  void Expect(int a, int b, int c, int d) {
    EXPECT_EQ(config.GetPercent(0), a);
    EXPECT_EQ(config.GetPercent(1), b);
    EXPECT_EQ(config.GetPercent(2), c);
    EXPECT_EQ(config.GetPercent(3), d);
    EXPECT_EQ(a + b + c + d, 200);
  }
};

TEST_F(GameConfigTest, RaiseTakesTwoFromEachOther) {
  config.Raise(0);
  Expect(56, 48, 48, 48);
  EXPECT_FLOAT_EQ(config.Get(0), 0.56f);
}

TEST_F(GameConfigTest, RaiseNearTheTopTakesOnlyWhatWasAdded) {
  for (int k = 0; k < 7; ++k) config.Raise(2);  // 50 + 42 = 92
  Expect(36, 36, 92, 36);
  config.Raise(2);  // 92 -> 98: 6 points
  Expect(34, 34, 98, 34);
  config.Raise(2);  // 98 -> 100: 2 points, from index 0 only
  Expect(32, 34, 100, 34);
  config.Raise(2);  // at 100 nothing changes
  Expect(32, 34, 100, 34);
  EXPECT_FLOAT_EQ(config.Get(2), 1.0f);
}

TEST_F(GameConfigTest, FromNinetySixTakesFourFromTheFirstTwo) {
  // Reach 96 on index 1 with others uneven: raise 1 until 92, then 3 twice for shape.
  for (int k = 0; k < 7; ++k) config.Raise(1);  // 92, others 36
  config.Raise(0);                              // 42, 90, 34, 34
  Expect(42, 90, 34, 34);
  config.Raise(1);  // 96: 6 points, 2 from each of 0, 2, 3
  Expect(40, 96, 32, 32);
  config.Raise(1);  // 100: 4 points, from 0 and 2
  Expect(38, 100, 30, 32);
}

TEST_F(GameConfigTest, OthersNeverGoNegativeAndBadIndexesAreIgnored) {
  for (int k = 0; k < 40; ++k) config.Raise(k % 2);
  for (int i = 0; i < 4; ++i) EXPECT_GE(config.GetPercent(i), 0);
  int sum = 0;
  for (int i = 0; i < 4; ++i) sum += config.GetPercent(i);
  EXPECT_EQ(sum, 200);
  config.Reset();
  config.Raise(-1);
  config.Raise(4);
  Expect(50, 50, 50, 50);
  EXPECT_FLOAT_EQ(config.Get(-1), 0.0f);
  EXPECT_FLOAT_EQ(config.Get(4), 0.0f);
}

}  // namespace

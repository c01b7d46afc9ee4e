// Weather, money, cheats, statistics and boredom.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/CallTrace.h"
#include "engine/ProcessBase.h"
#include "engine/Random.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Weather.h"
#include "sim/SIM_Tovel.h"
#include "support/TestSupport.h"
#include "SimTestWorld.h"

using testsupport::FatalCatcher;
using testsupport::FatalStop;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::string Table(const std::string& row, int count) {
  std::string text = "Columns: #,month,sun,cloud,rain,snow\n";
  for (int i = 0; i < count; ++i) text += row + "\n";
  return text;
}

class WeatherTest : public ::testing::Test {
 protected:
  void Load(const std::string& text) {
    WriteFile(file, text);
    SIM_Weather::Instance().Load(file);
  }
  TempDir dir;
  std::string file = (dir.Path() / "weather.csv").string();
};

TEST_F(WeatherTest, DrawPicksTheFirstKindWhoseRunningShareExceedsIt) {
  Load(Table("#,m,0.5,0.3,0.2,0", 12));
  const SIM_Weather& w = SIM_Weather::Instance();
  EXPECT_EQ(w.PickKind(4, 0.0f), WEATHER_SUN);
  EXPECT_EQ(w.PickKind(4, 0.4999f), WEATHER_SUN);
  EXPECT_EQ(w.PickKind(4, 0.5f), WEATHER_CLOUD);
  EXPECT_EQ(w.PickKind(4, 0.7999f), WEATHER_CLOUD);
  EXPECT_EQ(w.PickKind(4, 0.8f), WEATHER_RAIN);
  EXPECT_EQ(w.PickKind(4, 0.9999f), WEATHER_RAIN);
  EXPECT_EQ(w.PickKind(4, 1.0f), WEATHER_RAIN);  // never snow, and never a stop
}

TEST_F(WeatherTest, RowSummingJustUnderOneInFloatNeverStopsTheGame) {
  Load(Table("#,m,0.45,0.35,0.15,0.05", 12));
  FatalCatcher catcher;
  EXPECT_EQ(SIM_Weather::Instance().PickKind(0, 1.0f), WEATHER_SNOW);
}

TEST_F(WeatherTest, ExtraRowsAreIgnoredAndBadTablesStopAtLoad) {
  Load(Table("#,m,1,0,0,0", 12) + "#,extra,0,0,0,1\n#,more,0,0,1,0\n");
  EXPECT_FLOAT_EQ(SIM_Weather::Instance().GetShare(11, WEATHER_SUN), 1.0f);
  FatalCatcher catcher;
  EXPECT_THROW(Load(Table("#,m,1,0,0,0", 11)), FatalStop);
  EXPECT_THROW(Load(Table("#,m,0.5,0.2,0,0", 12)), FatalStop);
  EXPECT_THROW(SIM_Weather::Instance().Load((dir.Path() / "none.csv").string()), FatalStop);
  // A line longer than any fixed buffer keeps its tail.
  Load(Table("#," + std::string(2000, 'x') + ",0,0,0.25,0.75", 12));
  EXPECT_FLOAT_EQ(SIM_Weather::Instance().GetShare(3, WEATHER_SNOW), 0.75f);
}

TEST_F(WeatherTest, SharesThatAreNoNumbersStopAtLoad) {
  // Found by fuzzing: a share of "nan" made the row's sum NaN, which passed the check, and
  // the month then had no weather at all. Shares beyond the float range are no better.
  FatalCatcher catcher;
  const std::string good = Table("#,m,1,0,0,0", 11);
  EXPECT_THROW(Load(good + "#,m,nan,0,0,0\n"), FatalStop);
  Load(good + "#,m,1,nan,0,0\n");  // the word reads 0, as any text that is no number
  EXPECT_EQ(SIM_Weather::Instance().GetShare(11, WEATHER_CLOUD), 0.0f);
  EXPECT_THROW(Load(good + "#,m,1e39,-1e39,1,0\n"), FatalStop);
  EXPECT_THROW(Load(good + "#,m,inf,0,0,0\n"), FatalStop);
  Load(good + "#,m,0,0,0,1\n");
  EXPECT_EQ(SIM_Weather::Instance().PickKind(11, 0.5f), WEATHER_SNOW);
}

TEST_F(WeatherTest, RolledWeatherHoldsOneToFourDaysWithOneIntensity) {
  Load(Table("#,m,0.25,0.25,0.25,0.25", 12));
  GlobalNamedValues().Clear();
  SeedRandom(1234);
  SIM_Weather& w = SIM_Weather::Instance();
  w.SetDaysToChange(0);
  int rolls = 0;
  for (int day = 0; day < 400; ++day) {
    const int before = w.GetDaysToChange();
    w.DailyUpdate();
    if (before - 1 > 0) {
      EXPECT_EQ(w.GetDaysToChange(), before - 1);
      continue;
    }
    ++rolls;
    EXPECT_GE(w.GetDaysToChange(), 1);
    EXPECT_LE(w.GetDaysToChange(), 4);
    int nonZero = 0;
    for (int k = 0; k < 4; ++k) {
      if (w.GetIntensity(k) != 0.0f) {
        ++nonZero;
        EXPECT_EQ(k, w.GetType());
        EXPECT_GE(w.GetIntensity(k), 0.1f);
        EXPECT_LE(w.GetIntensity(k), 1.0f);
      }
    }
    EXPECT_EQ(nonZero, 1);
    EXPECT_FLOAT_EQ(GlobalNamedValues().GetValue("weather_sun"), w.GetIntensity(WEATHER_SUN));
    EXPECT_FLOAT_EQ(GlobalNamedValues().GetValue("weather_snow"), w.GetIntensity(WEATHER_SNOW));
  }
  EXPECT_GT(rolls, 80);
  EXPECT_LT(rolls, 400);
  EXPECT_FLOAT_EQ(w.GetIntensity(4), 0.0f);
  EXPECT_FLOAT_EQ(w.GetIntensity(-1), 0.0f);
  GlobalNamedValues().Clear();
}

TEST(FinancesTest, SpendEarnAndStartingCash) {
  SIM_Statistics::Instance().Reset();
  SIM_Finances& money = SIM_Finances::Instance();
  money.SetCash(100.0f);
  money.Spend(250.0f);
  EXPECT_FLOAT_EQ(money.GetCash(), -150.0f);
  money.Earn(400.0f);
  EXPECT_FLOAT_EQ(money.GetCash(), 250.0f);
  EXPECT_FLOAT_EQ(SIM_Statistics::Instance().GetFloat(4), 250.0f);
  money.Spend(200.0f);
  money.Earn(10.0f);
  EXPECT_FLOAT_EQ(SIM_Statistics::Instance().GetFloat(4), 250.0f);  // highest kept

  TempDir dir;
  WriteFile(dir.Path() / "config.txt", "[config]\nGV_STARTINGCASH=1000\n");
  SIM_GlobalVariables::Instance().Load((dir.Path() / "config.txt").string());
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.0f);
  money.NewGameCash();
  EXPECT_FLOAT_EQ(money.GetCash(), 1000.0f);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 1.0f);
  money.NewGameCash();
  EXPECT_FLOAT_EQ(money.GetCash(), 0.0f);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.0f);
}

using CheatsTest = SimWorldTest;

TEST_F(CheatsTest, EachRowChangesAPlayerValue) {
  TempDir files;
  WriteFile(files.Path() / "cheats.txt", "name,amount\n#,happiness,0.3\n#,tovel,50\n");
  const float standing = SIM_Tovel::Instance().GetComponent(1);
  LoadCheats((files.Path() / "cheats.txt").string().c_str());
  const std::vector<const SIM_Effect*> happiness = PlayerEffects("happiness", "cheat");
  ASSERT_EQ(happiness.size(), 1u);
  EXPECT_FLOAT_EQ(happiness[0]->GetAmount(), 0.3f);
  EXPECT_FLOAT_EQ(happiness[0]->GetDegrade(), 1.0f);
  EXPECT_FLOAT_EQ(SIM_Tovel::Instance().GetComponent(1), standing + 50.0f);
  ClearTracedCalls();
  LoadCheats((files.Path() / "absent.txt").string().c_str());
  EXPECT_TRUE(TracedCalls().empty());
  EXPECT_EQ(PlayerEffects("happiness", "cheat").size(), 1u);
  EXPECT_FLOAT_EQ(SIM_Tovel::Instance().GetComponent(1), standing + 50.0f);
}

TEST_F(CheatsTest, AmountsOutOfRangeAreLeftOut) {
  // Found by fuzzing: two rows of 3e38 made the standing infinite.
  TempDir files;
  WriteFile(files.Path() / "cheats.txt",
            "#,tovel,3e38\n#,tovel,3e38\n#,tovel,-1000\n#,tovel,999.5\n"
            "#,happiness,1000\n#,happiness,-1e60\n#,happiness,0.2\n");
  const float standing = SIM_Tovel::Instance().GetComponent(1);
  LoadCheats((files.Path() / "cheats.txt").string().c_str());
  EXPECT_FLOAT_EQ(SIM_Tovel::Instance().GetComponent(1), standing + 999.5f);
  const std::vector<const SIM_Effect*> happiness = PlayerEffects("happiness", "cheat");
  ASSERT_EQ(happiness.size(), 1u);
  EXPECT_FLOAT_EQ(happiness[0]->GetAmount(), 0.2f);
}

TEST(StatisticsTest, FavouriteActivityFirstCountedWinsTies) {
  SIM_Statistics& s = SIM_Statistics::Instance();
  s.Reset();
  EXPECT_EQ(s.GetFavouriteActivity(), "");
  s.CountActivity("read");
  s.CountActivity("read");
  s.CountActivity("gym");
  EXPECT_EQ(s.GetFavouriteActivity(), "read");
  s.CountActivity("gym");
  EXPECT_EQ(s.GetFavouriteActivity(), "read");  // tied: the first counted
  s.CountActivity("gym");
  EXPECT_EQ(s.GetFavouriteActivity(), "gym");
}

TEST(StatisticsTest, ResetYearKeepsTheLongTermCountersAndIndexesAreChecked) {
  SIM_Statistics& s = SIM_Statistics::Instance();
  s.Reset();
  for (int i = 0; i < SIM_Statistics::kIntCount; ++i) s.AddInt(i + 1, i);
  s.AddInt(5, -1);
  s.AddInt(5, 13);
  s.AddFloat(2.0f, 6);
  s.SetMaxFloat(2.0f, -3);
  s.CountActivity("read");
  s.ResetYear();
  for (int i = 0; i < SIM_Statistics::kIntCount; ++i)
    EXPECT_EQ(s.GetInt(i), (i >= 1 && i <= 3) ? 0 : i + 1) << i;
  EXPECT_EQ(s.GetFavouriteActivity(), "");
  s.SetMaxFloat(5.0f, 1);
  s.SetMaxFloat(3.0f, 1);
  EXPECT_FLOAT_EQ(s.GetFloat(1), 5.0f);
  s.AddFloat(1.5f, 0);
  s.AddFloat(1.5f, 0);
  EXPECT_FLOAT_EQ(s.GetFloat(0), 3.0f);
  s.Reset();
  EXPECT_EQ(s.GetInt(0), 0);
  EXPECT_FLOAT_EQ(s.GetFloat(1), 0.0f);
}

TEST(StatisticsTest, PlayTimerPausesAndResumes) {
  ManualTimerClock clock;
  SIM_Statistics& s = SIM_Statistics::Instance();
  // An earlier game may have left the timer paused: the first start resumes it, the second
  // starts it from 0.
  s.StartPlayTimer();
  s.StartPlayTimer();
  clock.Advance(1000);
  s.PausePlayTimer();
  clock.Advance(5000);  // not counted while paused
  EXPECT_NEAR(s.GetPlayTime(), 1000.0, 1.0);
  s.StartPlayTimer();  // paused: resumes
  clock.Advance(500);
  EXPECT_NEAR(s.GetPlayTime(), 1500.0, 1.0);
  s.StartPlayTimer();  // running: from 0 again
  clock.Advance(200);
  EXPECT_NEAR(s.GetPlayTime(), 200.0, 1.0);
}

TEST(BoredomTest, WearsOffByDifficultyAndSmallItemsGo) {
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.0f);
  SIM_Boredom* boredom = new SIM_Boredom;
  boredom->AddBoredom("tv", 0.12f);
  boredom->AddBoredom("gym", 0.5f);
  boredom->AddBoredom("gym", 0.3f);
  EXPECT_FLOAT_EQ(boredom->GetBoredom("gym"), 0.8f);
  ProcessBase::ProcessAll();
  EXPECT_NEAR(boredom->GetBoredom("tv"), 0.07f, 1e-6);
  ProcessBase::ProcessAll();
  EXPECT_EQ(boredom->Items().size(), 1u);  // 0.02 is below 0.05: gone
  EXPECT_FLOAT_EQ(boredom->GetBoredom("tv"), 0.0f);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 1.0f);
  ProcessBase::ProcessAll();
  EXPECT_NEAR(boredom->GetBoredom("gym"), 0.8f - 0.1f - 0.15f, 1e-5);
  boredom->Clear();
  EXPECT_TRUE(boredom->Items().empty());
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.0f);
  delete boredom;
}

}  // namespace

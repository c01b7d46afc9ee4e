// Possessions, the commute, crime, dirt, germs and illness, in a started game of the shipped
// data (a small table of its own where the test needs exact rows).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/CallTrace.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_Commute.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Crime.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Dirt.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_SaveGame.h"
#include "SaveGameTestSupport.h"
#include "SimTestWorld.h"

namespace {

int Count(const std::string& call) {
  const auto& calls = TracedCalls();
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

float Global(const char* name) {
  const SIM_NamedValue* value = GlobalNamedValues().Find(name);
  return value ? value->GetValue() : 0.0f;
}

void SetGlobal(const char* name, float value) {
  if (SIM_NamedValue* v = GlobalNamedValues().Find(name)) {
    v->SetValue(value);
  } else {
    GlobalNamedValues().Add(new SIM_NamedValue(name, name, value));
  }
}

float Cash() { return SIM_Finances::Instance().GetCash(); }
void SetCash(float cash) { SIM_Finances::Instance().SetCash(cash); }

bool Contains(const std::vector<SIM_Asset*>& list, const SIM_Asset* asset) {
  return std::find(list.begin(), list.end(), asset) != list.end();
}

// An asset that sells itself (and another) in its daily update, as a pet that runs away
// would leave the owned list in the middle of the day's walk.
class LeavingAsset : public SIM_Asset {
 public:
  SIM_Asset* alsoTakes = nullptr;
  int days = 0;
  void DailyUpdate() override {
    ++days;
    if (alsoTakes && alsoTakes->IsOwned()) alsoTakes->Sell();
    if (IsOwned()) Sell();
  }
};

class PossessionsTest : public SimWorldTest {
 protected:
  // A table of its own: a stealable rebuyable item, a one-off, a service, a car.
  void LoadSmallTable() {
    testsupport::WriteFile(
        dir.Path() / "assets.csv",
        "Header line without a marker.\n"
        "#,asset,lamp,Lamp,general,A lamp.,asset_lamp.bmp,,0,chime.ogg,10,0,\"STEALABLE,SELLABLE,REBUYABLE\",readnovel,0,\"happiness,0.01,0.5\",#\n"
        "#,asset,vase,Vase,general,A vase.,asset_vase.bmp,32,64,,40,0,\"STEALABLE,SELLABLE,BOGUS\",,0,#\n"
        "#,asset,maid,Maid,general,Cleans.,asset_maid.bmp,64,64,,0,5,SERVICE,,0,#\n"
        "#,asset,cheapcar,Car,general,Drives.,asset_car.bmp,64,64,,1000,8,\"SELLABLE,MEANSOFTRANSPORT,REBUYABLE\",,0,#\n");
    LoadAssets((dir.Path() / "assets.csv").string());
  }
  static SIM_Asset* Asset(const char* name) { return SIM_Asset::FindByName(name); }
};

TEST_F(PossessionsTest, ARowIsReadColumnByColumnAndBadPictureSizesKeepTheDefault) {
  LoadSmallTable();
  ASSERT_EQ(SIM_Asset::All().size(), 4u);
  EXPECT_EQ(SIM_Asset::Catalogue().size(), 4u);
  const SIM_Asset* lamp = Asset("lamp");
  ASSERT_NE(lamp, nullptr);
  EXPECT_EQ(lamp->GetGuiName(), "Lamp");
  EXPECT_EQ(lamp->GetCategory(), "general");
  EXPECT_EQ(lamp->GetDescription(), "A lamp.");
  EXPECT_EQ(lamp->GetPicture(), "asset_lamp.bmp");
  EXPECT_EQ(lamp->GetSound(), "data/sounds/chime.ogg");
  EXPECT_FLOAT_EQ(lamp->GetPrice(), 10.0f);
  EXPECT_EQ(lamp->GetUseActivity(), "readnovel");
  // An empty and a zero size would make every proportion a division by zero.
  EXPECT_FLOAT_EQ(lamp->GetPictureWidth(), 64.0f);
  EXPECT_FLOAT_EQ(lamp->GetPictureHeight(), 64.0f);
  EXPECT_FLOAT_EQ(Asset("vase")->GetPictureWidth(), 32.0f);
  ASSERT_EQ(lamp->GetModifiers().size(), 1u);
  EXPECT_EQ(lamp->GetModifiers()[0]->name, "happiness");
  // Flags by name, in any order; an unknown word is ignored.
  EXPECT_TRUE(lamp->GetFlag(SIM_Asset::STEALABLE));
  EXPECT_TRUE(lamp->GetFlag(SIM_Asset::REBUYABLE));
  EXPECT_FALSE(lamp->GetFlag(SIM_Asset::SERVICE));
  EXPECT_FALSE(lamp->GetFlag(5));
  EXPECT_TRUE(Asset("vase")->GetFlag(SIM_Asset::SELLABLE));
  EXPECT_FALSE(Asset("vase")->GetFlag(SIM_Asset::REBUYABLE));
  EXPECT_TRUE(Asset("maid")->GetFlag(SIM_Asset::SERVICE));
}

TEST_F(PossessionsTest, AMissingTableIsAFatalStop) {
  testsupport::FatalCatcher catcher;
  EXPECT_THROW(LoadAssets((dir.Path() / "none.csv").string()), testsupport::FatalStop);
}

TEST_F(PossessionsTest, BuyingAndSellingMoveTheAssetAndTheMoney) {
  LoadSmallTable();
  SetCash(100.0f);
  SIM_Asset* lamp = Asset("lamp");
  const int bought = SIM_Statistics::Instance().GetInt(12);
  lamp->Buy();
  EXPECT_FLOAT_EQ(Cash(), 90.0f);
  EXPECT_TRUE(lamp->IsOwned());
  EXPECT_FALSE(Contains(SIM_Asset::Catalogue(), lamp));
  EXPECT_TRUE(Contains(SIM_Asset::Owned(), lamp));
  EXPECT_FLOAT_EQ(Global("lamp"), 1.0f);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(12), bought + 1);
  EXPECT_EQ(Count("GUI_Sounds::PlaySound data/sounds/chime.ogg"), 1);

  lamp->Sell();
  EXPECT_FLOAT_EQ(Cash(), 95.0f);  // half the price back
  EXPECT_FALSE(lamp->IsOwned());
  EXPECT_TRUE(Contains(SIM_Asset::Catalogue(), lamp));  // it can be bought again
  EXPECT_FLOAT_EQ(Global("lamp"), 0.0f);
  EXPECT_EQ(Count("GUI_Sounds::PlaySound data/sounds/cash.ogg"), 1);

  // A one-off leaves the shop for good, yet is still known by name.
  SIM_Asset* vase = Asset("vase");
  vase->Buy();
  vase->Sell();
  EXPECT_FALSE(Contains(SIM_Asset::Catalogue(), vase));
  EXPECT_FALSE(Contains(SIM_Asset::Owned(), vase));
  EXPECT_EQ(SIM_Asset::FindByName("vase"), vase);
  EXPECT_EQ(SIM_Asset::FindOwnedByName("vase"), nullptr);
}

TEST_F(PossessionsTest, AReloadFindsTheFreshAssetNotASoldOneLeftBehind) {
  LoadSmallTable();
  Asset("vase")->Buy();
  Asset("vase")->Sell();
  LoadSmallTable();
  // Every asset of the last table is gone: the vase is the fresh one, for sale again.
  EXPECT_EQ(SIM_Asset::All().size(), 4u);
  EXPECT_TRUE(Asset("vase")->IsForSale());
  EXPECT_TRUE(Contains(SIM_Asset::Catalogue(), Asset("vase")));
}

TEST_F(PossessionsTest, UpkeepIsPaidToTheLastPennyAndUnpaidUpkeepLapsesTheAsset) {
  LoadSmallTable();
  SIM_Asset* maid = Asset("maid");
  SIM_Asset* car = Asset("cheapcar");
  SIM_Asset* lamp = Asset("lamp");
  SetCash(2000.0f);
  maid->Buy();
  car->Buy();
  lamp->Buy();
  SetCash(13.0f);  // exactly the two running costs
  SIM_Asset::DailyUpdateAll();
  EXPECT_FLOAT_EQ(Cash(), 0.0f);
  EXPECT_TRUE(maid->IsOwned());
  EXPECT_TRUE(car->IsOwned());

  ClearTracedCalls();
  SIM_Asset::DailyUpdateAll();
  // The service stops with a message; the car is sold back for half its price.
  EXPECT_FALSE(maid->IsOwned());
  EXPECT_TRUE(Contains(SIM_Asset::Catalogue(), maid));
  EXPECT_FLOAT_EQ(Global("maid"), 0.0f);
  EXPECT_FALSE(car->IsOwned());
  EXPECT_FLOAT_EQ(Cash(), 500.0f);
  EXPECT_EQ(Count("ShowTextureMessage asset_maid.bmp|" +
                  std::string("You could not pay for your Maid today, so the service has been stopped.") +
                  "|Service Stopped"),
            1);
  // Without upkeep nothing lapses, whatever the cash.
  SetCash(-50.0f);
  SIM_Asset::DailyUpdateAll();
  EXPECT_TRUE(lamp->IsOwned());
}

TEST_F(PossessionsTest, TheDaysWalkSurvivesAssetsLeavingTheOwnedList) {
  LoadSmallTable();
  auto* first = new LeavingAsset();
  first->Set("runaway", "Runaway", 0.0f, 0.0f);
  auto* second = new LeavingAsset();
  second->Set("other", "Other", 0.0f, 0.0f);
  first->alsoTakes = second;
  SetCash(100.0f);
  first->Buy();
  second->Buy();
  Asset("lamp")->Buy();
  SIM_Asset::DailyUpdateAll();
  EXPECT_EQ(first->days, 1);
  EXPECT_EQ(second->days, 0);  // gone before its turn came
  EXPECT_FALSE(first->IsOwned());
  EXPECT_FALSE(second->IsOwned());
  EXPECT_EQ(SIM_Asset::Owned(), std::vector<SIM_Asset*>{Asset("lamp")});
}

TEST_F(PossessionsTest, ABurglaryStealsHalfTheStealableAssetsAndNothingElse) {
  LoadSmallTable();
  SetCash(5000.0f);
  Asset("cheapcar")->Buy();
  Asset("maid")->Buy();
  SIM_Asset::StealAssets();  // nothing stealable: nothing goes
  EXPECT_EQ(SIM_Asset::Owned().size(), 2u);
  Asset("lamp")->Buy();
  SIM_Asset::StealAssets();  // one stealable: it goes
  EXPECT_FALSE(Asset("lamp")->IsOwned());
  EXPECT_TRUE(Contains(SIM_Asset::Catalogue(), Asset("lamp")));
  EXPECT_FLOAT_EQ(Global("lamp"), 0.0f);
  EXPECT_EQ(SIM_Asset::Owned().size(), 2u);

  // The shipped table: five stealable things, two taken, the rest untouched.
  LoadAssets();
  for (const char* name : {"laptop", "guitar", "camera", "watch", "radio", "cleaner", "piano"})
    Asset(name)->Buy();
  SIM_Asset::StealAssets();
  int stealableLeft = 0;
  for (const SIM_Asset* asset : SIM_Asset::Owned())
    stealableLeft += asset->GetFlag(SIM_Asset::STEALABLE) ? 1 : 0;
  EXPECT_EQ(stealableLeft, 3);
  EXPECT_TRUE(Asset("cleaner")->IsOwned());
  EXPECT_TRUE(Asset("piano")->IsOwned());
}

// ---- The commute ----

class CommuteTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    CurrentDate().SetDayOfWeek(1);
    Distance(1.0f);
    SIM_CommuteMethod::SelectByName("walk");
  }
  static void Distance(float miles) {
    SIM_Vesk::Instance()->GetJobInstance()->SetCommuteDistance(miles);
  }
  static std::string Chosen() { return SIM_CommuteMethod::GetChosen()->GetId(); }
};

TEST_F(CommuteTest, AnUnavailableWayFallsBackToWalkingAndAWalkTooFarToTheBus) {
  ASSERT_EQ(Chosen(), "walk");
  SIM_CommuteMethod::SelectByName("car");
  SIM_CommuteMethod::ValidateChoice();  // no car owned
  EXPECT_EQ(Chosen(), "walk");
  Distance(6.0f);
  SIM_CommuteMethod::ValidateChoice();
  EXPECT_EQ(Chosen(), "bus");
  // Owning either car makes driving possible at any distance; selling it ends that.
  SIM_Asset* car = SIM_Asset::FindByName("expensivecar");
  SetCash(50000.0f);
  car->Buy();
  SIM_CommuteMethod::SelectByName("car");
  EXPECT_TRUE(SIM_CommuteMethod::GetChosen()->IsAvailable());
  EXPECT_FALSE(SIM_CommuteMethod::IsNotMotorised());
  car->Sell();
  SIM_Commute::DailyCommute();
  EXPECT_EQ(Chosen(), "bus");
  EXPECT_TRUE(SIM_CommuteMethod::IsNotMotorised());
  // A name the table does not hold changes nothing.
  EXPECT_FALSE(SIM_CommuteMethod::SelectByName("hovercraft"));
  EXPECT_EQ(Chosen(), "bus");
}

TEST_F(CommuteTest, TheTripCostsByTheMileAndMusicQuartersTheBoredom) {
  Distance(5.0f);
  SIM_CommuteMethod::SelectByName("bus");
  const SIM_CommuteMethod* bus = SIM_CommuteMethod::GetChosen();
  SetCash(100.0f);
  SIM_Commute::DailyCommute();
  const SIM_Commute& trip = SIM_Commute::Instance();
  EXPECT_FLOAT_EQ(trip.GetCost(), bus->GetCostPerMile() * 5.0f);
  EXPECT_FLOAT_EQ(Cash(), 100.0f - bus->GetCostPerMile() * 5.0f);
  const float boredom = trip.GetAmount(SIM_Commute::kBoredom);
  EXPECT_FLOAT_EQ(boredom, bus->GetBoredomPerMile() * 5.0f);
  EXPECT_FLOAT_EQ(trip.GetAmount(SIM_Commute::kStress),
                  bus->GetStressPerMile(SIM_Weather::Instance().GetType()) * 5.0f);
  ASSERT_FALSE(PlayerEffects("boredom", "commute").empty());

  SIM_Asset::FindByName("mp3player")->Buy();
  SIM_Commute::DailyCommute();
  EXPECT_FLOAT_EQ(trip.GetAmount(SIM_Commute::kBoredom), boredom * 0.25f);
}

TEST_F(CommuteTest, AWeekendDayKeepsThePreviousTripAndTheLargestEffectsLead) {
  SIM_Commute::DailyCommute();
  const SIM_Commute& trip = SIM_Commute::Instance();
  const float cost = trip.GetCost();
  const float tiredness = trip.GetAmount(SIM_Commute::kTiredness);
  CurrentDate().SetDayOfWeek(5);
  Distance(9.0f);
  SIM_Commute::DailyCommute();
  EXPECT_FLOAT_EQ(trip.GetCost(), cost);
  EXPECT_FLOAT_EQ(trip.GetAmount(SIM_Commute::kTiredness), tiredness);
  EXPECT_EQ(Chosen(), "walk");  // not even checked against the longer way
  // Walking tires more than it bores or stresses; after it, the amounts in order.
  int order[4] = {0, 1, 2, 3};
  std::sort(std::begin(order), std::end(order), [&trip](int a, int b) {
    return trip.GetAmount(a) > trip.GetAmount(b) || (trip.GetAmount(a) == trip.GetAmount(b) && a < b);
  });
  EXPECT_EQ(trip.GetPrimaryEffect(), order[0]);
  EXPECT_EQ(trip.GetSecondaryEffect(), order[1]);
  SIM_Commute::Instance().Reset();
  EXPECT_EQ(trip.GetPrimaryEffect(), 0);  // all equal: the first wins
  EXPECT_EQ(trip.GetSecondaryEffect(), 1);
}

TEST_F(CommuteTest, AFarJobIsHeldWithinADaysReachAndItsTripWithinWhatThePlayerTakes) {
  // A mod's commutedistance of 1e30 raised the problem box four times a working day.
  testsupport::TempDir dir;
  testsupport::WriteFile(dir.Path() / "far.txt", "[general]\nname=far\ncommutedistance=1e30\n");
  const std::unique_ptr<SIM_JobBase> far =
      SIM_JobBase::ReadModFile((dir.Path() / "far.txt").string());
  ASSERT_NE(far, nullptr);
  EXPECT_LE(far->GetCommuteDistance(), SIM_Commute::kMostMiles);
  // A distance that came another way (a save) meets the table's rates only within bounds.
  int problems = 0;
  SetAssertionHandler([&problems](const std::string&) { ++problems; });
  Distance(1e30f);
  SIM_Commute::DailyCommute();
  SetAssertionHandler(nullptr);
  EXPECT_EQ(problems, 0);
  for (int effect = 0; effect < 4; ++effect)
    EXPECT_LE(std::fabs(SIM_Commute::Instance().GetAmount(effect)), SIM_Commute::kMostDayAmount);
}

// ---- Crime ----

class CrimeTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    CurrentDate().SetDayOfWeek(2);
    SIM_CommuteMethod::SelectByName("walk");
    SIM_Crime::Instance().SetDaysToMugging(50);
    SIM_Crime::Instance().SetDaysToBurglary(50);
    ClearTracedCalls();
  }
  static SIM_Crime& Crime() { return SIM_Crime::Instance(); }
  static void MugTomorrow() { Crime().SetDaysToMugging(1); }
};

TEST_F(CrimeTest, TheCountsRunDownOneADayAndStandStillWhileThePlayerIsIll) {
  SIM_Crime::DailyUpdate();
  EXPECT_EQ(Crime().GetDaysToMugging(), 49);
  EXPECT_EQ(Crime().GetDaysToBurglary(), 49);
  SIM_Health::Instance().SetState(SIM_Health::kStressed);
  SIM_Health::Instance().SetDuration(3);
  SIM_Crime::DailyUpdate();
  EXPECT_EQ(Crime().GetDaysToMugging(), 49);
  EXPECT_EQ(Crime().GetDaysToBurglary(), 49);
  // A new game draws both counts within their ranges.
  SIM_Crime::ResetTimers();
  EXPECT_GE(Crime().GetDaysToMugging(), 60);
  EXPECT_LE(Crime().GetDaysToMugging(), 200);
  EXPECT_GE(Crime().GetDaysToBurglary(), 90);
  EXPECT_LE(Crime().GetDaysToBurglary(), 300);
}

TEST_F(CrimeTest, AStrongOrDrivingPlayerIsLeftAloneAndTheBurglarWaitsToo) {
  SIM_Vesk::Instance()->SetValue("muscles", 0.6f);
  MugTomorrow();
  for (int day = 0; day < 3; ++day) SIM_Crime::DailyUpdate();
  EXPECT_LE(Crime().GetDaysToMugging(), 0);
  EXPECT_EQ(Crime().GetDaysToBurglary(), 50);
  EXPECT_EQ(Count("GUI_WorkDay::AddLine 3 0"), 0);
  SIM_Vesk::Instance()->SetValue("muscles", 0.0f);
  SIM_Asset::FindByName("cheapcar")->Buy();
  SIM_CommuteMethod::SelectByName("car");
  SIM_Crime::DailyUpdate();
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_MUGGED"), 0);
  // On foot on a weekday the mugger strikes, and the count is drawn again.
  SIM_CommuteMethod::SelectByName("walk");
  SIM_Crime::DailyUpdate();
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_MUGGED"), 1);
  EXPECT_GT(Crime().GetDaysToMugging(), 0);
}

TEST_F(CrimeTest, TheDefenceDecidesTheMuggingsOutcome) {
  struct Case {
    float kungfu, kickboxing;
    const char* interlude;
    const char* line;
  };
  const Case cases[] = {{0.95f, 0.0f, "FMV_MUGGERARRESTED", "GUI_WorkDay::AddLine 1 0"},
                        {0.3f, 0.7f, "FMV_MUGGERDEFEATED", "GUI_WorkDay::AddLine 2 0"},
                        {0.9f, 0.0f, "FMV_MUGGERDEFEATED", "GUI_WorkDay::AddLine 2 0"},
                        {0.5f, 0.5f, "FMV_MUGGED", "GUI_WorkDay::AddLine 3 0"}};
  for (const Case& c : cases) {
    SIM_Vesk::Instance()->SetValue("kungfu", c.kungfu);
    SIM_Vesk::Instance()->SetValue("kickboxing", c.kickboxing);
    ClearTracedCalls();
    MugTomorrow();
    SIM_Crime::DailyUpdate();
    EXPECT_EQ(Count(std::string("GUI_FMVScreen::Show ") + c.interlude), 1) << c.kungfu;
    EXPECT_EQ(Count(c.line), 1) << c.kungfu;
  }
  // Mugged: most of the money goes, standing and mood fall.
  SetCash(100.0f);
  MugTomorrow();
  SIM_Crime::DailyUpdate();
  EXPECT_GE(Cash(), 100.0f * 0.05f - 0.01f);
  EXPECT_LE(Cash(), 100.0f * 0.25f + 0.01f);
  ASSERT_FALSE(PlayerEffects("confidence", "crime").empty());
  EXPECT_FLOAT_EQ(PlayerEffects("confidence", "crime").back()->GetAmount(), -0.25f);
  // Petty cash is left alone.
  SetCash(3.5f);
  MugTomorrow();
  SIM_Crime::DailyUpdate();
  EXPECT_FLOAT_EQ(Cash(), 3.5f);
}

TEST_F(CrimeTest, AnAlarmBeatsADogAndADogBeatsTheBurglar) {
  SetCash(5000.0f);
  SIM_Asset::FindByName("laptop")->Buy();
  SIM_Asset::FindByName("piano")->Buy();
  SetGlobal("dog", 1.0f);
  SIM_Asset::FindByName("alarm")->Buy();
  Crime().SetDaysToBurglary(1);
  ClearTracedCalls();
  SIM_Crime::DailyUpdate();
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_ATTEMPTEDBREAKIN"), 1);
  auto* dog = dynamic_cast<SIM_Dog*>(Pets[PET_DOG]);
  ASSERT_NE(dog, nullptr);
  EXPECT_EQ(dog->GetBurglarsAttacked(), 0);
  EXPECT_EQ(Count("GUI_Sounds::PlaySound data/sounds/alarm.ogg"), 1);

  SIM_Asset::FindByName("alarm")->Sell();
  Crime().SetDaysToBurglary(1);
  SIM_Crime::DailyUpdate();
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_DOGDEFENDED"), 1);
  EXPECT_EQ(dog->GetBurglarsAttacked(), 1);
  EXPECT_TRUE(SIM_Asset::FindByName("laptop")->IsOwned());

  // No defence: the laptop (the one thing worth carrying) goes, with some of the cash.
  SetGlobal("dog", 0.0f);
  ClearAchievements();
  const float cash = Cash();
  Crime().SetDaysToBurglary(1);
  SIM_Crime::DailyUpdate();
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_BURGLED"), 1);
  EXPECT_TRUE(IsAchievementUnlocked("ACH_BURGLED"));
  EXPECT_FALSE(SIM_Asset::FindByName("laptop")->IsOwned());
  EXPECT_TRUE(SIM_Asset::FindByName("piano")->IsOwned());
  EXPECT_LE(Cash(), cash * 0.75f + 0.01f);
  EXPECT_GE(Cash(), cash * 0.5f - 0.01f);
  // At the weekend the burglar waits for a working day.
  CurrentDate().SetDayOfWeek(6);
  Crime().SetDaysToBurglary(1);
  SIM_Crime::DailyUpdate();
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_BURGLED"), 1);
  EXPECT_LE(Crime().GetDaysToBurglary(), 0);
}

// ---- Dirt, germs and illness ----

class IllnessTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    SIM_Vesk::Instance()->SetValue("stress", 0.0f);
    ClearTracedCalls();
  }
  static SIM_Health& Health() { return SIM_Health::Instance(); }
  static float Rate(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }
};

TEST_F(IllnessTest, DirtGathersFasterWithPetsAndNotAtAllWithACleaner) {
  ASSERT_FLOAT_EQ(Global("glob_dirt"), 0.0f);
  SIM_Dirt::Instance().DailyUpdate();
  EXPECT_FLOAT_EQ(Global("glob_dirt"), Rate("GV_DIRT_ACCUMULATE_RATE"));
  SetGlobal("glob_dirt", 0.0f);
  SetGlobal("dog", 1.0f);
  SetGlobal("cat", 1.0f);
  SIM_Dirt::Instance().DailyUpdate();
  EXPECT_FLOAT_EQ(Global("glob_dirt"),
                  Rate("GV_DIRT_ACCUMULATE_RATE") + 2.0f * Rate("GV_DIRT_PET_BONUS"));
  EXPECT_EQ(Count("GUI_WorkDay::AddLine 8 0"), 0);
  // Above one half the summary says so every day.
  SetGlobal("glob_dirt", 0.49f);
  SIM_Dirt::Instance().DailyUpdate();
  SIM_Dirt::Instance().DailyUpdate();
  EXPECT_EQ(Count("GUI_WorkDay::AddLine 8 0"), 2);
  EXPECT_EQ(Count("ShowHint dirt_threshhold"), 2);
  SetGlobal("glob_dirt", 0.995f);
  SIM_Dirt::Instance().DailyUpdate();
  EXPECT_FLOAT_EQ(Global("glob_dirt"), 1.0f);
  SIM_Asset::FindByName("cleaner")->Buy();
  SIM_Dirt::Instance().DailyUpdate();
  EXPECT_FLOAT_EQ(Global("glob_dirt"), 0.0f);
  EXPECT_FLOAT_EQ(SIM_Dirt::Instance().GetDirt(), 0.0f);
}

TEST_F(IllnessTest, GermsGrowOnlyAboveHalfDirtAndMakeAFrailPlayerCough) {
  SIM_Vesk::Instance()->SetValue("health", 0.0f);
  SetGlobal("glob_germs", 0.3f);
  SetGlobal("glob_dirt", 0.5f);  // exactly one half: the germs fall
  Health().DailyUpdate();
  EXPECT_NEAR(Global("glob_germs"), 0.2f, 1e-6f);
  SetGlobal("glob_dirt", 0.9f);
  Health().DailyUpdate();
  EXPECT_NEAR(Global("glob_germs"), 0.2f + 0.4f * 0.25f * Rate("GV_GERM_ACCUMULATE_RATE"), 1e-6f);
  EXPECT_TRUE(Health().IsHealthy());
  SetGlobal("glob_germs", 0.8f);
  Health().DailyUpdate();
  EXPECT_EQ(Health().GetState(), SIM_Health::kCoughing);
  EXPECT_EQ(Count("ShowHint ill"), 1);
  EXPECT_EQ(Count("GUI_Sounds::PlaySound data/sounds/cough.ogg"), 1);
  // Coughing stops only by chance once the germs are below one half: at none, half the days.
  SetGlobal("glob_dirt", 0.0f);
  SetGlobal("glob_germs", 0.0f);
  int wellAfter = 0;
  while (!Health().IsHealthy() && wellAfter < 200) {
    Health().DailyUpdate();
    ++wellAfter;
  }
  EXPECT_TRUE(Health().IsHealthy());
  EXPECT_LT(wellAfter, 200);
}

TEST_F(IllnessTest, ColdsAndStressLastTheirDaysAndHealthOrCalmProtects) {
  SIM_Vesk::Instance()->SetValue("health", 1.0f);
  for (int i = 0; i < 50; ++i) Health().CatchCold();
  EXPECT_TRUE(Health().IsHealthy());
  SIM_Vesk::Instance()->SetValue("health", 0.0f);
  Health().CatchCold();
  ASSERT_EQ(Health().GetState(), SIM_Health::kSneezing);
  const int days = Health().GetDuration();
  EXPECT_GE(days, 2);
  EXPECT_LE(days, 4);
  for (int d = 0; d < days - 1; ++d) {
    Health().DailyUpdate();
    EXPECT_EQ(Health().GetState(), SIM_Health::kSneezing);
  }
  Health().DailyUpdate();
  EXPECT_TRUE(Health().IsHealthy());
  // Stress of exactly 0.9 is not enough, and at 1 the chance is none.
  for (float stress : {0.9f, 1.0f}) {
    SIM_Vesk::Instance()->SetValue("stress", stress);
    for (int i = 0; i < 50; ++i) Health().DailyUpdate();
    EXPECT_TRUE(Health().IsHealthy()) << stress;
  }
  // A cold caught while ill replaces the illness.
  Health().SetState(SIM_Health::kStressed);
  Health().SetDuration(8);
  SIM_Vesk::Instance()->SetValue("stress", 0.0f);
  Health().CatchCold();
  EXPECT_EQ(Health().GetState(), SIM_Health::kSneezing);
}

// ---- Saving ----

class PossessionsSaveTest : public SaveWorldTest {};

TEST_F(PossessionsSaveTest, OwnedAssetsTheCommuteAndTheCrimeCountsComeBackAndPlayOnAlike) {
  SetCash(5000.0f);
  SIM_Asset::FindByName("laptop")->Buy();
  SIM_Asset::FindByName("bicycle")->Buy();
  // Sold and not to be had again: it stays off the shelves after the load, which keeps the
  // saved shelves whatever the table says.
  SIM_Asset::FindByName("sheetmusic")->SetFlag(SIM_Asset::REBUYABLE, false);
  SIM_Asset::FindByName("sheetmusic")->Buy();
  SIM_Asset::FindByName("sheetmusic")->Sell();
  // Sold and bought back: the shop's order changed.
  SIM_Asset::FindByName("cheapcar")->Buy();
  SIM_Asset::FindByName("cheapcar")->Sell();
  SIM_CommuteMethod::SelectByName("bus");
  SIM_Crime::Instance().SetDaysToMugging(17);
  SIM_Crime::Instance().SetDaysToBurglary(33);
  const std::vector<SIM_Asset*> catalogue = SIM_Asset::Catalogue();
  std::vector<std::string> shop;
  for (const SIM_Asset* asset : catalogue) shop.push_back(asset->GetName());

  ASSERT_TRUE(SIM_SaveGame::Save("A"));
  const std::string a = testsupport::ReadFile(saves.Path() / "A.xml");
  PlayDays(20);
  ASSERT_TRUE(SIM_SaveGame::Save("straight"));
  const std::string straight = testsupport::ReadFile(saves.Path() / "straight.xml");

  ASSERT_TRUE(SIM_LoadGame::Load("A")) << SIM_LoadGame::LastError();
  ASSERT_EQ(SIM_Asset::Owned().size(), 2u);
  EXPECT_EQ(SIM_Asset::Owned()[0]->GetName(), "laptop");
  EXPECT_EQ(SIM_Asset::Owned()[1]->GetName(), "bicycle");
  EXPECT_FLOAT_EQ(Global("bicycle"), 1.0f);
  EXPECT_FALSE(SIM_Asset::FindByName("sheetmusic")->IsForSale());
  std::vector<std::string> shopAfter;
  for (const SIM_Asset* asset : SIM_Asset::Catalogue()) shopAfter.push_back(asset->GetName());
  EXPECT_EQ(shopAfter, shop);
  EXPECT_EQ(SIM_CommuteMethod::GetChosen()->GetId(), "bus");
  EXPECT_EQ(SIM_Crime::Instance().GetDaysToMugging(), 17);
  EXPECT_EQ(SIM_Crime::Instance().GetDaysToBurglary(), 33);

  ASSERT_TRUE(SIM_SaveGame::Save("B"));
  EXPECT_EQ(MaskPlayTime(testsupport::ReadFile(saves.Path() / "B.xml")), MaskPlayTime(a));
  PlayDays(20);
  ASSERT_TRUE(SIM_SaveGame::Save("tripped"));
  EXPECT_EQ(MaskPlayTime(testsupport::ReadFile(saves.Path() / "tripped.xml")), MaskPlayTime(straight));
}

TEST_F(PossessionsSaveTest, AnUnknownCommuteOrAssetInTheFile) {
  SIM_Asset::FindByName("laptop")->Buy();
  const std::string text = SIM_SaveGame::BuildText();
  const std::string walk = "<commute>\n<name>walk</name>";
  ASSERT_NE(text.find(walk), std::string::npos);
  EXPECT_FALSE(SIM_LoadGame::LoadText(
      ReplaceFirst(text, walk, "<commute>\n<name>hovercraft</name>")));
  EXPECT_NE(SIM_LoadGame::LastError().find("hovercraft"), std::string::npos);
  // An asset the table no longer sells is passed over; the rest loads.
  const std::string laptop = "<name>laptop</name>";
  ASSERT_NE(text.find(laptop), std::string::npos);
  ASSERT_TRUE(SIM_LoadGame::LoadText(ReplaceFirst(text, laptop, "<name>zeppelin</name>")))
      << SIM_LoadGame::LastError();
  EXPECT_TRUE(SIM_Asset::Owned().empty());
}

}  // namespace

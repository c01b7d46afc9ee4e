// Solo activities: the table, running one, meeting friends, the shipped rows and the hooks.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "engine/CallTrace.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_SoloActivityInstance.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "SimTestWorld.h"

using testsupport::FatalCatcher;
using testsupport::FatalStop;

namespace {

int CountCalls(const std::string& name) {
  return static_cast<int>(std::count(TracedCalls().begin(), TracedCalls().end(), name));
}

// New friends met: each is announced to the player with the met-a-friend message.
int FriendsMet() {
  const std::string title = std::string("|") + Translate("MET_NEW_FRIEND_TITLE");
  int met = 0;
  for (const std::string& call : TracedCalls())
    if (call.rfind("ShowTextureMessage ", 0) == 0 && call.size() >= title.size() &&
        call.compare(call.size() - title.size(), title.size(), title) == 0)
      ++met;
  return met;
}

std::unique_ptr<SIM_SoloActivityType> Row(const std::string& tail, const std::string& action = "",
                                          const std::string& money = "0.25,0,7.5") {
  return SIM_SoloActivityType::FromRow("#,kite,KITE_T,KITE_X," + action + ",1,songwriting," +
                                       money + ",2,4,1,0,1,0,1,0,1,x," + tail + "\n");
}

using SIM_SoloActivityTypeTest = SimWorldTest;

TEST_F(SIM_SoloActivityTypeTest, ARowGivesEveryFieldModifiersAndPrerequisites) {
  auto type = Row("\"happiness,0.05,0.9\",\"glob_dirt,-0.2,0\",#,\"fitness,0.3\",\"iq,0.4\"",
                  "call watchtv");
  ASSERT_TRUE(type);
  EXPECT_EQ(type->GetTypeName(), "kite");
  EXPECT_EQ(type->GetName(), "kite");
  EXPECT_EQ(type->GetGuiName(), "KITE_T");
  EXPECT_EQ(type->GetText(), "KITE_X");
  EXPECT_EQ(type->GetAction(), "call watchtv");
  EXPECT_TRUE(type->GetEffectsVary());
  EXPECT_EQ(type->GetPanelKind(), "songwriting");
  EXPECT_FLOAT_EQ(type->GetMeetFriendChance(), 0.25f);
  EXPECT_FALSE(type->GetSkipModifiers());
  EXPECT_FLOAT_EQ(type->GetCost(), 7.5f);
  EXPECT_EQ(type->GetFirstMonth(), 2);
  EXPECT_EQ(type->GetLastMonth(), 4);
  for (int day = 0; day < 7; ++day) EXPECT_EQ(type->IsDayEnabled(day), day % 2 == 0) << day;
  ASSERT_EQ(type->GetModifiers().size(), 2u);
  EXPECT_EQ(type->GetModifiers()[0]->name, "happiness");
  EXPECT_FLOAT_EQ(type->GetModifiers()[0]->amount, 0.05f);
  EXPECT_EQ(type->GetModifiers()[0]->source, "kite");
  EXPECT_EQ(type->GetModifiers()[1]->name, "glob_dirt");
  ASSERT_EQ(type->GetPrerequisites().size(), 2u);
  EXPECT_EQ(type->GetPrerequisites()[0]->GetName(), "fitness");
  EXPECT_FLOAT_EQ(type->GetPrerequisites()[1]->GetThreshold(), 0.4f);
  EXPECT_FALSE(type->GetPrerequisites()[1]->IsBelow());
}

TEST_F(SIM_SoloActivityTypeTest, ALongRowKeepsItsTail) {
  std::string modifiers;
  for (int i = 0; i < 60; ++i) modifiers += "\"stress,-0.01,0.5\",";
  auto type = Row(modifiers + "#,\"fitness,0.3\"");
  ASSERT_GT(modifiers.size(), 1023u);
  EXPECT_EQ(type->GetModifiers().size(), 60u);
  ASSERT_EQ(type->GetPrerequisites().size(), 1u);
  EXPECT_EQ(type->GetPrerequisites()[0]->GetName(), "fitness");
}

TEST_F(SIM_SoloActivityTypeTest, TheTableLoadsInFileOrderAndAMissingTableIsFatal) {
  testsupport::WriteFile(dir.Path() / "solo.csv",
                         "comment line\r\n#,a,A_T,A_X,,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,0,#\r\n"
                         "#,b,B_T,B_X,play b.ogg,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,0,#\r\n");
  SIM_SoloActivityType::Reload((dir.Path() / "solo.csv").string());
  ASSERT_EQ(SIM_SoloActivityType::All().size(), 2u);
  EXPECT_EQ(SIM_SoloActivityType::All()[1]->GetAction(), "play b.ogg");
  EXPECT_EQ(SIM_SoloActivityType::FindByName("a"), SIM_SoloActivityType::All()[0].get());
  EXPECT_EQ(SIM_SoloActivityType::TryFind("shopping"), nullptr);
  FatalCatcher catcher;
  try {
    SIM_SoloActivityType::FindByName("shopping");
    ADD_FAILURE() << "a missing type must stop";
  } catch (const FatalStop& stop) {
    EXPECT_NE(stop.text.find("SIM_SoloActivityType not found"), std::string::npos);
  }
  try {
    SIM_SoloActivityType::LoadAll((dir.Path() / "none.csv").string());
    ADD_FAILURE() << "a missing table must stop";
  } catch (const FatalStop& stop) {
    EXPECT_NE(stop.text.find("Missing CSV file"), std::string::npos);
  }
}

TEST_F(SIM_SoloActivityTypeTest, APlayActionPlaysTheSoundAndCallsNoHook) {
  auto type = Row("\"glob_dirt,0.5,0\",#", "play x.ogg");
  SIM_SIM::Instance().SetActs(2, 0);
  const float cash = SIM_Finances::Instance().GetCash();
  const int done = SIM_Statistics::Instance().GetInt(2);
  type->Start();
  EXPECT_EQ(CountCalls("GUI_Sounds::PlaySound data/sounds/x.ogg"), 1);
  EXPECT_EQ(CountCalls("HookWatchTV"), 0);
  EXPECT_FLOAT_EQ(cash - SIM_Finances::Instance().GetCash(), 7.5f);
  EXPECT_FLOAT_EQ(GlobalNamedValues().GetValue("glob_dirt"), 0.5f);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(2), done + 1);
  EXPECT_EQ(SIM_SoloActivityInstance::Count(), 1u);
  SIM_SoloActivityInstance::DeleteAll();
  EXPECT_EQ(SIM_SoloActivityInstance::Count(), 0u);
}

TEST_F(SIM_SoloActivityTypeTest, ACallActionCallsTheHookOnceAndUsesOneSlot) {
  // The support group's hook: its one consequence is a weaker addiction; the row pays and
  // applies its modifiers once, and the slot is the activity's own.
  auto type = Row("\"confidence,0.02,0.5\",#", "call alcoholicsmeeting");
  SIM_SIM::Instance().SetActs(2, 0);
  SIM_Alcohol::Restore(1.0f, true, 0.0f);
  const float cash = SIM_Finances::Instance().GetCash();
  type->Start();
  EXPECT_NEAR(SIM_Alcohol::GetAddictionStrength(),
              1.0f - 5.0f * SIM_GlobalVariables::Instance().Get("GV_ALCOHOLIC_RECOVERY"), 1e-6);
  EXPECT_TRUE(SIM_Alcohol::IsAlcoholic());
  EXPECT_FLOAT_EQ(cash - SIM_Finances::Instance().GetCash(), 7.5f);
  EXPECT_EQ(PlayerEffects("confidence", "kite").size(), 1u);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
}

TEST_F(SIM_SoloActivityTypeTest, AnActionWithoutABlankIsBothVerbAndArgument) {
  // "call" alone calls the hook named "call", which does not exist.
  auto type = Row("#", "call");
  FatalCatcher catcher;
  try {
    type->Start();
    ADD_FAILURE() << "an unknown hook must stop";
  } catch (const FatalStop& stop) {
    EXPECT_NE(stop.text.find("Hook not found: call"), std::string::npos);
  }
  auto odd = Row("#", "dance");  // an unknown verb does nothing but the activity still runs
  SIM_SIM::Instance().SetActs(2, 0);
  odd->Start();
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
}

TEST_F(SIM_SoloActivityTypeTest, SkippingModifiersStillPaysEndsTheSlotAndMayBringAFriend) {
  auto type = Row("\"glob_dirt,0.5,0\",#", "", "1,1,3");
  SIM_SIM::Instance().SetActs(1, 0);
  const float cash = SIM_Finances::Instance().GetCash();
  type->Start();
  EXPECT_FALSE(GlobalNamedValues().Has("glob_dirt") && GlobalNamedValues().GetValue("glob_dirt") > 0.0f);
  EXPECT_FLOAT_EQ(cash - SIM_Finances::Instance().GetCash(), 3.0f);
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_DAYOVER);
  EXPECT_EQ(FriendsMet(), 1);  // chance 1, no friends yet
}

TEST_F(SIM_SoloActivityTypeTest, FewFriendsDoubleTheMeetChanceAndManyPreventTheRoll) {
  auto type = Row("#", "", "0.6,0,0");
  SIM_Vesk::Instance()->SetValue("happiness", 0.6f);
  SetPlayerFriendCountForTesting(1);
  for (int i = 0; i < 50; ++i) type->TryMeetNewFriend();
  EXPECT_EQ(FriendsMet(), 50);  // 0.6 doubled is certain

  ClearTracedCalls();
  SIM_Vesk::Instance()->SetValue("happiness", 0.5f);  // not above one half, and has a friend
  for (int i = 0; i < 50; ++i) type->TryMeetNewFriend();
  EXPECT_EQ(FriendsMet(), 0);

  SetPlayerFriendCountForTesting(8);
  SIM_Vesk::Instance()->SetValue("happiness", 1.0f);
  const uint32_t state = GetRandomState();
  type->TryMeetNewFriend();
  EXPECT_EQ(GetRandomState(), state);  // no roll at all
  EXPECT_EQ(FriendsMet(), 0);
}

TEST_F(SIM_SoloActivityTypeTest, EveryActivityRefreshesTheDirtPicture) {
  // Any activity may change the dirt (baking bread makes a mess as cleaning removes it).
  for (const char* name : {"clean", "bakebread"}) {
    auto type = SIM_SoloActivityType::FromRow(std::string("#,") + name +
                                              ",C_T,C_X,,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,0,"
                                              "\"glob_dirt,0.5,0\",#\n");
    SIM_SIM::Instance().SetActs(1, 0);
    ClearTracedCalls();
    type->Start();
    EXPECT_EQ(CountCalls("GUI_DirtSprites::Refresh"), 1) << name;
  }
}

TEST_F(SIM_SoloActivityTypeTest, AffordableWhenFreeOrCovered) {
  auto type = Row("#", "", "0,0,40");
  SIM_Finances::Instance().SetCash(39.0f);
  EXPECT_FALSE(type->IsAffordable());
  SIM_Finances::Instance().SetCash(40.0f);
  EXPECT_TRUE(type->IsAffordable());
  type->SetCost(0.0f);
  SIM_Finances::Instance().SetCash(-5.0f);
  EXPECT_TRUE(type->IsAffordable());
}

TEST_F(SIM_SoloActivityTypeTest, TheShippedTableHasWhatOtherPartsLookUp) {
  const auto& all = SIM_SoloActivityType::All();
  EXPECT_GE(all.size(), 25u);
  for (const char* name : {"bowlingmatch", "shopping", "crossword", "crypticcrossword",
                           "playvideogames", "alcoholicsmeeting", "clean"})
    EXPECT_NE(SIM_SoloActivityType::TryFind(name), nullptr) << name;
  const SIM_SoloActivityType* bowling = SIM_SoloActivityType::FindByName("bowlingmatch");
  EXPECT_EQ(bowling->GetAction(), "call bowlingmatch");
  // The table offers the match on no day; the game's team offers it on its match day alone.
  for (int day = 0; day < 7; ++day)
    EXPECT_EQ(bowling->IsDayEnabled(day), day == SIM_BowlingTeam::Instance().GetMatchDay()) << day;

  std::set<std::string> hooks;
  bool plays = false;
  for (const auto& type : all) {
    EXPECT_STRNE(Translate(type->GetGuiName().c_str()), type->GetGuiName().c_str());
    EXPECT_STRNE(Translate(type->GetText().c_str()), type->GetText().c_str());
    if (type->GetAction().rfind("call ", 0) == 0) hooks.insert(type->GetAction().substr(5));
    if (type->GetAction().rfind("play ", 0) == 0) plays = true;
  }
  const auto names = SIM_FunctionTable::Instance().Names();
  EXPECT_EQ(hooks, std::set<std::string>(names.begin(), names.end()));
  EXPECT_TRUE(plays);

  // Every weekday offers at least three activities to anyone, in any month.
  for (int day = 0; day < 7; ++day) {
    int open = 0;
    for (const auto& type : all)
      if (type->IsDayEnabled(day) && type->GetPrerequisites().empty() &&
          type->GetFirstMonth() == -1 && type->GetTypeName() != "bowlingmatch")
        ++open;
    EXPECT_GE(open, 3) << day;
  }
}

TEST_F(SIM_SoloActivityTypeTest, TheHookTableHoldsThirteenHooksInOrder) {
  const std::vector<std::string> expected = {
      "investigatestory", "watchtv",  "surfweb",          "bowlingmatch",   "writescreenplay",
      "writesong",        "developtheory", "shopping",    "easycrossword",  "crypticcrossword",
      "videogame",        "eveningclasses", "alcoholicsmeeting"};
  EXPECT_EQ(SIM_FunctionTable::Instance().Names(), expected);
  SIM_FunctionTable::Instance().CallHook("watchtv");
  EXPECT_EQ(TracedCalls(), std::vector<std::string>{"GUI_WatchTV::Open"});
  int calls = 0;
  auto old = SIM_FunctionTable::Instance().ReplaceHook("surfweb", [&] { ++calls; });
  SIM_FunctionTable::Instance().CallHook("surfweb");
  SIM_FunctionTable::Instance().ReplaceHook("surfweb", old);
  EXPECT_EQ(calls, 1);
  FatalCatcher catcher;
  try {
    SIM_FunctionTable::Instance().CallHook("WatchTV");  // names match exactly
    ADD_FAILURE() << "an unknown hook must stop";
  } catch (const FatalStop& stop) {
    EXPECT_NE(stop.text.find("Hook not found: WatchTV"), std::string::npos);
  }
}

}  // namespace

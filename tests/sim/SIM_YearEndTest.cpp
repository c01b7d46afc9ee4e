// Special events, the year's and the game's verdicts, and the player's description.
#include <gtest/gtest.h>

#include <string>

#include "engine/CallTrace.h"

#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "SimTestWorld.h"
#include "engine/Translate.h"
#include "support/RecordingScreens.h"
#include "support/TestSupport.h"

namespace {

int CountCalls(const std::string& name) {
  int n = 0;
  for (const std::string& call : TracedCalls()) n += call == name ? 1 : 0;
  return n;
}

// Rows scored on "happiness" (set by the tests): the first two tie, the third needs more IQ
// than anyone has.
const char* kTable =
    "events\n"
    "#,first,T1,I1,R1,#,\"happiness,1\",#,\"confidence,0.1,0.5\"\n"
    "#,second,T2,I2,R2,#,\"happiness,1\",#\n"
    "#,clever,T3,I3,R3,\"iq,2\",#,\"happiness,5\",#\n";

class SpecialEventTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    testsupport::WriteFile(dir.Path() / "events.csv", kTable);
    SIM_SpecialEvent::LoadAll((dir.Path() / "events.csv").string());
    SIM_Vesk::Instance()->SetValue("happiness", 1.0f);  // scores 1, above the 0.9 threshold
    SIM_SIM::Instance().RestorePhase(PHASE_ACTIVITIES);
  }
  void TearDown() override {
    SIM_GlobalVariables::Instance().Load();
    SimWorldTest::TearDown();
  }
  static SIM_SpecialEvent* Event(const char* name) { return SIM_SpecialEvent::FindByName(name); }
  static int Triggered() {
    int n = 0;
    for (const auto& event : SIM_SpecialEvent::All()) n += event->IsTriggered() ? 1 : 0;
    return n;
  }
};

TEST_F(SpecialEventTest, TheTableReadsItsThreeSections) {
  ASSERT_EQ(SIM_SpecialEvent::All().size(), 3u);
  const SIM_SpecialEvent* first = Event("first");
  EXPECT_EQ(first->GetGuiName(), "T1");
  EXPECT_EQ(first->GetInvitationKey(), "I1");
  EXPECT_EQ(first->GetResultKey(), "R1");
  EXPECT_TRUE(first->GetPrerequisites().empty());
  ASSERT_EQ(first->GetWeights().size(), 1u);
  EXPECT_EQ(first->GetWeights()[0].name, "happiness");
  ASSERT_EQ(first->GetModifiers().size(), 1u);
  EXPECT_EQ(first->GetModifiers()[0]->source, "unset");
  EXPECT_EQ(Event("clever")->GetPrerequisites().size(), 1u);

  // Without '#' fields everything is a prerequisite; weights under two characters are
  // dropped; long fields are cut to 127 characters.
  const std::string longName(200, 'a');
  auto odd = SIM_SpecialEvent::FromRow("#,odd,T,I,R,\"iq,0.1\",\"fitness,0.2\"\n");
  ASSERT_NE(odd, nullptr);
  EXPECT_EQ(odd->GetPrerequisites().size(), 2u);
  EXPECT_TRUE(odd->GetWeights().empty());
  auto cut = SIM_SpecialEvent::FromRow("#,cut,T,I,R,#,x,\"" + longName + ",1\",#\n");
  ASSERT_EQ(cut->GetWeights().size(), 1u);
  EXPECT_EQ(cut->GetWeights()[0].name.size(), SIM_SpecialEvent::kMaxFieldText);
  EXPECT_EQ(SIM_SpecialEvent::FromRow("#,,T,I,R\n"), nullptr);
}

TEST_F(SpecialEventTest, TheBestEventTriggersOnceThenSevenChecksAreSkipped) {
  // A failed prerequisite scores nothing, whatever the weights; a tie goes to the earlier row.
  EXPECT_FLOAT_EQ(Event("clever")->GetScore(), 0.0f);
  SIM_SpecialEvent::TriggerCheck();
  EXPECT_TRUE(Event("first")->IsTriggered());
  EXPECT_EQ(Triggered(), 1);
  EXPECT_EQ(CountCalls("GUI_Email::AddSpecialEvent"), 1);
  EXPECT_EQ(SIM_SpecialEvent::GetCooldown(), 7);
  EXPECT_FLOAT_EQ(Event("first")->GetScore(), 0.0f);  // never scores again
  for (int i = 0; i < 7; ++i) SIM_SpecialEvent::TriggerCheck();
  EXPECT_EQ(Triggered(), 1);
  EXPECT_EQ(SIM_SpecialEvent::GetCooldown(), 0);
  SIM_SpecialEvent::TriggerCheck();  // the eighth scores again: the second event
  EXPECT_TRUE(Event("second")->IsTriggered());
  // Nothing left that can score: no third trigger, however many checks.
  for (int i = 0; i < 20; ++i) SIM_SpecialEvent::TriggerCheck();
  EXPECT_EQ(Triggered(), 2);
  EXPECT_EQ(CountCalls("GUI_Email::AddSpecialEvent"), 2);
}

TEST_F(SpecialEventTest, TheThresholdDecides) {
  SIM_Vesk::Instance()->SetValue("happiness", 0.5f);  // 0.5 below 0.9: nothing
  SIM_SpecialEvent::TriggerCheck();
  EXPECT_EQ(Triggered(), 0);
  EXPECT_EQ(SIM_SpecialEvent::GetCooldown(), 0);
  // A negative threshold lets any positive score trigger at the first check.
  testsupport::WriteFile(dir.Path() / "config.txt", "[config]\nSPECIAL_EVENT_TRIGGER=-1\n");
  SIM_GlobalVariables::Instance().Load((dir.Path() / "config.txt").string());
  SIM_Vesk::Instance()->SetValue("happiness", 0.01f);
  SIM_SpecialEvent::TriggerCheck();
  EXPECT_TRUE(Event("first")->IsTriggered());
}

TEST_F(SpecialEventTest, AttendingUsesOneSlotOnceAndOnlyWhileTheDayIsOpen) {
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetActs(2, 0);
  SIM_SpecialEvent* event = Event("first");
  const float confidence = SIM_Vesk::Instance()->GetValue("confidence");
  ASSERT_TRUE(event->Attend());
  EXPECT_EQ(sim.GetActsUsed(), 1);
  EXPECT_NEAR(SIM_Vesk::Instance()->GetValue("confidence"), confidence + 0.1f, 1e-4f);
  EXPECT_EQ(CountCalls("GUI_SpecialEventPostMortem::Open"), 1);
  // A second go (the ticket opened again) takes nothing.
  EXPECT_FALSE(event->Attend());
  EXPECT_EQ(sim.GetActsUsed(), 1);
  // Once the day is over no event can be attended.
  sim.SetActs(1, 1);
  sim.DayOver();
  EXPECT_FALSE(Event("second")->Attend());
  EXPECT_EQ(CountCalls("GUI_SpecialEventPostMortem::Open"), 1);
}

TEST(YearVerdict, SharesAndThresholdsInSinglePrecision) {
  // 10 social, 5 solo, 5 classes.
  SIM_YearShares shares = YearShares(5, 5, 10);
  EXPECT_FLOAT_EQ(shares.socialising, 0.5f);
  EXPECT_FLOAT_EQ(shares.alone, 0.25f);
  EXPECT_FLOAT_EQ(shares.classes, 0.25f);
  EXPECT_STREQ(YearVerdictKey(shares), "YEAR_REVIEW_SUMMARY_SOCIABLE");
  // 0.45 alone with 0.45 socialising is solitary.
  EXPECT_STREQ(YearVerdictKey(YearShares(2, 9, 9)), "YEAR_REVIEW_SUMMARY_SOLITARY");
  EXPECT_STREQ(YearVerdictKey(YearShares(3, 4, 3)), "YEAR_REVIEW_SUMMARY_BOOKWORM");
  EXPECT_STREQ(YearVerdictKey(YearShares(2, 4, 4)), "YEAR_REVIEW_SUMMARY_WELLBALANCED");
  // A year without counted activity: empty bars, balanced.
  shares = YearShares(0, 0, 0);
  EXPECT_EQ(shares.alone + shares.socialising + shares.classes, 0.0f);
  EXPECT_STREQ(YearVerdictKey(shares), "YEAR_REVIEW_SUMMARY_WELLBALANCED");
}

TEST(EndGameVerdict, FromTheLifetimeCounts) {
  EXPECT_STREQ(EndGameVerdictKey(630, 600), "ENDGAME_SUMMARY_SOLITARY");
  EXPECT_STREQ(EndGameVerdictKey(400, 470), "ENDGAME_SUMMARY_SOCIABLE");
  EXPECT_STREQ(EndGameVerdictKey(400, 400), "ENDGAME_SUMMARY_WELLBALANCED");
}

TEST_F(SimWorldTest, LifetimeTotalsGatherEveryYearOnce) {
  SIM_Statistics& stats = SIM_Statistics::Instance();
  stats.AddInt(300, 2);
  stats.AddInt(200, 3);
  stats.AddInt(30, 1);
  stats.CountActivity("jogging");
  stats.CloseYear();
  EXPECT_EQ(stats.GetInt(2), 0);
  EXPECT_EQ(stats.GetFavouriteActivity(), "");
  EXPECT_TRUE(stats.IsPlayTimerRunning());
  stats.AddInt(330, 2);
  stats.AddInt(270, 3);
  // 630 solo over the game: solitary, though no one year held it.
  EXPECT_EQ(stats.GetLifetimeSolo(), 630);
  EXPECT_EQ(stats.GetLifetimeSocial(), 470);
  EXPECT_STREQ(EndGameVerdictKey(stats.GetLifetimeSolo(), stats.GetLifetimeSocial()),
               "ENDGAME_SUMMARY_SOLITARY");
  stats.Reset();
  EXPECT_EQ(stats.GetLifetimeSolo(), 0);
  EXPECT_EQ(stats.GetPastSocial(), 0);
}

class AvatarDescriptionTest : public SimWorldTest {
 protected:
  // Exactly n of the characters are the player's friends.
  static void SetFriends(int n) {
    SIM_Vesk* player = SIM_Vesk::Instance();
    while (static_cast<int>(SIM_NPC::All().size()) < n) SIM_NPC::Create(2);
    int made = 0;
    for (SIM_NPC* npc : SIM_NPC::All()) {
      SIM_Relationship* r = npc->FindRelationship(player);
      if (!r && made < n) r = SIM_Relationship::Create(player, npc);
      if (r) r->SetFriendship(made < n);
      if (r && made < n) ++made;
    }
    ASSERT_EQ(player->CountFriends(), n);
  }
};

TEST_F(AvatarDescriptionTest, TheTwoStrongestCandidatesAndTheJobFillTheTemplate) {
  SetFriends(10);
  SIM_Finances::Instance().SetCash(2000.0f);
  SIM_AvatarDescription& description = SIM_AvatarDescription::Instance();
  description.Update();
  // Both weigh 1.0; the wealthy one comes first in the list, so it leads.
  EXPECT_EQ(description.GetAdjective1(), Translate("DESC_WEALTHY"));
  EXPECT_EQ(description.GetAdjective2(), Translate("DESC_POPULAR"));
  const SIM_JobBase* job = SIM_Vesk::Instance()->GetJob();
  ASSERT_NE(job, nullptr);
  EXPECT_EQ(description.GetNoun(), SIM_Vesk::Instance()->GetGender() != 0
                                       ? job->GetFemaleDescription()
                                       : job->GetMaleDescription());
  const std::string& text = SIM_AvatarDescription::GetText();
  EXPECT_NE(text.find(description.GetAdjective1()), std::string::npos);
  EXPECT_NE(text.find(description.GetNoun()), std::string::npos);
  EXPECT_EQ(text.find('<'), std::string::npos);

  // Four friends: neither popular nor reclusive.
  SetFriends(4);
  description.GatherAdjectives();
  for (const auto& [adjective, weight] : description.Candidates()) {
    EXPECT_NE(adjective, Translate("DESC_POPULAR"));
    EXPECT_NE(adjective, Translate("DESC_RECLUSIVE"));
  }

  // A sober player is called sober once: the sobriety that mirrors the alcohol says nothing.
  for (const auto& candidate : description.Candidates())
    EXPECT_NE(candidate.first, Translate("ATTR_SOBRIETY_HIGH"));

  // The drinking flag the alcohol sets is the one read.
  SetGlobalValue("alcoholic", 1.0f);
  description.GatherAdjectives();
  bool alcoholic = false;
  for (const auto& candidate : description.Candidates())
    alcoholic = alcoholic || candidate.first == Translate("DESC_ALCOHOLIC");
  EXPECT_TRUE(alcoholic);

  // Ill, the description is the illness alone.
  SIM_Health::Instance().SetHealthyForTesting(false);
  SIM_AvatarDescription::Rebuild();
  EXPECT_EQ(SIM_AvatarDescription::GetText(), Translate("AVATAR_DESCRIPTION_ILL"));
  EXPECT_TRUE(description.GetAdjective1().empty());
}

// How many friends the player has decides whether the description may call them reclusive
// (three or fewer, the fewer the stronger) or popular (six or more); between, neither. The
// weights are worked out by hand: 1 - f * 0.3 and (f - 5) * 0.2.
TEST_F(AvatarDescriptionTest, FriendsMakeThePlayerReclusiveUpToThreeAndPopularFromSix) {
  struct Case {
    int friends;
    float reclusive;  // the candidate's weight; -1 for no such candidate
    float popular;
  };
  const Case cases[] = {
      {0, 1.0f, -1.0f}, {1, 0.7f, -1.0f},  {3, 0.1f, -1.0f},  {4, -1.0f, -1.0f},
      {5, -1.0f, -1.0f}, {6, -1.0f, 0.2f}, {8, -1.0f, 0.6f}, {10, -1.0f, 1.0f},
  };
  auto weightOf = [](const char* key) {
    float weight = -1.0f;
    for (const auto& [adjective, w] : SIM_AvatarDescription::Instance().Candidates())
      if (adjective == Translate(key)) weight = w;
    return weight;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.friends << " friends");
    SetFriends(c.friends);
    SIM_AvatarDescription::Instance().GatherAdjectives();
    EXPECT_NEAR(weightOf("DESC_RECLUSIVE"), c.reclusive, 1e-5f);
    EXPECT_NEAR(weightOf("DESC_POPULAR"), c.popular, 1e-5f);
  }
  // Where it is the strongest, the description says it.
  SetFriends(0);
  SIM_Finances::Instance().SetCash(500.0f);  // neither wealthy nor poor
  SIM_AvatarDescription::Rebuild();
  EXPECT_EQ(SIM_AvatarDescription::Instance().GetAdjective1(), Translate("DESC_RECLUSIVE"));
  EXPECT_NE(SIM_AvatarDescription::GetText().find(Translate("DESC_RECLUSIVE")), std::string::npos);
}

TEST(AvatarDescriptionChoice, FirstOfEqualsAndTooFewCandidates) {
  SIM_AvatarDescription& description = SIM_AvatarDescription::Instance();
  description.ClearAdjectives();
  description.ChooseAdjectives();
  EXPECT_TRUE(description.GetAdjective1().empty());
  EXPECT_TRUE(description.GetAdjective2().empty());
  description.AddAdjective("a", 0.3f);
  description.ChooseAdjectives();
  EXPECT_EQ(description.GetAdjective1(), "a");
  EXPECT_TRUE(description.GetAdjective2().empty());
  description.AddAdjective("b", 0.6f);
  description.AddAdjective("c", 0.6f);
  description.ChooseAdjectives();
  EXPECT_EQ(description.GetAdjective1(), "b");
  EXPECT_EQ(description.GetAdjective2(), "c");
  description.ClearAdjectives();
}

}  // namespace

// People: persons, the player, characters, relationships, the standing score, names,
// portraits, character types, interests, memories and friends, on the shipped data.
#include <gtest/gtest.h>

#include "support/RecordingScreens.h"

#include <algorithm>
#include <set>

#include "engine/CallTrace.h"
#include "engine/ProcessBase.h"
#include "engine/Random.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Friends.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Interest.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "SimTestWorld.h"
#include "support/TestSupport.h"

namespace {

class PeopleTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    ClearPlayerFriendCountForTesting();
    SIM_SocialiseType::ClearForTesting();  // the kinds of evening are the tests' own
  }
  void TearDown() override {
    SIM_SocialiseType::ClearForTesting();
    SimWorldTest::TearDown();
  }
  SIM_Vesk* player = SIM_Vesk::Instance();
  static int Friends() { return SIM_Vesk::Instance()->CountFriends(); }
};

SIM_NPC* Stranger() {
  SIM_NPC* npc = SIM_NPC::Create(2);
  npc->RandomiseTraits();
  return npc;
}

TEST_F(PeopleTest, NewGameGivesThreeFriendsEachWithTwoToFourAcquaintances) {
  EXPECT_EQ(Friends(), 3);
  const auto& npcs = SIM_NPC::All();
  EXPECT_GE(npcs.size(), 3u + 6u);
  EXPECT_LE(npcs.size(), 3u + 12u);
  int friends = 0;
  for (SIM_NPC* npc : npcs) {
    EXPECT_FALSE(npc->GetForename().empty());
    EXPECT_FALSE(npc->GetSurname().empty());
    EXPECT_NE(npc->GetCharacterType(), nullptr);
    EXPECT_FALSE(npc->GetInterests().empty());
    EXPECT_FALSE(npc->GetPortrait().empty());
    EXPECT_TRUE(testsupport::RecordingScreens::Instance().HasIcon(npc));
    EXPECT_EQ(npc->GetGreyPortrait(), SIM_Person::GreyNameOf(npc->GetPortrait()));
    EXPECT_GE(npc->GetBirthDate()->GetDay(), 0);
    EXPECT_LE(npc->GetBirthDate()->GetDay(), 6);
    if (npc->IsFriendOfPlayer()) {
      ++friends;
      EXPECT_TRUE(npc->IsIntroduced());
      EXPECT_TRUE(npc->FindRelationship(player)->IsPlayerCreated());
    } else {
      EXPECT_EQ(npc->FindRelationship(player), nullptr);  // a friend's friend only
      EXPECT_TRUE(npc->IsConnected());
    }
  }
  EXPECT_EQ(friends, 3);
  std::set<std::string> portraits;
  for (SIM_NPC* npc : npcs) portraits.insert(npc->GetPortrait());
  EXPECT_EQ(portraits.size(), npcs.size());  // no repeats while unused portraits remain
}

TEST_F(PeopleTest, TwoHundredDaysMakeAndLoseFriendsWithoutDanglingPointers) {
  SIM_Relationship::ResetFriendsLost();
  int made = 0;
  std::set<SIM_NPC*> seenFriends;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) seenFriends.insert(npc);
  for (int day = 0; day < 200; ++day) {
    if (day % 30 == 10) {
      SIM_NPC* met = MeetNewFriend();
      ASSERT_NE(met, nullptr);
      ++made;
    }
    SIM_SIM::Instance().NextDay();
    testsupport::RecordingScreens::Instance().AnswerScreens();
    // Every relationship a person holds is live and names that person.
    for (SIM_Person* person : SIM_Person::All()) {
      for (SIM_Relationship* r : person->GetRelationships()) {
        ASSERT_TRUE(r->active);
        ASSERT_TRUE(r->Involves(person));
      }
    }
  }
  EXPECT_GT(made, 0);
  EXPECT_GT(SIM_Relationship::GetFriendsLost(), 0);
  EXPECT_FALSE(SIM_NPC::Dropped().empty());
  for (SIM_NPC* npc : SIM_NPC::Dropped()) {
    EXPECT_TRUE(npc->GetRelationships().empty());
    EXPECT_FALSE(testsupport::RecordingScreens::Instance().HasIcon(npc));
  }
  // A new game frees everyone and leaves the player with only the new friends.
  SIM_SIM::Instance().NewGame();
  EXPECT_TRUE(SIM_NPC::Dropped().empty());
  EXPECT_EQ(Friends(), 3);
  for (SIM_Relationship* r : player->GetRelationships()) EXPECT_TRUE(r->active);
}

TEST_F(PeopleTest, LosingAFriendDropsOnlyTheUnconnected) {
  SIM_SIM::Instance().NewGame();
  SIM_NPC* a = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) a = npc;
  ASSERT_NE(a, nullptr);
  // An acquaintance of a who is also a friend of another friend stays.
  SIM_NPC* other = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc != a && npc->IsFriendOfPlayer()) other = npc;
  SIM_Person* shared = nullptr;
  for (SIM_Relationship* r : a->GetRelationships())
    if (r->GetOther(a) != player) shared = r->GetOther(a);
  ASSERT_NE(shared, nullptr);
  SIM_Relationship* link = SIM_Relationship::Create(other, shared);
  link->SetStrength(0.9f);
  std::vector<SIM_Person*> onlyA;
  for (SIM_Relationship* r : a->GetRelationships())
    if (r->GetOther(a) != player && r->GetOther(a) != shared) onlyA.push_back(r->GetOther(a));
  SIM_Romance::Instance().SetPartner(dynamic_cast<SIM_NPC*>(onlyA.empty() ? shared : onlyA[0]));

  SIM_Relationship* r = a->FindRelationship(player);
  r->ChangeStrength(-1.0f);
  EXPECT_TRUE(a->IsRemoved());
  EXPECT_FALSE(r->active);
  EXPECT_EQ(Friends(), 2);
  EXPECT_FALSE(dynamic_cast<SIM_NPC*>(shared)->IsRemoved());
  for (SIM_Person* p : onlyA) EXPECT_TRUE(dynamic_cast<SIM_NPC*>(p)->IsRemoved());
  if (!onlyA.empty()) {
    EXPECT_FALSE(SIM_Romance::Instance().HasPartner());  // partner gone quietly
  }
  EXPECT_FALSE(testsupport::RecordingScreens::Instance().HasIcon(a));
  const float before = SIM_Tovel::Instance().GetComponent(0);
  SIM_Tovel::Instance().Recount();
  EXPECT_FLOAT_EQ(SIM_Tovel::Instance().GetComponent(0), before);  // ended ones do not count
  ProcessBase::ProcessAll();  // frees the ended relationships; nothing touches them after
  SIM_Romance::Reset();
}

TEST_F(PeopleTest, FriendshipThresholdsAreStrictAndOneFriendADayAtMostNine) {
  const float gain = SIM_GlobalVariables::Instance().Get("GV_FRIEND_GAIN_THRESHHOLD");
  SIM_NPC* x = Stranger();
  SIM_NPC* y = Stranger();
  SIM_Relationship* rx = SIM_Relationship::Create(player, x);
  SIM_Relationship* ry = SIM_Relationship::Create(player, y);
  for (int i = 0; i < 3; ++i) {
    rx->AddEveningTogether();
    ry->AddEveningTogether();
  }
  SIM_Relationship::ClearFriendMadeToday();
  rx->SetStrength(gain);
  EXPECT_FALSE(rx->IsFriendship());  // exactly the threshold is not enough
  rx->ChangeStrength(0.0f);
  EXPECT_FALSE(rx->IsFriendship());
  rx->ChangeStrength(0.01f);
  EXPECT_TRUE(rx->IsFriendship());
  ry->ChangeStrength(gain + 0.1f);
  EXPECT_FALSE(ry->IsFriendship());  // the day's friend is made
  SIM_Relationship::ClearFriendMadeToday();
  ry->ChangeStrength(0.01f);
  EXPECT_TRUE(ry->IsFriendship());
  EXPECT_EQ(Friends(), 5);

  // Capped at nine by play.
  std::vector<SIM_Relationship*> more;
  for (int i = 0; i < 6; ++i) {
    SIM_Relationship* r = SIM_Relationship::Create(player, Stranger());
    for (int e = 0; e < 3; ++e) r->AddEveningTogether();
    SIM_Relationship::ClearFriendMadeToday();
    r->ChangeStrength(0.9f);
    more.push_back(r);
  }
  EXPECT_EQ(Friends(), 9);
  EXPECT_TRUE(more[3]->IsFriendship());
  EXPECT_FALSE(more[4]->IsFriendship());
  EXPECT_FLOAT_EQ(more[5]->GetStrength(), 0.9f);
  more[5]->ChangeStrength(5.0f);
  EXPECT_FLOAT_EQ(more[5]->GetStrength(), 1.0f);
  more[5]->ChangeStrength(-5.0f);
  EXPECT_FLOAT_EQ(more[5]->GetStrength(), 0.0f);
}

TEST_F(PeopleTest, DailyDecayHasAFloorAndIdleCharacterBondsKeep) {
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.0f);
  SIM_NPC* x = Stranger();
  SIM_NPC* y = Stranger();
  SIM_Relationship* withPlayer = SIM_Relationship::Create(player, x);
  withPlayer->SetStrength(0.1f);
  withPlayer->Process();
  EXPECT_NEAR(withPlayer->GetStrength(), 0.095f, 1e-6);  // 0.0005 raised to 0.005
  withPlayer->SetStrength(0.0f);
  withPlayer->Process();
  EXPECT_FLOAT_EQ(withPlayer->GetStrength(), 0.0f);
  SIM_Relationship* idle = SIM_Relationship::Create(x, y);
  idle->SetStrength(0.4f);
  for (int i = 0; i < 10; ++i) idle->Process();
  EXPECT_FLOAT_EQ(idle->GetStrength(), 0.4f);
  idle->SetPlayerCreated(true);
  idle->Process();
  EXPECT_LT(idle->GetStrength(), 0.4f);
  EXPECT_FLOAT_EQ(idle->GetTovel(), idle->GetStrength() * 4.0f);
  idle->SetStrength(0.2f);
  EXPECT_FLOAT_EQ(idle->GetTovel(), 0.0f);
}

TEST_F(PeopleTest, PartnerScalingOfChanges) {
  SIM_NPC* x = Stranger();
  x->SetAttraction(0.5f);
  SIM_Relationship* r = SIM_Relationship::Create(player, x);
  r->SetStrength(0.5f);
  SIM_Romance::Instance().SetPartner(x);
  r->ChangeStrength(0.1f);
  EXPECT_NEAR(r->GetStrength(), 0.5f + 0.1f * 0.75f, 1e-6);
  r->ChangeStrength(-0.1f);
  EXPECT_NEAR(r->GetStrength(), 0.575f - 0.1f * 0.75f, 1e-6);
  SIM_Romance::Reset();
}

TEST_F(PeopleTest, StandingComponentsAreCappedAndOnlyEarnedFades) {
  SIM_Tovel& t = SIM_Tovel::Instance();
  t.Reset();
  const float earnedStat = SIM_Statistics::Instance().GetFloat(0);
  t.Add(400.0f);
  EXPECT_FLOAT_EQ(t.GetTotal() - t.GetComponent(0) - t.GetComponent(2) - t.GetComponent(3), 250.0f);
  t.Add(-100.0f);
  EXPECT_FLOAT_EQ(t.GetComponent(1), 300.0f);
  t.SetEarned(20.0f);
  t.Add(-50.0f);
  EXPECT_FLOAT_EQ(t.GetComponent(1), 0.0f);
  EXPECT_FLOAT_EQ(SIM_Statistics::Instance().GetFloat(0), earnedStat + 400.0f);
  EXPECT_TRUE(t.AddActivity("bowling"));
  EXPECT_FALSE(t.AddActivity("bowling"));
  EXPECT_TRUE(t.AddActivity("Bowling"));
  EXPECT_FLOAT_EQ(t.GetComponent(2), 2.0f);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.5f);
  t.SetEarned(100.0f);
  t.Degrade();
  const float g = SIM_GlobalVariables::Instance().Get("GV_TOVEL_DEGRADE");
  EXPECT_FLOAT_EQ(t.GetComponent(1), 100.0f * (1.0f - g));
  SIM_Tovel::Membership* m = t.AddMembership(30.0f, "bowling team");
  t.RecountMemberships();
  EXPECT_FLOAT_EQ(t.GetComponent(3), 30.0f);
  t.RemoveMembership(m);
  t.RecountMemberships();
  EXPECT_FLOAT_EQ(t.GetComponent(3), 0.0f);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.0f);
}

TEST_F(PeopleTest, PlayerValuesRecalculationAndSkills) {
  player->SetValue("fitness", 1.0f);
  const float tired = player->GetValue("tiredness");
  player->ModifyValue("tiredness", 0.1f, 1.0f, "test");
  EXPECT_NEAR(player->GetValue("tiredness") - tired, 0.02f, 1e-5);
  EXPECT_NEAR(player->GetValue("_energy"), 1.0f - player->GetValue("tiredness"), 1e-6);
  player->ModifyValue("juggling", 0.3f, 1.0f, "test");
  EXPECT_FLOAT_EQ(player->GetValue("juggling"), 0.3f);
  player->ModifyValue("juggling", 0.9f, 1.0f, "test");
  EXPECT_FLOAT_EQ(player->GetValue("juggling"), 1.0f);
  player->ModifyValue("knitting", -0.4f, 1.0f, "test");
  EXPECT_FLOAT_EQ(player->GetValue("knitting"), 0.0f);  // created inside 0..1
  const float happiness = player->GetValue("happiness");
  player->ModifyValue("tovel", 10.0f, 1.0f, "test");
  EXPECT_FLOAT_EQ(player->GetValue("happiness"), happiness);
  // The income is the held job's salary at its grade: the starting job's minimum.
  ASSERT_NE(player->GetJobInstance(), nullptr);
  EXPECT_FLOAT_EQ(player->GetValue("income"), player->GetJob()->GetMinSalary());
  EXPECT_GT(player->GetValue("income"), 5.0f);

  for (const char* n : {"iq_reasoning", "iq_logic", "iq_knowledge", "iq_problemsolving"})
    player->SetValue(n, 0.6f);
  for (const char* n : {"culture_arts", "culture_literature", "culture_knowledge"})
    player->SetValue(n, 0.6f);
  player->SetValue("happiness", 0.9f);
  player->SetValue("stress", 0.8f);
  player->SetValue("boredom", 0.8f);
  player->SetValue("loneliness", 0.8f);
  player->RecalculateValues();
  EXPECT_NEAR(player->GetValue("iq"), 0.6f, 1e-6);
  EXPECT_EQ(player->GetSocialClass(), kUpperClass);
  // Stress, boredom and loneliness (the player has three friends and a salary): 0.9 - 0.45.
  EXPECT_NEAR(player->GetValue("happiness"), 0.45f, 1e-5);
  for (const char* n : {"culture_arts", "culture_literature", "culture_knowledge"})
    player->SetValue(n, 0.1f);
  player->RecalculateValues();
  EXPECT_EQ(player->GetSocialClass(), kUpperClass);  // never goes back

  player->SetGenderFromAvatar("m_01.dds");
  EXPECT_EQ(player->GetGender(), kMale);
  player->SetGenderFromAvatar("f_02.dds");
  EXPECT_EQ(player->GetGender(), kFemale);
  // A picture named neither way leaves the gender as it was.
  player->SetGenderFromAvatar("m_01.dds");
  player->SetGenderFromAvatar("x_03.dds");
  EXPECT_EQ(player->GetGender(), kMale);
}

TEST_F(PeopleTest, NewGameForgetsTheLastGamesBoredomAndClass) {
  player->GetBoredom()->AddBoredom("cinema", 0.9f);
  player->SetSocialClass(kUpperClass);
  SIM_SIM::Instance().NewGame();
  EXPECT_FLOAT_EQ(player->GetBoredom()->GetBoredom("cinema"), 0.0f);
  EXPECT_EQ(player->GetSocialClass(), kWorkingClass);
}

TEST_F(PeopleTest, CompatibilityChemistryAndSharedInterests) {
  SIM_NPC* a = SIM_NPC::Create(0);
  SIM_NPC* b = SIM_NPC::Create(1);
  a->ClearInterests();
  b->ClearInterests();
  EXPECT_FLOAT_EQ(a->GetCompatibility(b), 0.0f);
  EXPECT_FLOAT_EQ(a->GetCompatibility(player), 0.5f);
  EXPECT_EQ(a->GetStrongestSharedInterest(b), "");
  SIM_InterestType* wine = SIM_InterestType::Find("wine");        // 0.3
  SIM_InterestType* museum = SIM_InterestType::Find("museum");    // 0.3
  SIM_InterestType* sport = SIM_InterestType::Find("sport");      // 0.2
  for (SIM_NPC* n : {a, b}) {
    n->AddInterest(sport);
    n->AddInterest(wine);
    n->AddInterest(museum);
  }
  EXPECT_NEAR(a->GetCompatibility(b), 0.8f, 1e-6);
  EXPECT_EQ(a->GetStrongestSharedInterest(b), wine->GetGuiName());  // first of the equal
  a->AddInterest(SIM_InterestType::Find("football"));
  a->AddInterest(SIM_InterestType::Find("classical"));
  b->AddInterest(SIM_InterestType::Find("football"));
  b->AddInterest(SIM_InterestType::Find("classical"));
  EXPECT_FLOAT_EQ(a->GetCompatibility(b), 1.0f);
  EXPECT_FLOAT_EQ(GetGroupChemistry({a}), 0.5f);
  EXPECT_FLOAT_EQ(GetGroupChemistry({}), 0.5f);
  EXPECT_NEAR(GetGroupChemistry({a, b, player}), (1.0f + 1.0f + 4 * 0.5f) / 6.0f, 1e-6);

  SIM_SocialiseType* pub = SIM_SocialiseType::Add("pub");
  pub->interests = {{"sport", 0.4f}, {"wine", 0.3f}, {"films", 0.5f}};
  EXPECT_FLOAT_EQ(a->GetInterestIn(pub), 0.7f);
  EXPECT_TRUE(a->LikesActivity(pub));
  pub->category = "ROMANTIC";
  EXPECT_FLOAT_EQ(a->GetInterestIn(pub), 1.0f);
  EXPECT_FLOAT_EQ(a->GetInterestIn(nullptr), 0.0f);
}

TEST_F(PeopleTest, InvitationRefusalsInOrder) {
  SIM_SocialiseType* type = SIM_SocialiseType::Add("dinner");
  type->cost = 30.0f;
  type->homeBased = true;
  SIM_NPC* npc = Stranger();
  npc->SetDemands(0.0f, player->GetValue("iq"), 0.0f);
  npc->SetCash(100.0f);
  EXPECT_TRUE(npc->AcceptsInvitation(type, player));  // a demand met exactly is enough
  npc->SetDemands(0.0f, player->GetValue("iq") + 0.01f, 0.0f);
  ClearTracedCalls();
  EXPECT_FALSE(npc->AcceptsInvitation(type, player));
  ASSERT_EQ(TracedCalls().size(), 1u);
  EXPECT_EQ(TracedCalls()[0].rfind("ShowNPCMessage ", 0), 0u);
  npc->SetDemands(0.0f, 0.0f, 0.5f);
  player->SetValue("culture_arts", 1.0f);
  player->SetValue("culture_literature", 1.0f);
  player->SetValue("culture_knowledge", 1.0f);
  player->RecalculateValues();
  SetGlobalValue("glob_dirt", 0.6f);
  EXPECT_FALSE(npc->AcceptsInvitation(type, player));  // grubby: 0.6 > 1 - 0.5
  npc->SetDemands(0.0f, 0.0f, 0.3f);
  EXPECT_TRUE(npc->AcceptsInvitation(type, player));
  npc->SetCash(10.0f);
  ClearTracedCalls();
  EXPECT_FALSE(npc->AcceptsInvitation(type, player));
  EXPECT_EQ(TracedCalls(), std::vector<std::string>{"GUI_NoMoneyDialog::Open"});
  type->cost = 0.0f;
  EXPECT_TRUE(npc->AcceptsInvitation(type, player));  // free: never the no-money dialog
  type->cost = -99.0f;                                // a varying price counts as 20
  EXPECT_TRUE(npc->CannotAfford(type));
  npc->GetMemory()->Add(type, 0.1f);
  ClearTracedCalls();
  EXPECT_FALSE(npc->AcceptsInvitation(type, player));
  npc->GetBoredom()->AddBoredom("dinner", 0.6f);
  npc->SetInvitedToday(true);
  EXPECT_FALSE(npc->AcceptsInvitation(type, player));
  ASSERT_FALSE(TracedCalls().empty());
  EXPECT_NE(TracedCalls().back().find("plans"), std::string::npos);  // busy comes first
  SetGlobalValue("glob_dirt", 0.0f);
}

TEST_F(PeopleTest, SnubsDelayCountAndEndTheFriendship) {
  SIM_NPC* npc = nullptr;
  for (SIM_NPC* n : SIM_NPC::All())
    if (n->IsFriendOfPlayer()) npc = n;
  ASSERT_NE(npc, nullptr);
  SIM_Relationship* r = npc->FindRelationship(player);
  r->SetStrength(0.9f);
  npc->OnSnubbed(false);
  EXPECT_GE(npc->GetSnubDelay(), 5);
  EXPECT_LE(npc->GetSnubDelay(), 7);
  EXPECT_EQ(npc->GetSnubCount(), 1);
  npc->SetSnubCount(0);
  npc->OnSnubbed(true);
  EXPECT_GE(npc->GetSnubDelay(), 10);
  EXPECT_LE(npc->GetSnubDelay(), 14);
  EXPECT_EQ(npc->GetSnubCount(), 2);
  npc->OnSnubbed(true);
  EXPECT_EQ(npc->GetSnubCount(), 4);
  EXPECT_FALSE(r->active);
  EXPECT_EQ(npc->FindRelationship(player), nullptr);
  EXPECT_EQ(player->FindRelationship(npc), nullptr);
  npc->OnSnubbed(false);  // no relationship left: nothing breaks
}

TEST_F(PeopleTest, CharactersInviteOnlyWhenATypeExistsAndCashIsFloored) {
  SIM_NPC* host = nullptr;
  for (SIM_NPC* n : SIM_NPC::All())
    if (n->IsFriendOfPlayer()) host = n;
  ASSERT_NE(host, nullptr);
  EXPECT_FALSE(host->InvitePlayer());  // no kinds of evening yet
  SIM_SocialiseType* type = SIM_SocialiseType::Add("drinks");
  type->maxGuests = 10;
  type->interests = {{"drinking", 1.0f}};
  // A character chooses only an evening someone cares for: make sure the host does, whatever
  // interests the new game drew.
  if (!host->HasInterestNamed("drinking")) host->AddInterest(SIM_InterestType::Find("drinking"));
  ClearTracedCalls();
  EXPECT_TRUE(host->InvitePlayer());
  EXPECT_TRUE(host->IsInvitedToday());
  EXPECT_EQ(std::count(TracedCalls().begin(), TracedCalls().end(), "GUI_Email::AddInvitation"), 1);
  ASSERT_EQ(SIM_SocialInvitation::All().size(), 1u);
  EXPECT_EQ(SIM_SocialInvitation::All()[0]->GetGuests().front(), host);
  SIM_SocialInvitation::DeleteAll();
  host->SetCash(5.0f);
  host->SpendCash(10.0f);
  EXPECT_FLOAT_EQ(host->GetCash(), 0.0f);
  host->SetCashPerWeek();
  EXPECT_GE(host->GetCashPerWeek(), 20.0f * 0.6f);  // the 20 floor times the lowest share
}

// A friend the player has paid for offers to pay in return, but only for an evening that
// costs something: paying for a free one would take nothing off what is owed.
TEST_F(PeopleTest, AFriendOffersATreatOnlyForAnEveningThatCosts) {
  SIM_NPC* host = nullptr;
  for (SIM_NPC* n : SIM_NPC::All())
    if (n->IsFriendOfPlayer()) host = n;
  ASSERT_NE(host, nullptr);
  SIM_SocialiseType* type = SIM_SocialiseType::Add("chess");
  type->interests = {{"drinking", 1.0f}};
  if (!host->HasInterestNamed("drinking")) host->AddInterest(SIM_InterestType::Find("drinking"));
  host->FindRelationship(player)->AddBalance(10.0f);  // the player paid for them once
  host->SetCash(100.0f);
  for (const int cost : {0, 10}) {
    type->cost = cost;
    ASSERT_TRUE(host->InvitePlayer());
    EXPECT_EQ(SIM_SocialInvitation::All().back()->HasPayOffer(), cost > 0) << cost;
  }
}

// The next n draws of RandomFloat(lo, hi) from the generator's present state, which is left
// as it was.
std::vector<float> NextFloats(float lo, float hi, int n) {
  const uint32_t state = GetRandomState();
  std::vector<float> draws;
  for (int i = 0; i < n; ++i) draws.push_back(RandomFloat(lo, hi));
  SetRandomState(state);
  return draws;
}

// True when three consecutive draws, in this order, give the three values.
bool DrawnInOrder(const std::vector<float>& draws, const float (&bases)[3],
                  const float (&values)[3]) {
  for (size_t k = 0; k + 2 < draws.size(); ++k) {
    if (draws[k] * bases[0] == values[0] && draws[k + 1] * bases[1] == values[1] &&
        draws[k + 2] * bases[2] == values[2])
      return true;
  }
  return false;
}

TEST_F(PeopleTest, NewPeoplesDemandsAreDrawnInAFixedOrder) {
  // One seed must make the same people whatever the compiler: standing, then intelligence,
  // then culture.
  SIM_NPC* host = SIM_NPC::Create(2);
  host->SetDemands(10.0f, 0.5f, 0.25f);
  const std::vector<float> acquaintance = NextFloats(0.8f, 1.2f, 1000);
  const size_t before = SIM_NPC::All().size();
  BringFriends(host);
  ASSERT_GT(SIM_NPC::All().size(), before);
  for (size_t i = before; i < SIM_NPC::All().size(); ++i) {
    const SIM_NPC* npc = SIM_NPC::All()[i];
    const float values[3] = {npc->GetTovelDemand(), npc->GetIQDemand(), npc->GetCultureDemand()};
    EXPECT_TRUE(DrawnInOrder(acquaintance, {10.0f, 0.5f, 0.25f}, values)) << i;
  }

  // A met friend: standing (one draw), then the player's intelligence and culture each
  // scaled by a draw of 0.9 to 1.1.
  player->SetValue("iq_reasoning", 0.8f);
  player->SetValue("culture_arts", 0.9f);
  player->Recalculate();
  const float iq = player->GetValue("iq");
  const float culture = player->GetValue("culture");
  ASSERT_NE(iq, culture);
  const float t = SIM_Tovel::Instance().GetTotal();
  std::vector<float> standing = NextFloats(0.0f, 5.0f, 1000);
  if (t > 5.0f) {
    standing = NextFloats(0.7f, 0.9f, 1000);
    for (float& v : standing) v *= t;
  }
  const std::vector<float> scale = NextFloats(0.9f, 1.1f, 1000);
  SIM_NPC* met = MeetNewFriend();
  bool found = false;
  for (size_t k = 0; k + 2 < scale.size() && !found; ++k)
    found = standing[k] == met->GetTovelDemand() && scale[k + 1] * iq == met->GetIQDemand() &&
            scale[k + 2] * culture == met->GetCultureDemand();
  EXPECT_TRUE(found);
}

TEST(NamesTest, ClassesTrimmedAvoidsThePlayerAndEmptyClassGivesNothing) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir.Path() / "n.csv", "x\r\n#,Ann,UPPERCLASS\r\n#,Bea,UPPERCLASS \r\n#,Cat,WORKINGCLASS");
  std::vector<SIM_Names::Entry> list;
  SIM_Names::LoadFile((dir.Path() / "n.csv").string(), list);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].socialClass, 2);
  EXPECT_EQ(list[1].socialClass, 2);
  EXPECT_EQ(list[2].socialClass, 0);
  SIM_Names::LoadAll();
  for (int c = 0; c < 3; ++c) {
    EXPECT_FALSE(SIM_Names::PickSurname(c, "English").empty());
    EXPECT_FALSE(SIM_Names::PickForename(c, 0, "English", false).empty());
    EXPECT_FALSE(SIM_Names::PickForename(c, 1, "English", false).empty());
  }
  EXPECT_EQ(SIM_Names::PickSurname(7, "English"), "");
  // Every name of a class equal to the player's: drawn anyway, no endless loop.
  SIM_Names::FemaleForenames() = {{SIM_Vesk::Instance()->GetForename(), 1}};
  EXPECT_EQ(SIM_Names::PickForename(1, 1, "English", true), SIM_Vesk::Instance()->GetForename());
  SIM_Names::FemaleForenames() = {{SIM_Vesk::Instance()->GetForename(), 1}, {"Zoe", 1}};
  for (int i = 0; i < 20; ++i) EXPECT_EQ(SIM_Names::PickForename(1, 1, "English", true), "Zoe");
  SIM_Names::LoadAll();
}

TEST(PortraitsTest, UnusedFirstGreySkippedAndEmptyFolderGivesNoName) {
  SIM_PortraitDatabase::Load();
  const size_t male = SIM_PortraitDatabase::AllMale().size();
  ASSERT_GE(male, 30u);
  for (const std::string& name : SIM_PortraitDatabase::AllMale())
    EXPECT_EQ(name.find("_grey"), std::string::npos);
  std::set<std::string> seen;
  for (size_t i = 0; i < male; ++i) seen.insert(SIM_PortraitDatabase::PickMale());
  EXPECT_EQ(seen.size(), male);
  EXPECT_EQ(SIM_PortraitDatabase::UnusedMale(), 0u);
  EXPECT_FALSE(SIM_PortraitDatabase::PickMale().empty());  // repeats now
  EXPECT_EQ(SIM_Person::GreyNameOf("f_03.dds"), "f_03_grey.dds");
  testsupport::TempDir empty;
  testsupport::ScopedChdir in(empty.Path());
  SIM_PortraitDatabase::Load();
  EXPECT_EQ(SIM_PortraitDatabase::PickFemale(), "");
}

TEST(InterestTypesTest, ChoosingByWeightAffinityBandsAndAliases) {
  EXPECT_FLOAT_EQ(InterestAffinityFactor(SIM_InterestType::kHigh, 0.7f) *
                      InterestAffinityFactor(SIM_InterestType::kLow, 0.1f), 2.25f);
  EXPECT_FLOAT_EQ(InterestAffinityFactor(SIM_InterestType::kHigh, 0.1f) *
                      InterestAffinityFactor(SIM_InterestType::kLow, 0.7f), 0.0625f);
  EXPECT_FLOAT_EQ(InterestAffinityFactor(SIM_InterestType::kMedium, 0.33f), 1.5f);
  EXPECT_FLOAT_EQ(InterestAffinityFactor(SIM_InterestType::kHigh, 0.66f), 1.5f);
  EXPECT_FLOAT_EQ(InterestAffinityFactor(SIM_InterestType::kNone, 0.5f), 1.0f);
  SIM_InterestType::LoadAll();
  ASSERT_GE(SIM_InterestType::All().size(), 20u);
  EXPECT_EQ(SIM_InterestType::FindWithAliases("museums"), SIM_InterestType::Find("museum"));
  EXPECT_EQ(SIM_InterestType::FindWithAliases("card games"), SIM_InterestType::Find("cardgames"));
  EXPECT_EQ(SIM_InterestType::Find("cardgames")->GetCategory(), "gambling");  // last field trimmed
  const auto& all = SIM_InterestType::All();
  std::vector<SIM_InterestWeight> w = {{all[0], 0.2f}, {all[1], 0.3f}, {all[2], 0.5f}};
  // Draws over the whole range never fall off the end.
  for (int i = 0; i < 2000; ++i) EXPECT_NE(SIM_InterestType::ChooseRandom(w), nullptr);
  testsupport::FatalCatcher catcher;
  std::vector<SIM_InterestWeight> none = {{all[0], 0.0f}};
  EXPECT_THROW(SIM_InterestType::ChooseRandom(none), testsupport::FatalStop);
  SIM_InterestType::DeleteAll();
}

TEST(CharacterTypesTest, WeightsSumToOneAndEffectsParse) {
  SIM_CharacterType::LoadAll();
  float sum = 0.0f;
  for (const SIM_CharacterType* t : SIM_CharacterType::All()) sum += t->GetWeight();
  EXPECT_NEAR(sum, 1.0f, 1e-5);
  ASSERT_GE(SIM_CharacterType::All().size(), 8u);
  const SIM_CharacterType* joker = SIM_CharacterType::Find("joker");
  ASSERT_NE(joker, nullptr);
  EXPECT_EQ(joker->GetEffectName(), "happiness");
  EXPECT_FLOAT_EQ(joker->GetEffectAmount(), 0.05f);
  EXPECT_EQ(SIM_CharacterType::Find("easygoing")->GetEffectAmount(), 0.0f);
  for (int i = 0; i < 2000; ++i) EXPECT_NE(SIM_CharacterType::ChooseRandom(), nullptr);
  SIM_CharacterType::DeleteAll();
  EXPECT_EQ(SIM_CharacterType::ChooseRandom(), nullptr);
}

TEST(CharacterTypesTest, AnEffectOutOfRangeIsLeftOut) {
  // Found by fuzzing: a standing effect of 3e38, made by two characters, was infinite.
  testsupport::TempDir dir;
  testsupport::WriteFile(dir.Path() / "t.csv",
                         "#,huge,H,D,E,0.5,\"tovel,3e38,1\"\n"
                         "#,endless,H,D,E,0.25,\"happiness,0.1,1e39\"\n"
                         "#,edge,H,D,E,0.25,\"stress,-999,0.5\"\n");
  SIM_CharacterType::LoadAll((dir.Path() / "t.csv").string());
  ASSERT_EQ(SIM_CharacterType::All().size(), 3u);
  for (const char* name : {"huge", "endless"}) {
    const SIM_CharacterType* type = SIM_CharacterType::Find(name);
    EXPECT_EQ(type->GetEffectName(), "") << name;
    EXPECT_EQ(type->GetEffectAmount(), 0.0f) << name;
  }
  EXPECT_FLOAT_EQ(SIM_CharacterType::Find("edge")->GetEffectAmount(), -999.0f);
  SIM_CharacterType::DeleteAll();
}

TEST(MemoryTest, FadesTowardsNeutralAndIsForgotten) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir.Path() / "c.txt", "[config]\nGV_EVENT_MEMORY_DECAY=0.1\n");
  SIM_GlobalVariables::Instance().Load((dir.Path() / "c.txt").string());
  SIM_SocialiseType* a = reinterpret_cast<SIM_SocialiseType*>(0x10);
  SIM_Memory m;
  EXPECT_FLOAT_EQ(m.GetHappinessFor(a), 0.5f);
  m.Add(a, 0.1f);
  EXPECT_FLOAT_EQ(m.GetHappinessFor(a), 0.1f);
  m.Items()[0]->strength = 0.5f;
  EXPECT_FLOAT_EQ(m.GetHappinessFor(a), 0.3f);
  m.Add(a, 0.1f);
  EXPECT_EQ(m.Items().size(), 1u);
  EXPECT_FLOAT_EQ(m.GetHappinessFor(a), 0.1f);
  m.Add(nullptr, 0.2f);
  EXPECT_EQ(m.Items().size(), 1u);
  for (int day = 1; day <= 28; ++day) m.DailyUpdate();
  EXPECT_EQ(m.Items().size(), 1u);
  m.DailyUpdate();
  EXPECT_TRUE(m.Items().empty());
  SIM_GlobalVariables::Instance().Load();
}

}  // namespace

namespace {

TEST_F(PeopleTest, ANewGameOrALoadedGameStartsWithoutTheDaysFriend) {
  // A friend made today blocks another until tomorrow; that day ends with its game (a loaded
  // game has the saved day's own).
  const auto makeFriendToday = [&] {
    SIM_Relationship* r = SIM_Relationship::Create(SIM_Vesk::Instance(), Stranger());
    for (int i = 0; i < 3; ++i) r->AddEveningTogether();
    SIM_Relationship::ClearFriendMadeToday();
    r->ChangeStrength(0.9f);
    ASSERT_TRUE(SIM_Relationship::IsFriendMadeToday());
  };
  const std::string savedBefore = SIM_SaveGame::BuildText();
  makeFriendToday();
  const std::string savedAfter = SIM_SaveGame::BuildText();
  SIM_SIM::Instance().NewGame();
  EXPECT_FALSE(SIM_Relationship::IsFriendMadeToday());

  makeFriendToday();
  ASSERT_TRUE(SIM_LoadGame::LoadText(savedBefore));
  EXPECT_FALSE(SIM_Relationship::IsFriendMadeToday());
  ASSERT_TRUE(SIM_LoadGame::LoadText(savedAfter));
  EXPECT_TRUE(SIM_Relationship::IsFriendMadeToday());
}

}  // namespace

namespace {

// One day of the characters' own step with only `host` free to act; the number of
// invitations it sent.
int HostDays(SIM_NPC* host, int days) {
  int invitations = 0;
  for (int d = 0; d < days; ++d) {
    for (SIM_NPC* npc : SIM_NPC::All()) npc->SetSnubDelay(npc == host ? 0 : 1000000);
    host->SetVeskDays(1000);  // the chance by days known is at its top
    host->SetInvitedToday(false);
    SIM_NPC::DailyAll();
    invitations += static_cast<int>(SIM_SocialInvitation::All().size());
    SIM_SocialInvitation::DeleteAll();
  }
  return invitations;
}

}  // namespace

TEST_F(PeopleTest, ACharactersDayInvitesByBondAndFriendsAndOffersItsJobOnce) {
  SIM_SocialiseType* type = SIM_SocialiseType::Add("drinks");
  type->maxGuests = 10;
  type->interests = {{"drinking", 1.0f}};
  SIM_NPC* host = nullptr;
  for (SIM_NPC* n : SIM_NPC::All())
    if (n->IsFriendOfPlayer()) host = n;
  ASSERT_NE(host, nullptr);
  if (!host->HasInterestNamed("drinking")) host->AddInterest(SIM_InterestType::Find("drinking"));
  ASSERT_EQ(Friends(), 3);
  host->FindRelationship(player)->SetStrength(0.9f);

  // A snubbed character waits out its delay, a day at a time, before it asks again.
  for (SIM_NPC* npc : SIM_NPC::All()) npc->SetSnubDelay(npc == host ? 3 : 1000000);
  host->SetVeskDays(1000);
  for (int d = 0; d < 3; ++d) {
    SIM_NPC::DailyAll();
    EXPECT_TRUE(SIM_SocialInvitation::All().empty()) << d;
    EXPECT_EQ(host->GetSnubDelay(), 2 - d);
  }

  // With up to three friends the chance is the bond's strength; five divide it by three.
  const int days = 600;
  const double alone = static_cast<double>(HostDays(host, days)) / days;
  EXPECT_GT(alone, 0.82);
  for (int i = 0; i < 2; ++i) SIM_Relationship::Create(player, Stranger())->SetFriendship(true);
  ASSERT_EQ(Friends(), 5);
  const double shared = static_cast<double>(HostDays(host, days)) / days;
  EXPECT_GT(shared, 0.25);
  EXPECT_LT(shared, 0.35);

  // A day without an invitation may bring the offer of the character's job, once.
  SIM_JobBase* job = SIM_JobBase::FindDefaultJob();
  ASSERT_NE(job, nullptr);
  host->SetUnlockableJob(job);
  host->FindRelationship(player)->SetStrength(0.0f);
  host->FindRelationship(player)->SetFriendship(true);
  ClearTracedCalls();
  HostDays(host, 200);
  EXPECT_TRUE(host->IsUnlockOffered());
  EXPECT_EQ(std::count(TracedCalls().begin(), TracedCalls().end(), "GUI_Email::AddJobUnlock"), 1);
}

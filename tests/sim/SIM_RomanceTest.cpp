// Romance, the characters' invitations and the subsidies, small talk and rumours.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/CallTrace.h"
#include "engine/ConfigFile.h"
#include "engine/Translate.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Vesk.h"
#include "sim/SimTestWorld.h"
#include "support/RecordingScreens.h"

namespace {

std::vector<std::string> SectionTexts(const char* section) {
  std::vector<std::string> texts;
  for (const ConfigEntry& entry : GetCachedConfig(section, "data/strings.ini")->GetEntries())
    texts.push_back(entry.value);
  return texts;
}

int Count(const std::string& call) {
  return static_cast<int>(std::count(TracedCalls().begin(), TracedCalls().end(), call));
}

float GV(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

class RomanceWorldTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    player = SIM_Vesk::Instance();
    difficulty = SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
  }
  void TearDown() override {
    SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, difficulty);
    SIM_SocialInvitation::DeleteAll();
    SIM_Subsidies::Clear();
    SIM_Romance::Reset();
    SimWorldTest::TearDown();
  }
  SIM_NPC* Friend(size_t skip = 0) {
    for (SIM_NPC* npc : SIM_NPC::All())
      if (npc->IsFriendOfPlayer() && skip-- == 0) {
        npc->SetCash(100.0f);
        return npc;
      }
    return nullptr;
  }
  SIM_Relationship* Bond(SIM_NPC* npc) { return player->FindRelationship(npc); }

  SIM_Vesk* player = nullptr;
  float difficulty = 0.0f;
};

// ---- Romance ----

using RomanceTest = RomanceWorldTest;

TEST_F(RomanceTest, APartnerChangeStartsAfreshWhileTheSamePartnerKeepsTheCynicism) {
  SIM_Romance& romance = SIM_Romance::Instance();
  EXPECT_TRUE(GlobalNamedValues().Has("_romance"));  // a new game sets it to 0, not absent
  EXPECT_EQ(GlobalNamedValues().GetValue("_romance"), 0.0f);
  SIM_NPC* a = Friend();
  SIM_NPC* b = Friend(1);
  romance.Restore(a, 12, 0.5f);
  EXPECT_EQ(GlobalNamedValues().GetValue("_romance"), 1.0f);
  romance.SetPartner(a);  // as a load of old does: the same partner
  EXPECT_EQ(romance.GetCynicism(), 0.5f);
  EXPECT_EQ(romance.GetDuration(), 0);
  romance.SetPartner(b);
  EXPECT_EQ(romance.GetCynicism(), 0.0f);
  EXPECT_TRUE(romance.IsPartner(b));
  romance.Restore(b, 3, 0.75f);
  SIM_Romance::Reset();  // as a new game does
  EXPECT_FALSE(romance.HasPartner());
  EXPECT_EQ(romance.GetCynicism(), 0.0f);
  EXPECT_EQ(GlobalNamedValues().GetValue("_romance"), 0.0f);
}

TEST_F(RomanceTest, GiftsWearThinFromTheFullBoostAndAWarmAnswerToNothingAndTheLastAnswer) {
  SIM_Romance& romance = SIM_Romance::Instance();
  SIM_NPC* partner = Friend();
  partner->SetAttraction(0.75f);  // the bond scales a partner's gains by attraction + 0.25: 1
  SIM_Relationship* r = Bond(partner);
  r->SetStrength(0.5f);
  romance.Restore(partner, 3, 0.0f);
  const std::vector<std::string> answers = SectionTexts("ROMANCE_GIFT");
  ASSERT_GE(answers.size(), 3u);
  ClearTracedCalls();
  romance.GiveGift();
  EXPECT_NEAR(r->GetStrength(), 0.5f + GV("GV_GIFT_REL_BOOST"), 1e-6);
  EXPECT_EQ(Count("GUI_Email::AddNPCMessage " + answers.front()), 1);
  EXPECT_NEAR(romance.GetCynicism(), GV("GV_GIFT_CYNICISM"), 1e-6);

  romance.Restore(partner, 3, 1.0f);
  const float before = r->GetStrength();
  ClearTracedCalls();
  romance.GiveGift();
  EXPECT_FLOAT_EQ(r->GetStrength(), before);
  EXPECT_EQ(Count("GUI_Email::AddNPCMessage " + answers.back()), 1);
  EXPECT_EQ(romance.GetCynicism(), 1.0f);

  // Without a partner, or a bond with them, a gift does nothing.
  SIM_Romance::Reset();
  ClearTracedCalls();
  romance.GiveGift();
  EXPECT_TRUE(TracedCalls().empty());
}

TEST_F(RomanceTest, TheDailyLiftFollowsTheBondAboveTheBustUpAndNeverTurnsIntoAPenalty) {
  SIM_Romance& romance = SIM_Romance::Instance();
  SIM_NPC* partner = Friend();
  SIM_Relationship* r = Bond(partner);
  const float b = GV("GV_ROMANCE_BUSTUP_THRESHHOLD");
  r->SetStrength(1.0f);
  romance.Restore(partner, 0, 0.5f);
  romance.Process();
  EXPECT_NEAR(romance.GetCynicism(), 0.46f, 1e-6);
  EXPECT_EQ(romance.GetDuration(), 1);
  for (int i = 1; i < 10; ++i) romance.Process();
  EXPECT_NEAR(romance.GetCynicism(), 0.217f, 1e-3);
  std::vector<const SIM_Effect*> lifts = PlayerEffects("happiness", "romance");
  ASSERT_EQ(lifts.size(), 10u);
  EXPECT_NEAR(lifts.front()->GetAmount(), GV("GV_ROMANCE_HAPP_EFFECT"), 1e-6);

  // At the threshold, and below it (a load does not check), the day lifts nothing.
  for (float s : {b, b - 0.2f}) {
    r->SetStrength(s);
    romance.Process();
    lifts = PlayerEffects("happiness", "romance");
    EXPECT_EQ(lifts.back()->GetAmount(), 0.0f) << s;
    const std::vector<const SIM_Effect*> lonely = PlayerEffects("loneliness", "romance");
    EXPECT_EQ(lonely.back()->GetAmount(), 0.0f) << s;
  }
  // A day without a bond with the partner is skipped.
  const int duration = romance.GetDuration();
  r->Detach();
  romance.Process();
  EXPECT_EQ(romance.GetDuration(), duration);
}

TEST_F(RomanceTest, BeingDumpedHurtsAndEndsTheOffersWhileDumpingSendsThePartnerAway) {
  SIM_Romance& romance = SIM_Romance::Instance();
  SIM_NPC* partner = Friend();
  partner->SetAttraction(0.8f);
  romance.SetPartner(partner);
  ClearTracedCalls();
  romance.DumpedByPartner();
  EXPECT_FALSE(romance.HasPartner());
  EXPECT_EQ(partner->GetAttraction(), 0.0f);
  EXPECT_FALSE(partner->IsRemoved());  // the former partner stays in the player's world
  EXPECT_EQ(GlobalNamedValues().GetValue("_romance"), 0.0f);
  ASSERT_EQ(PlayerEffects("happiness", "dumped").size(), 1u);
  EXPECT_FLOAT_EQ(PlayerEffects("happiness", "dumped")[0]->GetAmount(), GV("GV_DUMPED_HAPP_EFFECT"));
  EXPECT_EQ(PlayerEffects("loneliness", "dumped").size(), 1u);
  EXPECT_EQ(PlayerEffects("confidence", "dumped").size(), 1u);
  const std::string text = TracedCalls().empty() ? "" : TracedCalls().front();
  EXPECT_EQ(text.rfind("ShowNPCMessage ", 0), 0u);
  EXPECT_EQ(text.find("<VESKSNAME>"), std::string::npos);

  // Attraction 0: the bond may grow as it likes, no offer comes.
  SIM_Relationship* r = Bond(partner);
  for (int i = 0; i < 5; ++i) r->AddEveningTogether();
  ClearTracedCalls();
  r->ChangeStrength(0.9f);
  EXPECT_EQ(Count("GUI_RomanticOffer::Open"), 0);
  partner->SetAttraction(1.0f);
  r->ChangeStrength(0.01f);
  EXPECT_EQ(Count("GUI_RomanticOffer::Open"), 1);

  SIM_NPC* next = Friend(1);
  romance.SetPartner(next);
  romance.DumpPartner();
  EXPECT_FALSE(romance.HasPartner());
  EXPECT_TRUE(next->IsRemoved());
  EXPECT_EQ(Bond(next), nullptr);
  EXPECT_TRUE(PlayerEffects("happiness", "dumped").size() == 1u);  // dumping costs the player nothing
}

// ---- Invitations and subsidies ----

class InvitationTest : public RomanceWorldTest {
 protected:
  void SetUp() override {
    RomanceWorldTest::SetUp();
    SIM_SocialiseType::ClearForTesting();
    type = SIM_SocialiseType::Add("darts");
    type->category = "GAME";
    type->cost = 30;
    type->hostCost = 45;
    type->inviteText = "a game of darts";
    host = Friend();
    guest = Friend(1);
    SIM_Finances::Instance().SetCash(500.0f);
  }
  SIM_SocialInvitation* Invite(int kind) {
    SIM_SocialInvitation* invitation = SIM_SocialInvitation::Create(host, type, kind);
    invitation->AddGuest(host);
    invitation->AddGuest(guest);
    return invitation;
  }

  SIM_SocialiseType* type = nullptr;
  SIM_NPC* host = nullptr;
  SIM_NPC* guest = nullptr;
};

TEST_F(InvitationTest, AcceptingPaysTheOfferBindsAnImportantHostCountsAndTakesTheItem) {
  SIM_SocialInvitation* normal = Invite(0);
  EXPECT_EQ(normal->GetPlayerCost(), 30);
  EXPECT_TRUE(normal->IsOpen());
  SIM_SocialInvitation* important = Invite(SIM_SocialInvitation::kImportant);
  important->SetPayOffer(true);
  EXPECT_EQ(important->GetPlayerCost(), 0);
  SIM_Relationship* r = Bond(host);
  r->SetStrength(0.5f);
  const float balance = r->GetBalance();
  const int accepted = SIM_Statistics::Instance().GetInt(10);
  ClearTracedCalls();
  important->Accept();
  EXPECT_TRUE(important->IsAccepted());
  EXPECT_FLOAT_EQ(host->GetCash(), 70.0f);
  EXPECT_FLOAT_EQ(r->GetBalance(), balance - 30.0f);
  EXPECT_GT(r->GetStrength(), 0.5f);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(10), accepted + 1);
  EXPECT_EQ(Count("GUI_Email::RemoveInvitation"), 1);

  // The day ends: the accepted one is not lapsed, the open one is, once.
  const int lapsed = SIM_Statistics::Instance().GetInt(9);
  SIM_SocialInvitation::LapseAllOpen();
  SIM_SocialInvitation::LapseAllOpen();
  EXPECT_TRUE(normal->IsLapsed());
  EXPECT_FALSE(important->IsLapsed());
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(9), lapsed + 1);

  // An important invitation from someone without a bond with the player still counts.
  SIM_NPC* stranger = SIM_NPC::Create(0);
  SIM_SocialInvitation* fromStranger =
      SIM_SocialInvitation::Create(stranger, type, SIM_SocialInvitation::kImportant);
  fromStranger->Accept();
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(10), accepted + 2);
  EXPECT_EQ(stranger->FindRelationship(player), nullptr);

  // The next day deletes them all.
  SIM_SIM::Instance().NextDay();
  for (const SIM_SocialInvitation* left : SIM_SocialInvitation::All())
    EXPECT_TRUE(left != normal && left != important && left != fromStranger);
}

TEST_F(InvitationTest, ALapseSnubsTheHostAndTheEveningGoesAheadWithoutThePlayer) {
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 1.0f);
  Bond(host)->SetStrength(0.9f);
  host->SetSnubCount(0);
  SIM_SocialInvitation* invitation = Invite(0);
  const float hostSkill = host->GetNamedValue("darts"), guestSkill = guest->GetNamedValue("darts");
  const int lapsed = SIM_Statistics::Instance().GetInt(9);
  invitation->Lapse();
  EXPECT_EQ(host->GetSnubCount(), 1);
  EXPECT_GE(host->GetSnubDelay(), 5);
  EXPECT_FLOAT_EQ(host->GetCash(), 100.0f - 45.0f);  // the host's own share
  EXPECT_FLOAT_EQ(guest->GetCash(), 100.0f - 30.0f);
  EXPECT_GT(host->GetNamedValue("darts"), hostSkill);  // a game evening: both got better
  EXPECT_GT(guest->GetNamedValue("darts"), guestSkill);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(9), lapsed + 1);

  // At the easiest setting a player who could not pay is not held to blame; at any other
  // setting they are.
  SIM_Finances::Instance().SetCash(30.0f);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.0f);
  host->SetSnubCount(0);
  Invite(0)->Lapse();
  EXPECT_EQ(host->GetSnubCount(), 0);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.5f);
  Invite(0)->Lapse();
  EXPECT_EQ(host->GetSnubCount(), 1);
  // A character's cash never goes below 0 when it pays.
  host->SetCash(10.0f);
  Invite(0)->Lapse();
  EXPECT_FLOAT_EQ(host->GetCash(), 0.0f);
}

TEST_F(InvitationTest, TheHeadlessPlayerGoesToOneAffordableEveningADayAndTakesEveryRomance) {
  SIM_HeadlessScreens& screens = testsupport::RecordingScreens::Instance();
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetPhase(PHASE_ACTIVITIES);
  sim.SetActs(2, 0);
  SIM_SocialiseType* dear = SIM_SocialiseType::Add("opera");
  dear->category = "BEER";
  dear->cost = 900;
  SIM_SocialInvitation* tooDear = SIM_SocialInvitation::Create(host, dear, 0);
  tooDear->AddGuest(host);
  SIM_SocialInvitation* first = Invite(0);
  SIM_SocialInvitation* second = Invite(0);
  SIM_NPC* admirer = Friend(2);
  ASSERT_NE(admirer, nullptr);
  SIM_Romance::Instance().OfferRomance(admirer);
  EXPECT_EQ(screens.OpenRomanticOfferFrom(), admirer);

  screens.AnswerScreens();
  EXPECT_TRUE(tooDear->IsOpen());
  EXPECT_TRUE(first->IsAccepted());
  EXPECT_TRUE(second->IsOpen());
  EXPECT_EQ(sim.GetActsUsed(), 1);  // the evening used its slot
  EXPECT_TRUE(SIM_Romance::Instance().IsPartner(admirer));
  EXPECT_EQ(screens.OpenWindows(), 0);
  screens.AnswerScreens();  // one evening out a day
  EXPECT_TRUE(second->IsOpen());
  // The rest lapse when the day's slots are used.
  sim.EndAct();
  EXPECT_TRUE(second->IsLapsed());
  EXPECT_TRUE(tooDear->IsLapsed());
}

// One rule on every road onto an evening: once the partner has ended the romance herself,
// her romantic invitation of the day is no longer acceptable (the headless player leaves it)
// and will not start, and no romantic outing can be booked with her.
TEST_F(InvitationTest, OnceThePartnerEndsItNoRoadLeadsToHerRomanticEvening) {
  SIM_SocialiseType* dinner = SIM_SocialiseType::Add("dinner");
  dinner->category = "ROMANTIC";
  dinner->cost = 20;
  dinner->maxGuests = 2;
  SIM_Romance::Instance().SetPartner(host);
  SIM_SocialInvitation* invitation = SIM_SocialInvitation::Create(host, dinner, 0);
  invitation->AddGuest(host);
  ASSERT_EQ(invitation->WhyNotAcceptable(), nullptr);
  ASSERT_TRUE(dinner->HasPlaceFor({}, host));
  SIM_Romance::Instance().DumpedByPartner();

  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetPhase(PHASE_ACTIVITIES);
  sim.SetActs(2, 0);
  const size_t evenings = SIM_SocialiseInstance::All().size();
  EXPECT_FALSE(dinner->HasPlaceFor({}, host));  // the booking, and paying for her there
  EXPECT_EQ(SIM_SocialiseInstance::StartEvening({host}, dinner, player), nullptr);
  EXPECT_STREQ(invitation->WhyNotAcceptable(), "WHY_ROMANCE_OVER");
  EXPECT_EQ(SIM_SocialiseInstance::StartFromInvitation(invitation, host), nullptr);
  testsupport::RecordingScreens::Instance().AnswerScreens();
  EXPECT_TRUE(invitation->IsOpen());
  EXPECT_EQ(sim.GetActsUsed(), 0);
  EXPECT_EQ(SIM_SocialiseInstance::All().size(), evenings);
}

TEST_F(InvitationTest, AnInviterWhoLeftThePlayersWorldIsNeitherSnubbedNorSaved) {
  SIM_SocialInvitation* invitation = Invite(0);
  const int lapsed = SIM_Statistics::Instance().GetInt(9);
  host->Remove();
  SIM_SocialInvitation::LapseAllOpen();
  EXPECT_TRUE(invitation->IsOpen());
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(9), lapsed);
  EXPECT_TRUE(SIM_SaveGame::Capture().invitations.empty());
}

TEST_F(InvitationTest, TheLetterFillsEachPlaceholderOnceAndKeepsLongTextsWhole) {
  SIM_SmallTalk::Clear();
  SIM_SocialInvitation* plain = Invite(0);
  plain->BuildText();
  const std::string offer = Translate("SOCIAL_PAYOFFER");
  EXPECT_NE(plain->GetText().find("a game of darts"), std::string::npos);
  EXPECT_EQ(plain->GetText().find('<'), std::string::npos) << plain->GetText();
  EXPECT_EQ(plain->GetText().find(offer), std::string::npos);
  const std::vector<std::string> normal = SectionTexts("SIGNOFF_NORMAL");
  EXPECT_TRUE(std::any_of(normal.begin(), normal.end(), [&](const std::string& s) {
    return plain->GetText().find(s) != std::string::npos;
  }));
  SIM_SocialInvitation* paid = Invite(SIM_SocialInvitation::kImportant);
  paid->SetPayOffer(true);
  paid->BuildText();
  EXPECT_NE(paid->GetText().find(offer), std::string::npos);
  const std::vector<std::string> important = SectionTexts("SIGNOFF_IMPORTANT");
  EXPECT_TRUE(std::any_of(important.begin(), important.end(), [&](const std::string& s) {
    return paid->GetText().find(s) != std::string::npos;
  }));

  // Far past any old buffer: nothing is cut.
  type->inviteText = std::string(3000, 'x') + " and a long walk home";
  SIM_SocialInvitation* longOne = Invite(0);
  longOne->BuildText();
  EXPECT_NE(longOne->GetText().find(type->inviteText), std::string::npos);
}

TEST_F(InvitationTest, SubsidiesAreEachPaidByThePlayerAndStrengthenTheBond) {
  SIM_Relationship* r = Bond(host);
  r->SetStrength(0.5f);
  host->SetCash(0.0f);
  SIM_NPC* stranger = SIM_NPC::Create(1);
  stranger->SetCash(0.0f);
  SIM_Subsidies::Add(host);
  SIM_Subsidies::Add(stranger);
  const float balance = r->GetBalance();
  // The evening that starts takes the list; none is left for the next.
  const std::vector<SIM_NPC*> subsidised = SIM_Subsidies::Take();
  EXPECT_TRUE(SIM_Subsidies::All().empty());
  SIM_Subsidies::PayFor(subsidised, 25);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 450.0f);  // twice
  // The shares go to the evening, not into the guests' pockets.
  EXPECT_FLOAT_EQ(host->GetCash(), 0.0f);
  EXPECT_FLOAT_EQ(stranger->GetCash(), 0.0f);
  EXPECT_GT(r->GetStrength(), 0.5f);
  EXPECT_FLOAT_EQ(r->GetBalance(), balance + 25.0f);
}

// ---- Small talk and rumours ----

using SmallTalkTest = RomanceWorldTest;

TEST_F(SmallTalkTest, NewsRunsItsDaysAndTheTopicsFollowTheWorld) {
  SIM_SmallTalk::Clear();
  SIM_SmallTalk::AddNews("SMALLTALK_PROMOTION", 4);
  int offered = 0;
  for (int day = 0; day < 5; ++day) {
    SIM_SmallTalk::DailyUpdate();
    const auto& topics = SIM_SmallTalk::Topics();
    offered += static_cast<int>(std::count(topics.begin(), topics.end(), "SMALLTALK_PROMOTION"));
    EXPECT_EQ(std::count(topics.begin(), topics.end(), "SMALLTALK_DEFAULT"), 1);
  }
  // Counted down before the list is made: four days give three lists.
  EXPECT_EQ(offered, 3);

  SetGlobalValue("dog", 1.0f);
  SIM_Finances::Instance().SetCash(1000.0f);
  SIM_SmallTalk::DailyUpdate();
  std::vector<std::string> topics = SIM_SmallTalk::Topics();
  EXPECT_EQ(std::count(topics.begin(), topics.end(), "SMALLTALK_DOG"), 1);
  EXPECT_EQ(std::count(topics.begin(), topics.end(), "SMALLTALK_WEALTHY"), 0);  // exactly 1000
  SIM_Finances::Instance().SetCash(1000.5f);
  SIM_SmallTalk::DailyUpdate();
  topics = SIM_SmallTalk::Topics();
  EXPECT_EQ(std::count(topics.begin(), topics.end(), "SMALLTALK_WEALTHY"), 1);
  // The weather is a one-day record, whatever the weather.
  EXPECT_EQ(std::count_if(topics.begin(), topics.end(), [](const std::string& t) {
              return t.rfind("SMALLTALK_WEATHER_", 0) == 0;
            }),
            1);
  SetGlobalValue("dog", 0.0f);
}

TEST_F(SmallTalkTest, LinesComeFromTheTopicsSectionsWithNameAndSalutation) {
  // No topics at all (a load of a file without them): the default line, never a division by 0.
  SIM_SmallTalk::Clear();
  SIM_NPC* npc = Friend();
  const std::string line = SIM_SmallTalk::GetLine(npc);
  EXPECT_FALSE(line.empty());
  EXPECT_EQ(line.find('<'), std::string::npos) << line;
  EXPECT_NE(line.find(player->GetForename()), std::string::npos) << line;

  auto in = [](const std::string& text, const char* section) {
    const std::vector<std::string> texts = SectionTexts(section);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  };
  npc->SetDemands(0.0f, 0.0f, 0.329f);
  EXPECT_TRUE(in(SIM_SmallTalk::GetSalutation(npc), "SMALLTALK_SALUTATION_LOWER"));
  npc->SetDemands(0.0f, 0.0f, 0.33f);
  EXPECT_TRUE(in(SIM_SmallTalk::GetSalutation(npc), "SMALLTALK_SALUTATION_MIDDLE"));
  npc->SetDemands(0.0f, 0.0f, 0.66f);
  EXPECT_TRUE(in(SIM_SmallTalk::GetSalutation(npc), "SMALLTALK_SALUTATION_UPPER"));
}

TEST_F(SmallTalkTest, RumoursArePickedFromTheListAndGoByKind) {
  SIM_Rumour::DeleteAll();
  EXPECT_EQ(SIM_Rumour::PickRandom(), nullptr);
  SIM_Rumour* film = SIM_Rumour::Create("the film is dire", SIM_Rumour::kFilms);
  SIM_Rumour::Create("the curry is hot", SIM_Rumour::kRestaurants);
  SIM_Rumour::Create("the sequel is worse", SIM_Rumour::kFilms);
  for (int i = 0; i < 20; ++i) EXPECT_NE(SIM_Rumour::PickRandom(), nullptr);
  EXPECT_EQ(SIM_Rumour::TextOf(film), "the film is dire");
  SIM_Rumour::RemoveAllFor(SIM_Rumour::kFilms);
  ASSERT_EQ(SIM_Rumour::All().size(), 1u);
  EXPECT_EQ(SIM_Rumour::All()[0]->GetText(), "the curry is hot");
  // A report that picked a rumour since gone shows nothing rather than reading it.
  EXPECT_EQ(SIM_Rumour::TextOf(film), "");
  SIM_Rumour::DeleteAll();
  EXPECT_TRUE(SIM_Rumour::All().empty());
}

}  // namespace

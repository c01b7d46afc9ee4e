// Social evenings: the kinds of evening read from their table, what a character proposes,
// and what an evening does to money, relationships, standing, memories and the report.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/CallTrace.h"
#include "engine/ConfigFile.h"
#include "engine/Translate.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "sim/SimTestWorld.h"

namespace {

// An evening whose reports a test writes itself, to rate the standing rule alone.
class RatedEvening : public SIM_SocialiseInstance {
 public:
  void AddVerdict(float overall) {
    reports_.push_back(std::make_unique<SIM_SocialiseReport>(nullptr, type_));
    reports_.back()->overall = overall;
  }
};

class SocialTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    SIM_SocialiseType::ClearForTesting();
    player = SIM_Vesk::Instance();
  }

  // A character of the world who is the player's friend, with money for an evening.
  SIM_NPC* Friend(size_t skip = 0) {
    for (SIM_NPC* npc : SIM_NPC::All())
      if (npc->IsFriendOfPlayer() && skip-- == 0) {
        npc->SetCash(100.0f);
        return npc;
      }
    return nullptr;
  }
  SIM_SocialiseType* Plain(const std::string& name, int cost) {
    SIM_SocialiseType* type = SIM_SocialiseType::Add(name);
    type->category = "BEER";
    type->cost = cost;
    type->minGuests = 2;
    return type;
  }
  static std::vector<std::string> SectionTexts(const char* section) {
    std::vector<std::string> texts;
    for (const ConfigEntry& entry : GetCachedConfig(section, "data/strings.ini")->GetEntries())
      texts.push_back(entry.value);
    return texts;
  }

  SIM_Vesk* player = nullptr;
};

TEST_F(SocialTest, ARowFillsEveryFieldWithItsMarkersAndItsThreeRuns) {
  const auto type = SIM_SocialiseType::FromRow(
      "#,GAME,darts,T_DARTS,X_DARTS,N_GAME,\"LOUD,SOCFLAG_HOMEBASED\",thud.ogg,\"happiness,0.5\","
      "I_DARTS,0,VARIABLE,2,5,1,0,1,0,0,0,0,3,-1,0,\"sport,0.5\",\"drinking,0.25\",#,"
      "\"happiness,0.05,0.5\",#,\"_energy,0.4\"\n");
  ASSERT_NE(type, nullptr);
  EXPECT_EQ(type->GetCategory(), "GAME");
  EXPECT_EQ(type->GetName(), "darts");
  EXPECT_EQ(type->GetGuiName(), "T_DARTS");
  EXPECT_EQ(type->GetNoun(), "N_GAME");
  EXPECT_EQ(type->GetStartSound(), "thud.ogg");
  EXPECT_EQ(type->GetInviteText(), "I_DARTS");
  EXPECT_TRUE(type->homeBased);
  EXPECT_EQ(type->cost, SIM_SocialiseType::kVariableCost);
  EXPECT_EQ(type->GetCost(), 20);
  EXPECT_EQ(type->GetHostCost(), 20);  // no host cost: the variable cost, resolved
  EXPECT_EQ(type->GetFirstMonth(), 2);
  EXPECT_EQ(type->GetLastMonth(), 5);
  EXPECT_TRUE(type->IsDayEnabled(0));
  EXPECT_FALSE(type->IsDayEnabled(1));
  EXPECT_TRUE(type->IsDayEnabled(2));
  EXPECT_EQ(type->minGuests, 3);
  EXPECT_EQ(type->maxGuests, 99);
  ASSERT_EQ(type->GetInterests().size(), 2u);
  EXPECT_EQ(type->GetInterests()[1].first, "drinking");
  EXPECT_FLOAT_EQ(type->GetInterests()[1].second, 0.25f);
  ASSERT_EQ(type->GetModifiers().size(), 1u);
  ASSERT_EQ(type->GetPrerequisites().size(), 1u);
  EXPECT_EQ(type->GetPrerequisites()[0]->GetName(), "_energy");
  ASSERT_EQ(type->GetQualityFactors().size(), 1u);

  // A one-character flag field is no flag; the marker's case matters; a host cost counts.
  const auto other = SIM_SocialiseType::FromRow(
      "#,BEER,pub,T,X,N,X,,,I,15,12,-1,-1,1,1,1,1,1,1,1,2,6,0,#,#\n");
  ASSERT_NE(other, nullptr);
  EXPECT_FALSE(other->homeBased);
  EXPECT_EQ(other->GetCost(), 12);
  EXPECT_EQ(other->GetHostCost(), 15);
  EXPECT_EQ(other->maxGuests, 6);
  EXPECT_TRUE(other->GetInterests().empty());
  EXPECT_EQ(SIM_SocialiseType::FromRow("#,BEER,,T\n"), nullptr);
  EXPECT_FALSE(SIM_SocialiseType::FromRow("#,BEER,x,T,X,N,socflag_homebased\n")->homeBased);
}

TEST_F(SocialTest, AnEmptyOrMissingTableFailsSoftly) {
  SIM_SocialiseType::LoadAll("data/simulation/no_such_table.csv");
  EXPECT_TRUE(SIM_SocialiseType::All().empty());
  EXPECT_EQ(SIM_SocialiseType::PickRandom(), nullptr);
  EXPECT_EQ(SIM_SocialiseType::FindByName("pub"), nullptr);
  EXPECT_EQ(SIM_SocialiseType::ChooseForNpc(nullptr), nullptr);
  SIM_SocialiseType* pub = Plain("pub", 10);
  EXPECT_EQ(SIM_SocialiseType::PickRandom(), pub);
  EXPECT_EQ(SIM_SocialiseType::FindByName("pub"), pub);
}

TEST_F(SocialTest, TooTiredWhenTheEnergyThresholdReachesThePlayersEnergy) {
  SIM_SocialiseType* club = Plain("club", 10);
  EXPECT_FALSE(club->IsTooTired());  // no energy prerequisite
  club->AddPrerequisite("_energy,0.4", false, false);
  SIM_NamedValue* energy = player->Attributes().Find("_energy");
  ASSERT_NE(energy, nullptr);
  energy->SetValue(0.4f);
  EXPECT_TRUE(club->IsTooTired());
  energy->SetValue(0.41f);
  EXPECT_FALSE(club->IsTooTired());
}

TEST_F(SocialTest, CharactersProposeWhatTheyAndTheirFriendsLikeAndCanPay) {
  SIM_NPC* host = Friend();
  ASSERT_NE(host, nullptr);
  host->ClearInterests();
  host->AddInterest(SIM_InterestType::Find("drinking"));
  // Appeals to nobody: the friends' interests are drawn at random.
  SIM_SocialiseType* dull = Plain("museum", 0);
  dull->interests = {{"no_such_interest", 1.0f}};
  SIM_SocialiseType* pub = Plain("pub", 30);
  pub->interests = {{"drinking", 0.8f}};
  SIM_SocialiseType* date = Plain("date", 0);
  date->category = "ROMANTIC";
  EXPECT_EQ(SIM_SocialiseType::ChooseForNpc(host), pub);  // a romance only with the partner
  host->SetCash(29.0f);
  EXPECT_NE(SIM_SocialiseType::ChooseForNpc(host), pub);  // cannot pay
  host->SetCash(100.0f);
  host->GetBoredom()->AddBoredom("pub", 1.0f);
  EXPECT_NE(SIM_SocialiseType::ChooseForNpc(host), pub);  // bored of it
  SIM_Romance::Instance().SetPartner(host);
  EXPECT_EQ(SIM_SocialiseType::ChooseForNpc(host), date);
}

TEST_F(SocialTest, TheInvitationRuleTakesEachPersonOnceUpToTheSizeAndOnlyThePartnerForARomance) {
  SIM_NPC* a = Friend(0);
  SIM_NPC* b = Friend(1);
  ASSERT_NE(b, nullptr);
  SIM_SocialiseType* pub = Plain("pub", 10);
  pub->maxGuests = 2;  // the player and one guest
  std::vector<SIM_Person*> invitees;
  ASSERT_TRUE(pub->CanInvite(invitees, a));
  invitees.push_back(a);
  EXPECT_FALSE(pub->CanInvite(invitees, a));
  EXPECT_FALSE(pub->CanInvite(invitees, b));  // full
  pub->maxGuests = 99;
  EXPECT_TRUE(pub->CanInvite(invitees, b));
  SIM_NPC* stranger = SIM_NPC::Create(2);
  EXPECT_FALSE(pub->CanInvite(invitees, stranger));  // never introduced
  for (int i = 0; i < 9; ++i) invitees.push_back(player);
  EXPECT_FALSE(pub->CanInvite(invitees, b));  // ten guests at most
  SIM_SocialiseType* date = Plain("date", 0);
  date->category = "ROMANTIC";
  EXPECT_FALSE(date->CanInvite({}, a));
  SIM_Romance::Instance().SetPartner(a);
  EXPECT_TRUE(date->CanInvite({}, a));
}

TEST_F(SocialTest, AnEveningUsesTheSlotPaysMovesEveryoneAndIsReported) {
  SIM_NPC* guest = Friend();
  ASSERT_NE(guest, nullptr);
  SIM_SocialiseType* pub = Plain("pub", SIM_SocialiseType::kVariableCost);
  pub->noun = "SOCIAL_NOUN_MEAL";
  SIM_Finances::Instance().SetCash(100.0f);
  const int evenings = SIM_Statistics::Instance().GetInt(3);
  const int actsUsed = SIM_SIM::Instance().GetActsUsed();
  const float loneliness = player->GetValue("loneliness");
  ClearTracedCalls();

  SIM_SocialiseInstance* evening =
      SIM_SocialiseInstance::StartEvening({guest}, pub, SIM_Vesk::Instance());
  ASSERT_NE(evening, nullptr);
  // A variable price no venue set is paid as 20, by the player and by the guest.
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 80.0f);
  EXPECT_FLOAT_EQ(guest->GetCash(), 80.0f);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), actsUsed + 1);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(3), evenings + 1);
  EXPECT_LT(player->GetValue("loneliness"), loneliness);
  EXPECT_GT(guest->GetBoredom()->GetBoredom("pub"), 0.5f);
  EXPECT_EQ(guest->GetVeskDays(), 0);
  EXPECT_TRUE(std::count(TracedCalls().begin(), TracedCalls().end(), "GUI_PostMortem::Open") == 1);
  ASSERT_EQ(guest->GetMemory()->Items().size(), 1u);
  EXPECT_EQ(guest->GetMemory()->Items()[0]->type, pub);

  // One guest: chemistry 0.5 and nobody to have got on with, so the no-chemistry text.
  ASSERT_EQ(evening->Reports().size(), 1u);
  const SIM_SocialiseReport& report = *evening->Reports()[0];
  EXPECT_FLOAT_EQ(report.chemistry, 0.5f);
  EXPECT_EQ(report.bestMatch, nullptr);
  const std::string chemistry = report.GetChemistryText();
  const auto texts = SectionTexts("POSTMORTEM_NOCHEMISTRY");
  const bool fromSection = std::any_of(texts.begin(), texts.end(), [&](std::string text) {
    const size_t at = text.find("<GENDER>");
    if (at != std::string::npos) text = text.substr(at + 8);
    return !text.empty() && chemistry.find(text) != std::string::npos;
  });
  EXPECT_TRUE(fromSection) << chemistry;
  EXPECT_EQ(report.overallText.find("<NAME>"), std::string::npos);
  EXPECT_NE(report.overallText.find(guest->GetFullName()), std::string::npos);
  EXPECT_FALSE(report.activityText.empty());
  const std::string quality = report.GetQualityText();
  EXPECT_EQ(quality.find("<NOUN>"), std::string::npos);
  EXPECT_NE(quality.find(Translate("SOCIAL_NOUN_MEAL")), std::string::npos) << quality;
  const float expected = std::clamp(
      (report.mood + report.quality + report.activityMatch + report.chemistry) * 0.25f, 0.0f, 1.0f);
  EXPECT_FLOAT_EQ(report.overall, expected);
}

TEST_F(SocialTest, StandingRunsTwoFourEightSixteenAndNewKindsEarnABonusOnce) {
  SIM_SocialiseType* pub = Plain("pub", 0);
  auto rate = [&](const std::vector<float>& verdicts) {
    RatedEvening evening;
    evening.SetType(pub);
    for (float v : verdicts) evening.AddVerdict(v);
    const bool fresh = evening.ComputeTovel();
    return std::make_pair(evening.GetTovelValue(), fresh ? evening.GetNoveltyBonus() : -1.0f);
  };
  EXPECT_EQ(rate({0.9f}), std::make_pair(2.0f, 1.0f));  // the first pub evening is new
  EXPECT_FLOAT_EQ(rate({0.9f, 0.9f}).first, 4.0f);
  EXPECT_FLOAT_EQ(rate({0.9f, 0.9f, 0.9f}).first, 8.0f);
  EXPECT_FLOAT_EQ(rate({0.9f, 0.9f, 0.9f, 0.9f}).first, 16.0f);
  EXPECT_FLOAT_EQ(rate({0.9f, 0.9f, 0.9f, 0.9f, 0.9f}).first, 16.0f);  // capped
  EXPECT_FLOAT_EQ(rate({0.9f, 0.3f}).first, 1.0f);
  EXPECT_FLOAT_EQ(rate({0.5f}).first, -1.0f);  // exactly a half is not liked; no floor
  EXPECT_FLOAT_EQ(rate({}).first, 0.0f);
  EXPECT_FLOAT_EQ(rate({0.9f}).second, -1.0f);  // no second bonus
}

TEST_F(SocialTest, ACharactersEveningIsAtLeastHalfGoodAndEarnsThePlayerNoStanding) {
  SIM_NPC* host = Friend();
  ASSERT_NE(host, nullptr);
  SIM_SocialiseType* pub = Plain("pub", 0);  // no quality factors: quality 0 unless raised
  const float standing = SIM_Tovel::Instance().GetComponent(1);
  SIM_SocialiseInstance* evening = SIM_SocialiseInstance::StartEvening({host}, pub, host);
  EXPECT_FLOAT_EQ(evening->GetQuality(), 0.5f);
  EXPECT_FLOAT_EQ(SIM_Tovel::Instance().GetComponent(1), standing);
  EXPECT_GE(evening->Reports()[0]->activityMatch, 0.5f);  // the organiser's own evening
  SIM_Person* other = nullptr;
  const bool date = evening->IsDate(other);
  EXPECT_EQ(other, host);
  EXPECT_EQ(date, host->GetGender() != player->GetGender());

  // The player's own evening of a kind never tried earns its bonus in the standing.
  SIM_SocialiseType* club = Plain("club", 0);
  const float before = SIM_Tovel::Instance().GetComponent(1);
  SIM_SocialiseInstance* own = SIM_SocialiseInstance::StartEvening({host}, club, player);
  EXPECT_FLOAT_EQ(own->GetNoveltyBonus(), 1.0f);
  EXPECT_NEAR(SIM_Tovel::Instance().GetComponent(1), std::max(before + own->GetTotalTovel(), 0.0f),
              1e-4);
}

TEST_F(SocialTest, AnEveningWithoutThePartnerHurtsTheRomanceAndADateElsewhereIsReported) {
  SIM_NPC* partner = Friend(0);
  SIM_NPC* other = Friend(1);
  ASSERT_NE(other, nullptr);
  SIM_Romance::Instance().SetPartner(partner);
  // A partner feels gains at attraction + 0.25 and losses at 1.25 - attraction.
  partner->SetAttraction(0.75f);
  SIM_Relationship* bond = player->FindRelationship(partner);
  ASSERT_NE(bond, nullptr);
  bond->SetStrength(0.8f);
  SIM_SocialiseType* pub = Plain("pub", 0);
  ClearTracedCalls();
  SIM_SocialiseInstance::StartEvening({other}, pub, player);
  SIM_Person* dated = nullptr;
  const bool date = SIM_SocialiseInstance::All().back()->IsDate(dated);
  EXPECT_NEAR(bond->GetStrength(), date ? 0.775f : 0.75f, 1e-4);
  bool reported = false;
  for (const std::string& call : TracedCalls())
    if (call.rfind("ShowNPCMessage ", 0) == 0) reported = true;
  EXPECT_EQ(reported, date);
  // The partner among the guests: nothing said.
  const float kept = bond->GetStrength();
  ClearTracedCalls();
  SIM_SocialiseInstance* together =
      SIM_SocialiseInstance::StartEvening({partner}, Plain("club", 0), player);
  const float boost = together->Reports()[0]->relationshipBoost;
  EXPECT_NEAR(bond->GetStrength(), kept + (boost > 0.0f ? boost : boost * 0.5f), 1e-4);
  EXPECT_FALSE(std::any_of(TracedCalls().begin(), TracedCalls().end(), [](const std::string& c) {
    return c.rfind("ShowNPCMessage ", 0) == 0;
  }));
}

}  // namespace

namespace {

class SocialRatingTest : public SocialTest {};

// A guest who rates the evening below one half thinks less of the player, by half of the
// shortfall shared among the guests; a friend just above the loss line is lost by it.
TEST_F(SocialRatingTest, AnEveningRatedBelowHalfWeakensTheFriendshipAndCanEndIt) {
  SIM_NPC* guest = Friend();
  ASSERT_NE(guest, nullptr);
  SIM_Relationship* bond = player->FindRelationship(guest);
  ASSERT_NE(bond, nullptr);
  bond->SetStrength(0.5f);
  player->SetValue("happiness", 0.0f);  // a glum host
  SIM_Finances::Instance().SetCash(100.0f);
  SIM_SIM::Instance().SetActs(2, 0);
  SIM_SocialiseInstance* evening =
      SIM_SocialiseInstance::StartEvening({guest}, Plain("dull", 0), player);
  ASSERT_NE(evening, nullptr);
  const SIM_SocialiseReport& report = *evening->Reports()[0];
  ASSERT_LT(report.overall, 0.5f);
  EXPECT_NEAR(report.relationshipBoost, (report.overall - 0.5f) * 0.5f, 1e-6f);
  EXPECT_NEAR(bond->GetStrength(), 0.5f + report.relationshipBoost, 1e-5f);
  EXPECT_FALSE(report.enjoyed);

  // The same evening with a friend barely holding on ends the friendship: the friend leaves.
  const float threshold = SIM_GlobalVariables::Instance().Get("GV_FRIEND_LOST_THRESHHOLD");
  bond->SetStrength(threshold + 0.001f);
  const int lost = SIM_Relationship::GetFriendsLost();
  SIM_SIM::Instance().SetActs(2, 0);
  SIM_SocialiseInstance::StartEvening({guest}, Plain("duller", 0), player);
  EXPECT_EQ(SIM_Relationship::GetFriendsLost(), lost + 1);
  EXPECT_TRUE(guest->IsRemoved());
  EXPECT_FALSE(guest->IsFriendOfPlayer());
}

// A new kind of evening the guest disliked is worth -1 and its bonus +1. At the floor the
// loss would have been cut anyway: the bonus changed nothing, and the report credits it with
// nothing. Above the floor it made up the loss, and is credited with it.
TEST_F(SocialRatingTest, TheBonusIsCreditedOnlyWithTheChangeItMade) {
  SIM_NPC* guest = Friend();
  ASSERT_NE(guest, nullptr);
  player->FindRelationship(guest)->SetStrength(0.9f);
  player->SetValue("happiness", 0.0f);
  for (const auto& [earned, bonus] : {std::pair{0.0f, 0.0f}, std::pair{10.0f, 1.0f}}) {
    SCOPED_TRACE(earned);
    SIM_Tovel::Instance().SetEarned(earned);
    SIM_SIM::Instance().SetActs(2, 0);
    SIM_SocialiseInstance* evening = SIM_SocialiseInstance::StartEvening(
        {guest}, Plain(earned > 0.0f ? "duller" : "dull", 0), player);
    ASSERT_NE(evening, nullptr);
    ASSERT_FLOAT_EQ(evening->GetTovelValue(), -1.0f);
    ASSERT_FLOAT_EQ(evening->GetNoveltyBonus(), 1.0f);
    EXPECT_FLOAT_EQ(evening->GetStandingEarned(), 0.0f);
    EXPECT_FLOAT_EQ(evening->GetBonusEarned(), bonus);
  }
}

}  // namespace

namespace {

// People skills grow from an evening with more than three guests who all rated it at least
// one half.
TEST_F(SocialTest, PeopleSkillsGrowFromMoreThanThreeGuestsWhoAllHadAGoodEnoughEvening) {
  // Each content guest cares for one of the party's five draws and shares nothing with the
  // others: a mood of 1, quality 0, activity 1 and chemistry 0 rate it exactly one half. A
  // guest who cares for none of it rates it a quarter.
  const char* draws[] = {"outdoors", "videogames", "films", "art", "books"};
  SIM_SocialiseType* party = Plain("party", 0);
  party->maxGuests = 99;
  for (const char* draw : draws) party->interests.push_back({draw, 1.0f});
  const float boost = SIM_GlobalVariables::Instance().Get("SOCIAL_PEOPLESKILLS_BOOST");
  ASSERT_GT(boost, 0.0f);

  const struct {
    const char* what;
    int content;
    int indifferent;
    bool grows;
  } cases[] = {
      {"three guests, all content", 3, 0, false},
      {"four guests, all content", 4, 0, true},
      {"five guests, all content", 5, 0, true},
      {"four guests, one indifferent", 3, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<SIM_Person*> guests;
    for (int i = 0; i < c.content + c.indifferent; ++i) {
      SIM_NPC* guest = SIM_NPC::Create(i % 2);
      guest->ClearInterests();
      if (i < c.content) guest->AddInterest(SIM_InterestType::Find(draws[i]));
      guests.push_back(guest);
    }
    player->SetValue("happiness", 1.0f);
    player->SetValue("peopleskills", 0.5f);
    SIM_SIM::Instance().SetActs(2, 0);
    SIM_SocialiseInstance* evening = SIM_SocialiseInstance::StartEvening(guests, party, player);
    ASSERT_NE(evening, nullptr);
    for (size_t i = 0; i < guests.size(); ++i)
      ASSERT_FLOAT_EQ(evening->Reports()[i]->overall, static_cast<int>(i) < c.content ? 0.5f : 0.25f);
    EXPECT_FLOAT_EQ(player->GetValue("peopleskills"), c.grows ? 0.5f + boost : 0.5f);
  }
}

// Who the player was paying for belongs to the game that is thrown away.
using SubsidyWorldTest = SimWorldTest;

TEST_F(SubsidyWorldTest, ANewGameOrALoadForgetsWhoThePlayerWasPayingFor) {
  const std::string saved = SIM_SaveGame::BuildText();
  const struct {
    const char* what;
    std::function<bool()> reset;
  } resets[] = {
      {"new game", [] { SIM_SIM::Instance().NewGame(); return true; }},
      {"load", [&saved] { return SIM_LoadGame::LoadText(saved); }},
  };
  for (const auto& r : resets) {
    SCOPED_TRACE(r.what);
    ASSERT_FALSE(SIM_NPC::All().empty());
    SIM_Subsidies::Add(SIM_NPC::All().front());
    ASSERT_TRUE(r.reset());
    EXPECT_TRUE(SIM_Subsidies::All().empty());
  }
}

}  // namespace

namespace {

// The report agrees with the evening: over evenings good and poor, with a bill and without,
// a character's line (and its effect on the player) shows for every character type, with the
// guest's name and never a key, but a grump or a worrier only on an evening they did not
// enjoy and the worrier's bill only with a bill; and the mood line never has a guest who
// found the evening a let-down love every minute.
TEST_F(SocialTest, TheReportLinesAgreeWithTheEveningForEveryCharacterType) {
  SIM_NPC* guest = Friend();
  ASSERT_NE(guest, nullptr);
  SIM_Relationship* bond = player->FindRelationship(guest);
  ASSERT_NE(bond, nullptr);
  SIM_CharacterType* kept = guest->GetCharacterType();
  ASSERT_FALSE(SIM_CharacterType::All().empty());
  const std::string billLine = Translate("CHARTYPE_WORRIER_EVENING");
  const std::vector<std::string> moods = SectionTexts("post_mortem_mood");
  ASSERT_EQ(moods.size(), 5u);
  ResetMissingTexts();
  for (SIM_CharacterType* type : SIM_CharacterType::All()) {
    SCOPED_TRACE(type->GetName());
    guest->SetCharacterType(type);
    bool described = false;
    for (const bool guestHosts : {true, false})
      for (const float happiness : {0.0f, 1.0f})
        for (const int cost : {0, 10}) {
          guest->SetCash(100.0f);
          bond->SetStrength(0.9f);
          SIM_Finances::Instance().SetCash(100.0f);
          player->SetValue("happiness", happiness);
          SIM_SIM::Instance().SetActs(2, 0);
          const char* effect = type->GetEffectName().c_str();
          const size_t effects = PlayerEffects(effect, guest->GetFullName()).size();
          SIM_SocialiseInstance* evening = SIM_SocialiseInstance::StartEvening(
              {guest}, Plain("outing" + std::to_string(cost), cost), guestHosts ? static_cast<SIM_Person*>(guest) : player);
          ASSERT_NE(evening, nullptr);
          ASSERT_EQ(evening->Reports().size(), 1u);
          const SIM_SocialiseReport& report = *evening->Reports()[0];
          const std::string& line = report.characterText;
          // The line is the report of the character's effect: both or neither.
          EXPECT_EQ(!line.empty(),
                    PlayerEffects(effect, guest->GetFullName()).size() > effects)
              << line;
          const std::string& mood = report.chemistryOrMoodText;
          if (report.overall < 0.5f) {
            EXPECT_EQ(mood.find(moods[4].substr(moods[4].find("<GENDER>") + 8)),
                      std::string::npos)
                << report.overallText << " / " << mood;
            EXPECT_EQ(mood.find(moods[3].substr(moods[3].find("<GENDER>") + 8)),
                      std::string::npos)
                << report.overallText << " / " << mood;
          }
          if (line.empty()) continue;
          described = true;
          EXPECT_NE(line.find(guest->GetFullName()), std::string::npos) << line;
          EXPECT_EQ(line.find("CHARTYPE_"), std::string::npos) << line;
          EXPECT_EQ(line.find('<'), std::string::npos) << line;
          if (type->GetName() == "grump" || type->GetName() == "worrier") {
            EXPECT_FALSE(report.enjoyed) << report.overallText << " / " << line;
          }
          if (line.find(billLine.substr(billLine.find('>') + 1)) != std::string::npos) {
            EXPECT_GT(cost, 0) << line;
          }
        }
    EXPECT_EQ(described, type->GetEffectAmount() != 0.0f);
  }
  EXPECT_EQ(MissingTextCount(), 0) << MissingTexts().front().key;
  guest->SetCharacterType(kept);
}

}  // namespace

// The venues of a social evening: the pub's brawl, the night club's music, game night's
// match, the casino's spins, bowling and its team, the films and the restaurants.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/CallTrace.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Venues.h"
#include "sim/SIM_Vesk.h"
#include "sim/SimTestWorld.h"
#include "sim/HOOK_Achievements.h"
#include "support/RecordingScreens.h"

namespace {

bool Called(const std::string& call) {
  return std::count(TracedCalls().begin(), TracedCalls().end(), call) > 0;
}

int CountStarting(const std::string& prefix) {
  return static_cast<int>(std::count_if(TracedCalls().begin(), TracedCalls().end(),
                                        [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
}

float GV(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

// A character's skill at a game, made when missing.
void SetSkill(SIM_NPC* npc, const std::string& name, float value) {
  if (SIM_NamedValue* v = npc->NamedValues().Find(name)) {
    v->SetValue(value);
  } else {
    npc->NamedValues().Add(new SIM_NamedValue(name, "nv_" + name, value));
  }
}

// A world with the shipped tables and a friend to take out (the test program records sounds).
class VenueTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    player = SIM_Vesk::Instance();
    SIM_Finances::Instance().SetCash(500.0f);
    for (SIM_NPC* npc : SIM_NPC::All())
      if (npc->IsFriendOfPlayer()) {
        guest = npc;
        break;
      }
    if (!guest && !SIM_NPC::All().empty()) guest = SIM_NPC::All().front();
    ClearTracedCalls();
  }

  SIM_SocialiseType* Type(const std::string& name) {
    SIM_SocialiseType* type = SIM_SocialiseType::FindByName(name);
    EXPECT_NE(type, nullptr) << name;
    return type;
  }
  // An evening of the type with the guest, organised by the player, not yet run.
  template <class T>
  T* Evening(const std::string& typeName, bool withGuest = true) {
    auto* evening = dynamic_cast<T*>(SIM_SocialiseInstance::CreateForType(Type(typeName)));
    EXPECT_NE(evening, nullptr) << typeName;
    if (!evening) return nullptr;
    if (withGuest && guest) evening->AddInvitee(guest);
    evening->SetOrganiser(player);
    evening->SetCost(evening->GetType()->cost);
    return evening;
  }

  SIM_Vesk* player = nullptr;
  SIM_NPC* guest = nullptr;
};

// ---- The pub, the night club, game night and the casino ----

using DrinksAndGamesTest = VenueTest;

TEST_F(DrinksAndGamesTest, EachCategoryMakesItsOwnKindOfEvening) {
  EXPECT_NE(dynamic_cast<SIM_BeerInstance*>(SIM_SocialiseInstance::CreateForType(Type("pub"))), nullptr);
  EXPECT_NE(dynamic_cast<SIM_NightclubInstance*>(SIM_SocialiseInstance::CreateForType(Type("nightclub"))), nullptr);
  EXPECT_NE(dynamic_cast<SIM_RouletteInstance*>(SIM_SocialiseInstance::CreateForType(Type("casino"))), nullptr);
  EXPECT_NE(dynamic_cast<SIM_BowlingInstance*>(SIM_SocialiseInstance::CreateForType(Type("bowling"))), nullptr);
  EXPECT_NE(dynamic_cast<SIM_GameInstance*>(SIM_SocialiseInstance::CreateForType(Type("chess"))), nullptr);
  EXPECT_NE(dynamic_cast<SIM_MovieInstance*>(SIM_SocialiseInstance::CreateForType(Type("cinema"))), nullptr);
  EXPECT_NE(dynamic_cast<SIM_RestaurantInstance*>(SIM_SocialiseInstance::CreateForType(Type("curryhouse"))), nullptr);
  auto* plain = SIM_SocialiseInstance::CreateForType(Type("picnic"));
  EXPECT_EQ(dynamic_cast<SIM_GameInstance*>(plain), nullptr);
  EXPECT_EQ(dynamic_cast<SIM_BeerInstance*>(plain), nullptr);
}

TEST_F(DrinksAndGamesTest, OnlyADrunkDrinkerBrawlsAndTheChanceStopsAtEightTenths) {
  player->SetValue("alcohol", 1.0f);
  player->SetValue("stress", 1.0f);
  player->SetValue("happiness", 0.0f);
  SetGlobalValue("alcoholic", 0.0f);
  EXPECT_EQ(SIM_BeerInstance::BrawlChance(), 0.0f);
  SIM_BeerInstance sober;
  for (int i = 0; i < 50; ++i) EXPECT_FALSE(sober.IsBrawl());

  SetGlobalValue("alcoholic", 1.0f);
  EXPECT_FLOAT_EQ(SIM_BeerInstance::BrawlChance(), 0.8f);
  player->SetValue("alcohol", 0.74f);
  EXPECT_EQ(SIM_BeerInstance::BrawlChance(), 0.0f);
  player->SetValue("alcohol", 0.9f);
  player->SetValue("stress", 0.1f);
  player->SetValue("happiness", 0.8f);
  EXPECT_NEAR(SIM_BeerInstance::BrawlChance(), 0.3f, 1e-5f);
}

TEST_F(DrinksAndGamesTest, ABrawlUsesTheSlotChargesTheResolvedPriceAndReportsWithTheSiren) {
  ASSERT_NE(guest, nullptr);
  SIM_SocialiseType* pub = Type("pub");
  // A variable price at the bar, to see it resolved.
  const int hostCost = pub->hostCost;
  pub->hostCost = SIM_SocialiseType::kVariableCost;
  SIM_Tovel::Instance().Add(50.0f);
  const float earned = SIM_Tovel::Instance().GetComponent(1);
  const float guestCash = guest->GetCash();
  const int evenings = SIM_Statistics::Instance().GetInt(3);
  const int acts = SIM_SIM::Instance().GetActsUsed();
  SIM_Relationship* r = player->FindRelationship(guest);
  const float strength = r ? r->GetStrength() : 0.0f;
  auto* evening = Evening<SIM_BeerInstance>("pub");
  ClearTracedCalls();
  evening->Brawl();

  // The organiser pays the host price; a variable one is paid at its usual 20, never -99.
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(),
                  500.0f - static_cast<float>(SIM_SocialiseType::kVariableCostValue));
  EXPECT_FLOAT_EQ(guest->GetCash(), guestCash);
  EXPECT_NEAR(SIM_Tovel::Instance().GetComponent(1), earned + GV("GV_BRAWL_TOVELLOSS"), 1e-3f);
  ASSERT_NE(player->FindRelationship(guest), nullptr);
  EXPECT_LT(player->FindRelationship(guest)->GetStrength(), std::max(strength, 0.0f) + 1e-6f);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), acts + 1);
  // No rating, report or statistics: the police report instead.
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(3), evenings);
  EXPECT_TRUE(evening->Reports().empty());
  EXPECT_TRUE(Called("GUI_BeerPostMortem::Open"));
  EXPECT_FALSE(Called("GUI_PostMortem::Open"));
  EXPECT_TRUE(IsAchievementUnlocked("ACH_PUB_DRUNKFIGHT"));
  pub->hostCost = hostCost;
}

TEST_F(DrinksAndGamesTest, ABrawlMakesNoBondWithAGuestWhoHasLeftTheWorld) {
  auto* evening = Evening<SIM_BeerInstance>("pub", false);
  SIM_NPC* gone = SIM_NPC::Create(0);
  evening->AddInvitee(gone);
  gone->Remove();
  evening->Brawl();
  EXPECT_EQ(player->FindRelationship(gone), nullptr);
}

TEST_F(DrinksAndGamesTest, TheNightClubPlaysDanceMusicBeforeTheEvening) {
  auto* evening = Evening<SIM_NightclubInstance>("nightclub");
  EXPECT_EQ(evening->GetPicture(), "nightclub.jpg");
  evening->Run();
  const auto& calls = TracedCalls();
  const auto music = std::find(calls.begin(), calls.end(),
                               "GUI_Sounds::PlayNightclubMusic data/sounds/dancemusic.ogg");
  const auto report = std::find(calls.begin(), calls.end(), "GUI_PostMortem::Open");
  ASSERT_NE(music, calls.end());
  EXPECT_LT(music, report);
  // The shipped club's arrival sound is its own: the music as an effect as well would play
  // the track twice over itself.
  const std::string arrival = "GUI_Sounds::PlaySound data/sounds/" + evening->GetType()->GetStartSound();
  EXPECT_FALSE(evening->GetType()->GetStartSound().empty());
  EXPECT_LT(std::find(calls.begin(), calls.end(), arrival), music);
  EXPECT_EQ(CountStarting("GUI_Sounds::PlaySound data/sounds/dancemusic.ogg"), 0);
}

TEST_F(DrinksAndGamesTest, AMatchIsWonOnSkillAndAlonePlayerPlaysAnEvenMatch) {
  ASSERT_NE(guest, nullptr);
  // Alone, the mean is an even 0.5 and the chance stays a number.
  auto* alone = Evening<SIM_GameInstance>("chess", false);
  EXPECT_FLOAT_EQ(alone->MeanOpponentSkill(), 0.5f);
  player->SetValue("chess", 0.5f);
  const float chance = alone->PlayMatch();
  EXPECT_FALSE(std::isnan(chance));
  EXPECT_NEAR(chance, 0.5f, 0.1001f);
  EXPECT_FALSE(std::isnan(player->GetValue("confidence")));

  // Far better than the guest: always a win, reported, with a confidence gain.
  SetSkill(guest, "chess", 0.0f);
  player->SetValue("chess", 0.9f);
  player->SetValue("alcohol", 0.0f);
  const float confidence = player->GetValue("confidence");
  auto* evening = Evening<SIM_GameInstance>("chess");
  ClearTracedCalls();
  evening->Run();
  EXPECT_FLOAT_EQ(evening->GetWinChance(), 1.0f);
  EXPECT_TRUE(Called(std::string("GUI_PostMortem::AddLine ") + Translate("POSTMORTEM_GAME_WON")));
  EXPECT_GT(player->GetValue("confidence"), confidence);

  // Far worse: lost.
  player->SetValue("chess", 0.0f);
  SetSkill(guest, "chess", 1.0f);
  auto* lost = Evening<SIM_GameInstance>("chess");
  ClearTracedCalls();
  lost->ShowPostMortem();
  EXPECT_FLOAT_EQ(lost->GetWinChance(), 0.0f);
  EXPECT_TRUE(Called(std::string("GUI_PostMortem::AddLine ") + Translate("POSTMORTEM_GAME_LOST")));
}

// The report calls a match won only when the chance was above one half: a dead-even match
// is reported lost and leaves the player's confidence where it was.
TEST_F(DrinksAndGamesTest, AMatchIsWonOnlyAboveAnEvenChance) {
  ASSERT_NE(guest, nullptr);
  player->SetValue("alcohol", 0.0f);
  const struct {
    const char* what;
    float edge;  // the win chance less one half
    const char* line;
    int confidence;  // the sign of the change
  } cases[] = {
      {"a little better", 0.05f, "POSTMORTEM_GAME_WON", 1},
      {"dead even", 0.0f, "POSTMORTEM_GAME_LOST", 0},
      {"a little worse", -0.05f, "POSTMORTEM_GAME_LOST", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // Skills that put the match at one half plus the edge with the draw the match will take
    // (a draw that float rounding moves off the mark is skipped).
    SIM_GameInstance* evening = nullptr;
    float confidence = 0.0f;
    for (int attempt = 0; attempt < 16 && !evening; ++attempt) {
      const uint32_t state = GetRandomState();
      const float draw = RandomFloat(-0.1f, 0.1f);
      SetRandomState(state);
      SetSkill(guest, "chess", 0.5f);
      player->SetValue("chess", 0.5f + c.edge - draw);
      confidence = player->GetValue("confidence");
      auto* match = Evening<SIM_GameInstance>("chess");
      ClearTracedCalls();
      match->ShowPostMortem();
      if (c.edge != 0.0f || match->GetWinChance() == 0.5f) {
        evening = match;
      } else {
        RandomInt();
      }
    }
    ASSERT_NE(evening, nullptr);
    EXPECT_NEAR(evening->GetWinChance(), 0.5f + c.edge, 1e-5f);
    EXPECT_TRUE(Called(std::string("GUI_PostMortem::AddLine ") + Translate(c.line)));
    const float change = player->GetValue("confidence") - confidence;
    EXPECT_EQ((change > 0.0f) - (change < 0.0f), c.confidence) << change;
  }
}

TEST_F(DrinksAndGamesTest, RouletteWaitsForItsWindowCountsFiveSpinsAndRatesTheWinnings) {
  auto* evening = Evening<SIM_RouletteInstance>("casino");
  const int acts = SIM_SIM::Instance().GetActsUsed();
  const int winnings = SIM_Statistics::Instance().GetInt(8);
  evening->Run();
  EXPECT_TRUE(Called("GUI_Roulette::Open"));
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), acts);  // the slot waits for the window

  evening->RateEvening();
  EXPECT_FLOAT_EQ(evening->GetQuality(), 0.5f);
  const int spins[] = {10, -5, 20, 50, -25};
  for (int amount : spins) {
    ASSERT_TRUE(evening->CanSpin());
    evening->AddSpinResult(amount);
  }
  EXPECT_FALSE(evening->CanSpin());
  evening->AddSpinResult(30);  // a sixth spin is ignored
  EXPECT_EQ(evening->GetSpinsMade(), 5);
  EXPECT_EQ(evening->GetTotalWinnings(), 50);
  EXPECT_EQ(evening->GetSpinResult(1), -5);
  EXPECT_EQ(evening->GetSpinResult(7), 0);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(8), winnings + 50);
  EXPECT_EQ(CountStarting("GUI_Sounds::PlaySound data/sounds/ahh.ogg"), 2);
  EXPECT_EQ(CountStarting("GUI_Sounds::PlaySound data/sounds/ooh.ogg"), 3);
  evening->RateEvening();
  EXPECT_FLOAT_EQ(evening->GetQuality(), 1.0f);

  evening->Complete();
  evening->Complete();  // once only
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), acts + 1);
  EXPECT_EQ(CountStarting("GUI_PostMortem::Open"), 1);
}

TEST_F(DrinksAndGamesTest, ANewGameClosesTheVenueWindowsBeforeTheirEveningsGo) {
  auto* evening = Evening<SIM_RouletteInstance>("casino");
  evening->Run();
  const int acts = SIM_SIM::Instance().GetActsUsed();
  ClearTracedCalls();
  SIM_SIM::Instance().NewGame();
  EXPECT_TRUE(Called("CloseVenueWindows"));
  EXPECT_TRUE(SIM_SocialiseInstance::All().empty());
  // Nothing was finished on the way out.
  EXPECT_FALSE(Called("GUI_PostMortem::Open"));
  EXPECT_LE(SIM_SIM::Instance().GetActsUsed(), acts);
}

// ---- Bowling ----

class BowlingTest : public VenueTest {
 protected:
  SIM_BowlingTeam& team = SIM_BowlingTeam::Instance();

  static int OfferedDays() {
    const SIM_SoloActivityType* match = SIM_SoloActivityType::TryFind("bowlingmatch");
    int days = 0;
    for (int d = 0; d < 7; ++d) days += match && match->IsDayEnabled(d) ? 1 : 0;
    return days;
  }
  // Moves the calendar to the weekday without running the days.
  static void SetWeekday(int day) { CurrentDate().SetDayOfWeek(day); }
};

TEST_F(BowlingTest, TheMatchIsOfferedOnExactlyOneWeekdayWhateverWasEnabledBefore) {
  EXPECT_EQ(OfferedDays(), 1);
  team.EnableMatchDay(2);
  team.EnableMatchDay(5);
  EXPECT_EQ(OfferedDays(), 1);
  EXPECT_TRUE(SIM_SoloActivityType::TryFind("bowlingmatch")->IsDayEnabled(5));
  EXPECT_EQ(team.GetMatchDay(), 5);
  // A reset offers no day until the new game picks one (a load restores its own).
  for (int i = 0; i < 3; ++i) {
    team.Reset();
    EXPECT_EQ(OfferedDays(), 0);
    team.PickMatchDay();
    EXPECT_EQ(OfferedDays(), 1);
  }
  EXPECT_EQ(team.GetMatchTitle(), SIM_SoloActivityType::TryFind("bowlingmatch")->GetGuiName());
}

TEST_F(BowlingTest, AGoodBowlerWhoNeverJoinedIsInvitedOnce) {
  player->SetValue("bowling", 0.5f);
  player->SetValue("alcohol", 1.0f);  // no skill gain on the night
  Evening<SIM_BowlingInstance>("bowling")->Run();
  EXPECT_FALSE(Called("GUI_TeamInvite::Open"));
  player->SetValue("bowling", 0.6f);
  Evening<SIM_BowlingInstance>("bowling")->Run();
  EXPECT_TRUE(Called("GUI_TeamInvite::Open"));

  team.Join();
  team.Leave();
  ClearTracedCalls();
  SIM_SIM::Instance().SetActs(5, 0);
  Evening<SIM_BowlingInstance>("bowling")->Run();
  EXPECT_FALSE(Called("GUI_TeamInvite::Open"));
}

TEST_F(BowlingTest, MembershipHoldsStandingAndLeavingWritesTheLetter) {
  const float before = SIM_Tovel::Instance().GetComponent(3);
  team.Join();
  EXPECT_TRUE(team.IsMember());
  EXPECT_TRUE(team.HasBeenOnTeam());
  EXPECT_NEAR(SIM_Tovel::Instance().GetComponent(3) - before, GV("GV_BOWLINGTEAM_TOVEL"), 1e-4f);
  EXPECT_TRUE(GlobalNamedValues().IsSet("bowlingteam"));
  EXPECT_TRUE(IsAchievementUnlocked("ACH_JOIN_BOWL"));
  team.Leave();
  EXPECT_FALSE(team.IsMember());
  EXPECT_TRUE(team.HasBeenOnTeam());
  EXPECT_NEAR(SIM_Tovel::Instance().GetComponent(3), before, 1e-4f);
  EXPECT_FALSE(team.HasMembership());
  EXPECT_TRUE(IsAchievementUnlocked("ACH_LEAVE_BOWL"));
  // Leaving twice removes nothing more.
  team.Leave();
  EXPECT_NEAR(SIM_Tovel::Instance().GetComponent(3), before, 1e-4f);
}

TEST_F(BowlingTest, TheMatchDayReminderIsPlayedOffOrEndsTheMembership) {
  team.EnableMatchDay(3);
  team.Join();
  SetWeekday(3);
  SIM_SIM::Instance().SetActs(1, 0);
  team.ShowReminder();
  EXPECT_TRUE(team.IsMatchDue());
  EXPECT_EQ(CountStarting("GUI_Postit::AddPostit"), 1);
  // The calendar entry lies 0 days ahead on the match day itself.
  const SIM_Date today = CurrentDate();
  const auto& entries = SIM_EventCalendar::Instance().Entries();
  EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [&](const auto& e) {
    return e.text == team.GetMatchTitle() && today.Equals(e.day, e.month, e.year);
  }));

  // Played: the note goes, and the next day keeps the member.
  SIM_FunctionTable::Instance().CallHook("bowlingmatch");
  EXPECT_FALSE(team.IsMatchDue());
  EXPECT_TRUE(Called("GUI_Sounds::PlaySound data/sounds/bowling.ogg"));
  SetWeekday(4);
  const float confidence = player->GetValue("confidence");
  team.DailyUpdate();
  EXPECT_TRUE(team.IsMember());
  EXPECT_GT(player->GetValue("confidence"), confidence);

  // Missed: the day after ends it with a letter.
  SetWeekday(3);
  team.ShowReminder();
  ASSERT_TRUE(team.IsMatchDue());
  SetWeekday(4);
  ClearTracedCalls();
  team.DailyUpdate();
  EXPECT_FALSE(team.IsMember());
  EXPECT_EQ(CountStarting("GUI_Email::AddTextureMessage"), 1);
  team.ShowReminder();
  EXPECT_TRUE(std::none_of(entries.begin(), entries.end(),
                           [&](const auto& e) { return e.text == team.GetMatchTitle(); }));
}

// ---- Films ----

class MovieTest : public VenueTest {
 protected:
  void TearDown() override {
    SIM_Movie::LoadAll();  // the shipped table again for the next test
    VenueTest::TearDown();
  }
  void LoadFilms(int count) {
    std::string table = "Films for a test\n";
    for (int i = 0; i < count; ++i)
      table += "#,Film " + std::to_string(i) + ",A film,0,\"happiness,0.1,0.5\"\n";
    testsupport::WriteFile(dir.Path() / "movies.csv", table);
    SIM_Movie::LoadAll((dir.Path() / "movies.csv").string());
  }
};

TEST_F(MovieTest, TheProgrammeShowsThreeFilmsRepeatingFewAndShowsNoneOfNone) {
  LoadFilms(2);
  ASSERT_EQ(SIM_Movie::All().size(), 2u);
  const auto& showing = SIM_Movie::Showing();
  for (SIM_Movie* film : showing) ASSERT_NE(film, nullptr);
  EXPECT_EQ(showing[0], showing[2]);
  EXPECT_NE(showing[0], showing[1]);
  EXPECT_EQ(SIM_Movie::All()[0]->GetModifiers().size(), 1u);

  LoadFilms(0);
  for (SIM_Movie* film : SIM_Movie::Showing()) EXPECT_EQ(film, nullptr);
  SIM_Movie::AdvanceWeeklyMovie();  // nothing to move on to
  EXPECT_TRUE(SIM_Movie::ReleaseOrder().empty());
}

TEST_F(MovieTest, TheReleaseOrderHoldsEveryFilmOnceAndMovesOnOnlyOnDayFive) {
  LoadFilms(6);
  std::vector<SIM_Movie*> order = SIM_Movie::ReleaseOrder();
  ASSERT_EQ(order.size(), 6u);
  std::sort(order.begin(), order.end());
  EXPECT_EQ(std::unique(order.begin(), order.end()), order.end());
  const auto first = SIM_Movie::Showing();
  for (int day : {0, 1, 2, 3, 4, 6}) {
    CurrentDate().SetDayOfWeek(day);
    SIM_Movie::AdvanceWeeklyMovie();
    EXPECT_EQ(SIM_Movie::GetPosition(), 0);
  }
  SIM_Rumour::Create("last week's film", SIM_Rumour::kFilms);
  SIM_Rumour::Create("a restaurant's", SIM_Rumour::kRestaurants);
  CurrentDate().SetDayOfWeek(5);
  SIM_Movie::AdvanceWeeklyMovie();
  EXPECT_EQ(SIM_Movie::GetPosition(), 1);
  EXPECT_EQ(SIM_Movie::Showing()[0], first[1]);
  EXPECT_EQ(SIM_Movie::Showing()[1], first[2]);
  // Every earlier film rumour goes before the new programme's.
  auto told = [](const std::string& text) {
    for (const SIM_Rumour* r : SIM_Rumour::All())
      if (r->GetText() == text) return true;
    return false;
  };
  EXPECT_FALSE(told("last week's film"));
  EXPECT_TRUE(told("a restaurant's"));
  for (int i = 0; i < 5; ++i) SIM_Movie::AdvanceWeeklyMovie();
  EXPECT_EQ(SIM_Movie::GetPosition(), 0);  // after the last comes the first
}

TEST_F(MovieTest, OnlyVeryGoodOrBadFilmsStartRumoursAndReviewsNeedKnowledge) {
  LoadFilms(1);
  SIM_Movie* film = SIM_Movie::All()[0].get();
  for (float q : {0.3f, 0.5f, 0.7f}) {
    film->SetQuality(q);
    EXPECT_TRUE(film->RumourText().empty()) << q;
  }
  film->SetQuality(0.1f);
  EXPECT_NE(film->RumourText().find("Film 0"), std::string::npos);
  film->SetQuality(0.9f);
  EXPECT_NE(film->RumourText().find("Film 0"), std::string::npos);

  film->SetThreshold(0.4f);
  EXPECT_EQ(film->GetReview(), "?");  // no film knowledge at all
  SetGlobalValue("glob_movieknowledge", 0.4f);
  EXPECT_EQ(film->GetReview(), "?");
  SetGlobalValue("glob_movieknowledge", 0.41f);
  EXPECT_EQ(film->GetReview(), GetNumberedString(0.9f, "MOVIE_REVIEW"));
}

TEST_F(MovieTest, WatchingAFilmMarksItSeenAppliesItAndRatesTheEveningByIt) {
  LoadFilms(3);
  SIM_Movie* film = SIM_Movie::Showing()[1];
  film->SetQuality(0.8f);
  const int seen = SIM_Statistics::Instance().GetInt(7);
  const float weight = player->GetValue("weight");
  auto* evening = Evening<SIM_MovieInstance>("cinema");
  evening->Run();
  EXPECT_TRUE(Called("GUI_MovieChooser::Open"));
  evening->SetFilm(film);
  evening->Complete();
  EXPECT_TRUE(film->IsSeen());
  EXPECT_FLOAT_EQ(evening->GetQuality(), 0.8f);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(7), seen + 1);
  EXPECT_GT(player->GetValue("weight"), weight);  // the popcorn
  EXPECT_TRUE(Called("GUI_Sounds::PlaySound data/sounds/projector.ogg"));
  evening->Complete();
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(7), seen + 1);

  // A guest's film is rated at random and counts at once.
  auto* invited = Evening<SIM_MovieInstance>("cinema");
  invited->SetOrganiser(guest);
  invited->Run();
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(7), seen + 2);
}

TEST_F(MovieTest, ARestoredProgrammeIsTheSavedOneAndABadOneChangesNothing) {
  LoadFilms(4);
  std::vector<SIM_Movie::State> states(4);
  for (int i = 0; i < 4; ++i) states[i] = {0.1f * static_cast<float>(i), 0.2f, i == 2};
  const size_t rumoursBefore = SIM_Rumour::All().size();
  ASSERT_TRUE(SIM_Movie::Restore({3, 1, 0, 2}, 2, states));
  EXPECT_EQ(SIM_Movie::GetPosition(), 2);
  EXPECT_EQ(SIM_Movie::Showing()[0], SIM_Movie::All()[0].get());
  EXPECT_EQ(SIM_Movie::Showing()[1], SIM_Movie::All()[2].get());
  EXPECT_EQ(SIM_Movie::Showing()[2], SIM_Movie::All()[3].get());
  EXPECT_TRUE(SIM_Movie::All()[2]->IsSeen());
  EXPECT_FLOAT_EQ(SIM_Movie::All()[3]->GetQuality(), 0.3f);
  EXPECT_EQ(SIM_Rumour::All().size(), rumoursBefore);  // restored, not started anew

  EXPECT_FALSE(SIM_Movie::Restore({3, 1, 1, 2}, 0, states));
  EXPECT_FALSE(SIM_Movie::Restore({3, 1, 0}, 0, states));
  EXPECT_FALSE(SIM_Movie::Restore({3, 1, 0, 2}, 4, states));
  EXPECT_EQ(SIM_Movie::GetPosition(), 2);
}

// ---- Restaurants ----

class RestaurantTest : public VenueTest {
 protected:
  void TearDown() override {
    SIM_Restaurant::LoadAll();
    VenueTest::TearDown();
  }
  SIM_Restaurant* First(SIM_RestaurantStyle style) {
    for (const auto& r : SIM_Restaurant::All())
      if (r->GetStyle() == style) return r.get();
    return nullptr;
  }
};

TEST_F(RestaurantTest, TheTableReadsEveryColumnAndABadStyleIsMarkedInvalid) {
  testsupport::WriteFile(dir.Path() / "r.csv",
                         "header\n#,curryhouse,\"Hot, and cheap\",Spice One,Menu,19.99,CHEAPO\n"
                         "#,curryhouse,Text,Odd Place,Menu,10,FANCY\n");
  auto restaurantRumours = [] {
    return std::count_if(SIM_Rumour::All().begin(), SIM_Rumour::All().end(),
                         [](const SIM_Rumour* r) { return r->GetOwner() == SIM_Rumour::kRestaurants; });
  };
  const auto rumoursBefore = restaurantRumours();
  SIM_Restaurant::LoadAll((dir.Path() / "r.csv").string());
  ASSERT_EQ(SIM_Restaurant::All().size(), 2u);
  const SIM_Restaurant& a = *SIM_Restaurant::All()[0];
  EXPECT_EQ(a.GetCuisine(), "curryhouse");
  EXPECT_EQ(a.GetText(), "Hot, and cheap");
  EXPECT_EQ(a.GetName(), "Spice One");
  EXPECT_EQ(a.GetSecondText(), "Menu");
  EXPECT_FLOAT_EQ(a.GetPrice(), 19.99f);
  EXPECT_EQ(a.GetStyle(), RESTAURANT_CHEAPO);
  EXPECT_FLOAT_EQ(a.GetTovelValue(), GV("GV_CHEAPO_RESTAURANT_TOVEL"));
  EXPECT_EQ(SIM_Restaurant::All()[1]->GetStyle(), RESTAURANT_INVALID);
  EXPECT_EQ(restaurantRumours() - rumoursBefore, 1);  // the bad style starts none
  // A bad style rolls nothing: no table, the rating kept.
  SIM_Restaurant& bad = *SIM_Restaurant::All()[1];
  for (int i = 0; i < 20; ++i) {
    bad.DailyUpdate();
    EXPECT_FALSE(bad.HasTableToday());
    EXPECT_FLOAT_EQ(bad.GetRating(), 0.5f);
  }
  EXPECT_TRUE(a.HasSameCuisine(&bad));
}

TEST_F(RestaurantTest, TablesAreScarcerAtTheWeekendAndAFoodCriticAlwaysGetsOne) {
  SIM_Restaurant* cheap = First(RESTAURANT_CHEAPO);
  ASSERT_NE(cheap, nullptr);
  auto rate = [&](int day) {
    CurrentDate().SetDayOfWeek(day);
    int tables = 0;
    for (int i = 0; i < 2000; ++i) {
      cheap->DailyUpdate();
      tables += cheap->HasTableToday() ? 1 : 0;
    }
    return tables / 2000.0;
  };
  EXPECT_NEAR(rate(4), 0.4, 0.05);
  EXPECT_NEAR(rate(1), 0.7, 0.05);

  SIM_Restaurant* snooty = First(RESTAURANT_SNOOTY);
  ASSERT_NE(snooty, nullptr);
  SIM_Finances::Instance().SetCash(0.0f);
  player->SetValue("culture", 0.0f);
  player->SetValue("exp_cooking", 0.0f);
  SIM_JobBase* critic = SIM_JobBase::FindByName("food_critic");
  ASSERT_NE(critic, nullptr);
  player->SetJob(critic);
  for (int i = 0; i < 50; ++i) {
    snooty->DailyUpdate();
    EXPECT_TRUE(snooty->HasTableToday());
  }
}

TEST_F(RestaurantTest, BookingOffersTheCuisineChargesWholePoundsAndAFullPlaceSaysSo) {
  auto* evening = Evening<SIM_RestaurantInstance>("chineserestaurant");
  evening->Run();
  EXPECT_TRUE(Called("GUI_RestaurantChooser::Open"));
  ASSERT_FALSE(evening->Candidates().empty());
  for (const SIM_Restaurant* r : evening->Candidates()) EXPECT_EQ(r->GetCuisine(), "chineserestaurant");

  SIM_Restaurant* place = evening->Candidates().front();
  place->SetTableToday(false);
  ClearTracedCalls();
  evening->SelectRestaurant(place);
  EXPECT_EQ(evening->GetChosen(), nullptr);
  EXPECT_EQ(CountStarting("ShowMessage "), 1);
  EXPECT_FALSE(Called("GUI_RestaurantChooser::Close"));

  place->SetTableToday(true);
  place->SetPrice(19.99f);
  evening->SelectRestaurant(place);
  EXPECT_EQ(evening->GetChosen(), place);
  EXPECT_EQ(evening->GetCost(), 19);
  EXPECT_TRUE(Called("GUI_RestaurantChooser::Close"));
  EXPECT_TRUE(Called("GUI_RestaurantInstance::Open"));
}

TEST_F(RestaurantTest, TheMealWineAndStandingFollowTheChoicesAndTheReportSaysSo) {
  SIM_Restaurant* snooty = First(RESTAURANT_SNOOTY);
  SIM_Restaurant* mid = First(RESTAURANT_MIDRANGE);
  ASSERT_NE(snooty, nullptr);
  ASSERT_NE(mid, nullptr);
  EXPECT_FLOAT_EQ(mid->GetTovelValue(), 0.0f);

  snooty->SetTableToday(true);
  snooty->SetRating(0.75f);
  auto* evening = Evening<SIM_RestaurantInstance>(snooty->GetCuisine());
  evening->SelectRestaurant(snooty);
  evening->SetMealChoice(SIM_RestaurantInstance::kHealthy);
  evening->SetWine(true);
  const float alcohol = player->GetValue("alcohol");
  const float earned = SIM_Tovel::Instance().GetComponent(1);
  ClearTracedCalls();
  evening->Complete();
  EXPECT_FLOAT_EQ(evening->GetQuality(), 0.75f);
  EXPECT_GT(player->GetValue("alcohol"), alcohol);
  EXPECT_TRUE(Called("GUI_Sounds::PlaySound data/sounds/wine.ogg"));
  EXPECT_GE(SIM_Tovel::Instance().GetComponent(1) - earned, snooty->GetTovelValue() - 1e-3f);
  std::string line = Translate("RESTAURANT_TOVEL_BOOST");
  line.replace(line.find("<AMOUNT>"), 8, FormatFixed(snooty->GetTovelValue(), 2));
  EXPECT_TRUE(Called("GUI_PostMortem::AddLine " + line));

  // No wine and a middling place: no wine sound and no line.
  mid->SetTableToday(true);
  auto* plain = Evening<SIM_RestaurantInstance>(mid->GetCuisine());
  plain->SelectRestaurant(mid);
  plain->SetWine(false);
  ClearTracedCalls();
  plain->Complete();
  EXPECT_FALSE(Called("GUI_Sounds::PlaySound data/sounds/wine.ogg"));
  EXPECT_EQ(CountStarting("GUI_PostMortem::AddLine"), 0);
  EXPECT_TRUE(plain->TovelLine().empty());

  // A cheap place lowers the standing: the line says so and gives the size of the fall, not
  // a "lowered by" a negative amount.
  SIM_Restaurant* cheap = First(RESTAURANT_CHEAPO);
  ASSERT_NE(cheap, nullptr);
  ASSERT_LT(cheap->GetTovelValue(), 0.0f);
  cheap->SetTableToday(true);
  auto* cheapEvening = Evening<SIM_RestaurantInstance>(cheap->GetCuisine());
  cheapEvening->SelectRestaurant(cheap);
  SIM_Tovel::Instance().SetEarned(50.0f);
  cheapEvening->Complete();
  std::string drop = Translate("RESTAURANT_TOVEL_DROP");
  drop.replace(drop.find("<AMOUNT>"), 8, FormatFixed(-cheap->GetTovelValue(), 2));
  EXPECT_EQ(cheapEvening->TovelLine(), drop);
  EXPECT_EQ(cheapEvening->TovelLine().find('-'), std::string::npos);

  // Near the floor the line tells the fall there was, and at the floor nothing at all.
  for (const float before : {1.0f, 0.0f}) {
    SCOPED_TRACE(before);
    SIM_Tovel::Instance().SetEarned(before);
    cheap->SetTableToday(true);
    auto* low = Evening<SIM_RestaurantInstance>(cheap->GetCuisine(), false);
    low->SelectRestaurant(cheap);
    ClearTracedCalls();
    low->Complete();
    std::string fell = Translate("RESTAURANT_TOVEL_DROP");
    fell.replace(fell.find("<AMOUNT>"), 8, FormatFixed(before, 2));
    EXPECT_EQ(low->TovelLine(), before > 0.0f ? fell : std::string());
    EXPECT_EQ(CountStarting("GUI_PostMortem::AddLine"), before > 0.0f ? 1 : 0);
  }
}

TEST_F(RestaurantTest, AGuestGoesStraightToTheMealAndTheHeadlessPlayerOrdersHealthy) {
  ASSERT_NE(guest, nullptr);
  auto* evening = Evening<SIM_RestaurantInstance>("curryhouse");
  evening->SetOrganiser(guest);
  const int acts = SIM_SIM::Instance().GetActsUsed();
  evening->Run();
  EXPECT_FALSE(Called("GUI_RestaurantChooser::Open"));
  EXPECT_TRUE(Called("GUI_RestaurantInstance::Open"));
  EXPECT_TRUE(evening->Candidates().empty());
  // The screens without a player answer the meal window as a simple player does.
  auto& headless = testsupport::RecordingScreens::Instance();
  headless.AnswerVenueWindows();
  EXPECT_TRUE(evening->IsComplete());
  EXPECT_EQ(evening->GetMealChoice(), SIM_RestaurantInstance::kHealthy);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), acts + 1);
  EXPECT_EQ(evening->GetChosen(), nullptr);
  EXPECT_TRUE(evening->TovelLine().empty());
  headless.AnswerVenueWindows();  // nothing left to answer
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), acts + 1);
}

// Each cuisine whose tables follow the player's taste reads a taste that its own meals raise,
// and a cuisine without one (the curry house) asks for nothing.
TEST_F(RestaurantTest, EachMealOfACuisineRaisesTheTasteItsTablesRead) {
  ASSERT_FALSE(SIM_Restaurant::CuisineTastes().empty());
  for (const auto& taste : SIM_Restaurant::CuisineTastes()) {
    SCOPED_TRACE(taste.cuisine);
    SIM_Restaurant* place = nullptr;
    for (const auto& r : SIM_Restaurant::All())
      if (r->GetCuisine() == taste.cuisine && r->GetStyle() == RESTAURANT_MIDRANGE) place = r.get();
    ASSERT_NE(place, nullptr);
    player->SetValue(taste.playerValue, 0.0f);
    EXPECT_FLOAT_EQ(place->CuisineInterest(), 0.0f);
    place->SetTableToday(true);
    for (int meal = 0; meal < 2; ++meal) {
      const float before = player->GetValue(taste.playerValue);
      auto* evening = Evening<SIM_RestaurantInstance>(taste.cuisine);
      evening->SelectRestaurant(place);
      evening->Complete();
      EXPECT_GT(player->GetValue(taste.playerValue), before);
    }
    EXPECT_FLOAT_EQ(place->CuisineInterest(), player->GetValue(taste.playerValue));
  }
  for (const auto& r : SIM_Restaurant::All()) {
    if (r->GetCuisine() != "curryhouse") continue;
    EXPECT_FLOAT_EQ(r->CuisineInterest(), 1.0f);
  }
}

// A game saved while the restaurant table was shorter, with an evening kind under a name the
// table has since given up: the saved tables do not match, so today's draw stands, and what
// remembers the old kind is let go; the game saves again to a file that loads.
TEST_F(RestaurantTest, AGameSavedWithAShorterRestaurantTableStillLoads) {
  ASSERT_NE(guest, nullptr);
  const size_t restaurants = SIM_Restaurant::All().size();
  guest->GetMemory()->Add(Type("pizzarestaurant"), 0.8f, 0.6f);
  std::string text = SIM_SaveGame::BuildText();
  for (int dropped = 0; dropped < 4; ++dropped) {
    const size_t at = text.rfind("<restaurant>");
    const std::string close = "</restaurant>\n";
    const size_t end = text.find(close, at);
    ASSERT_NE(end, std::string::npos);
    text.erase(at, end + close.size() - at);
  }
  int renamed = 0;
  for (size_t at = text.find("pizzarestaurant"); at != std::string::npos;
       at = text.find("pizzarestaurant", at)) {
    text.replace(at, std::string("pizzarestaurant").size(), "oldpizzaplace");
    ++renamed;
  }
  ASSERT_GT(renamed, 0);

  ASSERT_TRUE(SIM_LoadGame::LoadText(text)) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_Restaurant::All().size(), restaurants);
  for (const SIM_NPC* npc : SIM_NPC::All())
    for (const SIM_MemoryItem* memory : npc->GetMemory()->Items()) EXPECT_NE(memory->type, nullptr);
  const std::string again = SIM_SaveGame::BuildText();
  EXPECT_EQ(again.find("oldpizzaplace"), std::string::npos);
  ASSERT_TRUE(SIM_LoadGame::LoadText(again)) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_Restaurant::All().size(), restaurants);
}

TEST_F(DrinksAndGamesTest, TheHeadlessPlayerSpinsFiveTimesAtFiveAndStops) {
  auto* evening = Evening<SIM_RouletteInstance>("casino");
  evening->Run();
  const float cash = SIM_Finances::Instance().GetCash();
  testsupport::RecordingScreens::Instance().AnswerVenueWindows();
  EXPECT_TRUE(evening->IsComplete());
  EXPECT_EQ(evening->GetSpinsMade(), 5);
  for (unsigned i = 0; i < 5; ++i) EXPECT_EQ(std::abs(evening->GetSpinResult(i)), 5);
  // The cash moved by the spins' winnings and the evening's price, nothing else.
  const SIM_SocialiseType* type = evening->GetType();
  const int price = type->hostCost != 0 ? type->GetHostCost() : type->GetCost();
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(),
                  cash + static_cast<float>(evening->GetTotalWinnings() - price));
}

}  // namespace

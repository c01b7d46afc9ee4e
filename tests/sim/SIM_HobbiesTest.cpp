// Drinking, books, gifts, the gym, lottery tickets and the shop's rules, in a started game of
// the shipped data (rows of their own where a test needs exact ones).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/CallTrace.h"
#include "engine/Translate.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Gift.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_HeadlessPlayer.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_Gym.h"
#include "sim/SIM_LotteryTicket.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Shop.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "SimTestWorld.h"

namespace {

int Count(const std::string& call) {
  const auto& calls = TracedCalls();
  return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

// Where a call stands in the record (the record's size when it is not there).
size_t IndexOf(const std::string& call) {
  const auto& calls = TracedCalls();
  return static_cast<size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

float Global(const char* name) {
  const SIM_NamedValue* value = GlobalNamedValues().Find(name);
  return value ? value->GetValue() : -1.0f;
}

bool Has(const std::vector<SIM_Asset*>& list, const SIM_Asset* asset) {
  return std::find(list.begin(), list.end(), asset) != list.end();
}

bool HasAchievement(const char* key) {
  const auto& list = AchievementList();
  return std::find(list.begin(), list.end(), key) != list.end();
}

float GV(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

class HobbiesTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    SIM_Finances::Instance().SetCash(1000.0f);
  }
  static void Drink(float alcohol) { SIM_Vesk::Instance()->SetValue("alcohol", alcohol); }
  // One daily step of drinking with the player's alcohol at that level.
  static void DayAt(float alcohol) {
    Drink(alcohol);
    SIM_Alcohol::DailyUpdate();
  }
};

// ---- drinking ----

TEST_F(HobbiesTest, HeavyDrinkingBuildsBloodAlcoholPastOneAndThePlayerBecomesAnAlcoholic) {
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetBloodAlcohol(), 0.0f);
  // 0.75 is not heavy drinking: the blood alcohol falls (not below 0).
  SIM_Alcohol::Restore(0.0f, false, 0.5f);
  DayAt(0.75f);
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetBloodAlcohol(), std::max(0.0f, 0.5f - GV("GV_BLOODALCOHOL_RECOVER")));
  DayAt(0.0f);
  DayAt(0.0f);
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetBloodAlcohol(), 0.0f);
  SIM_Alcohol::Restore(0.0f, false, 0.2f);
  DayAt(0.76f);
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetBloodAlcohol(), 0.2f + GV("GV_BLOODALCOHOL_GAINRATE"));

  // Exactly 1.0 is not yet an alcoholic; past it is.
  SIM_Alcohol::Restore(0.0f, false, 1.0f - GV("GV_BLOODALCOHOL_GAINRATE"));
  DayAt(0.9f);
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetBloodAlcohol(), 1.0f);
  EXPECT_FALSE(SIM_Alcohol::IsAlcoholic());
  EXPECT_EQ(GlobalNamedValues().Find("alcoholic"), nullptr);
  SIM_Alcohol::Restore(0.0f, false, 1.01f - GV("GV_BLOODALCOHOL_GAINRATE"));
  ClearTracedCalls();
  DayAt(0.9f);
  EXPECT_TRUE(SIM_Alcohol::IsAlcoholic());
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetAddictionStrength(), 1.0f);
  EXPECT_FLOAT_EQ(Global("alcoholic"), 1.0f);
  // The news goes round; the message, the sound, the summary's line and the interlude come in
  // that order.
  const auto& news = SIM_SmallTalk::AllNews();
  EXPECT_TRUE(std::any_of(news.begin(), news.end(), [](const SIM_SmallTalk::News& n) {
    return n.key == "SMALLTALK_ALCOHOLICSTART";
  }));
  const std::vector<std::string> steps = {
      std::string("ShowMessage ") + Translate("BECOME_ALCOHOLIC_MESSAGE") + "|" +
          Translate("BECOME_ALCOHOLIC_TITLE"),
      "GUI_Sounds::PlaySound data/sounds/wine.ogg",
      "GUI_WorkDay::AddLine 9 0",
      "GUI_FMVScreen::Show FMV_BECOMEALCOHOLIC",
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    ASSERT_EQ(Count(steps[i]), 1) << steps[i];
    if (i > 0) {
      EXPECT_LT(IndexOf(steps[i - 1]), IndexOf(steps[i])) << steps[i];
    }
  }
  EXPECT_TRUE(HasAchievement("ACH_BECOME_ALCOHOLIC"));

  // A new game starts sober.
  SIM_SIM::Instance().NewGame();
  EXPECT_FALSE(SIM_Alcohol::IsAlcoholic());
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetAddictionStrength(), 0.0f);
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetBloodAlcohol(), 0.0f);
}

TEST_F(HobbiesTest, TheNextDayRunsTheDrinkingStep) {
  SIM_Alcohol::Restore(0.0f, false, 0.95f);
  Drink(0.9f);
  SIM_SIM::Instance().NextDay();
  EXPECT_TRUE(SIM_Alcohol::IsAlcoholic());
  EXPECT_FLOAT_EQ(Global("alcoholic"), 1.0f);
}

TEST_F(HobbiesTest, AnAlcoholicsWithdrawalRelapseAndRecovery) {
  SIM_Alcohol::Restore(1.0f, true, 1.1f);
  // Drinking again sets the strength back to 1 whatever the meetings did.
  SIM_Alcohol::AttendMeeting();
  DayAt(0.9f);
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetAddictionStrength(), 1.0f);
  EXPECT_TRUE(PlayerEffects("happiness", "alcoholism").empty());  // not sober enough to suffer

  // Half sober: neither withdrawal nor recovery.
  DayAt(0.6f);
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetAddictionStrength(), 1.0f);
  EXPECT_TRUE(PlayerEffects("happiness", "alcoholism").empty());

  // Sober: the withdrawal's three changes and a day's recovery.
  DayAt(0.0f);
  EXPECT_EQ(PlayerEffects("loneliness", "alcoholism").size(), 1u);
  EXPECT_EQ(PlayerEffects("happiness", "alcoholism").size(), 1u);
  EXPECT_EQ(PlayerEffects("confidence", "alcoholism").size(), 1u);
  EXPECT_NEAR(SIM_Alcohol::GetAddictionStrength(), 1.0f - GV("GV_ALCOHOLIC_RECOVERY"), 1e-6);

  // A meeting counts five sober days; four meetings on sober days, and the next daily step
  // brings recovery.
  ASSERT_FLOAT_EQ(GV("GV_ALCOHOLIC_RECOVERY"), 0.05f);
  SIM_Alcohol::Restore(1.0f, true, 1.1f);
  SIM_Alcohol::AttendMeeting();
  EXPECT_NEAR(SIM_Alcohol::GetAddictionStrength(), 0.75f, 1e-6);
  DayAt(0.0f);
  for (int i = 0; i < 2; ++i) {
    SIM_Alcohol::AttendMeeting();
    DayAt(0.0f);
  }
  EXPECT_TRUE(SIM_Alcohol::IsAlcoholic());
  SIM_Alcohol::AttendMeeting();
  EXPECT_TRUE(SIM_Alcohol::IsAlcoholic());  // recovery waits for the day's step
  ClearTracedCalls();
  DayAt(0.0f);
  EXPECT_FALSE(SIM_Alcohol::IsAlcoholic());
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetAddictionStrength(), 0.0f);
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetBloodAlcohol(), 0.0f);
  EXPECT_FLOAT_EQ(Global("alcoholic"), 0.0f);
  // Five sober days in a row (one before the restored state, four after): a few days dry.
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_RECOVERALCOHOLIC_DAYS"), 1);
  EXPECT_EQ(Count("GUI_Sounds::PlaySound data/sounds/applause.ogg"), 1);
  EXPECT_TRUE(HasAchievement("ACH_BEATEN_ALCOHOLIC"));
}

TEST_F(HobbiesTest, TheRecoveryInterludeSaysHowLongThePlayerHasBeenDry) {
  // Sober days alone, at GV_ALCOHOLIC_RECOVERY 0.05: twenty of them, a few weeks.
  ASSERT_FLOAT_EQ(GV("GV_ALCOHOLIC_RECOVERY"), 0.05f);
  SIM_Alcohol::Restore(0.0f, false, 1.0f);
  DayAt(0.9f);
  ASSERT_TRUE(SIM_Alcohol::IsAlcoholic());
  ClearTracedCalls();
  int days = 0;
  while (SIM_Alcohol::IsAlcoholic() && days < 100) {
    DayAt(0.0f);
    ++days;
  }
  EXPECT_NEAR(days, 20, 1);  // twenty steps of 0.05 may leave a rounding's worth
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_RECOVERALCOHOLIC_WEEKS"), 1);
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_RECOVERALCOHOLIC"), 0);

  // Eight sober days and three meetings: a week dry.
  SIM_Alcohol::Restore(0.0f, false, 1.0f);
  DayAt(0.9f);
  ClearTracedCalls();
  for (int i = 0; i < 2; ++i) SIM_Alcohol::AttendMeeting();
  for (int i = 0; i < 6; ++i) DayAt(0.0f);
  ASSERT_TRUE(SIM_Alcohol::IsAlcoholic());
  DayAt(0.0f);
  SIM_Alcohol::AttendMeeting();
  DayAt(0.0f);
  ASSERT_FALSE(SIM_Alcohol::IsAlcoholic());
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_RECOVERALCOHOLIC_WEEK"), 1);

  // A day with a drink (short of a relapse) starts the count again: ten sober days, a drink,
  // then the meetings finish the addiction on the first sober day after it.
  SIM_Alcohol::Restore(0.0f, false, 1.0f);
  DayAt(0.9f);
  for (int i = 0; i < 10; ++i) DayAt(0.0f);
  DayAt(0.3f);
  ASSERT_TRUE(SIM_Alcohol::IsAlcoholic());
  ClearTracedCalls();
  for (int i = 0; i < 2; ++i) SIM_Alcohol::AttendMeeting();
  DayAt(0.0f);
  ASSERT_FALSE(SIM_Alcohol::IsAlcoholic());
  EXPECT_EQ(Count("GUI_FMVScreen::Show FMV_RECOVERALCOHOLIC_MEETINGS"), 1);

  // Each spell's text, at the edges of its span; every one has its words.
  const std::pair<int, const char*> spans[] = {
      {0, "FMV_RECOVERALCOHOLIC_MEETINGS"}, {1, "FMV_RECOVERALCOHOLIC_MEETINGS"},
      {2, "FMV_RECOVERALCOHOLIC_DAYS"},     {6, "FMV_RECOVERALCOHOLIC_DAYS"},
      {7, "FMV_RECOVERALCOHOLIC_WEEK"},     {13, "FMV_RECOVERALCOHOLIC_WEEK"},
      {14, "FMV_RECOVERALCOHOLIC_WEEKS"},   {59, "FMV_RECOVERALCOHOLIC_WEEKS"},
      {60, "FMV_RECOVERALCOHOLIC_MONTHS"},  {364, "FMV_RECOVERALCOHOLIC_MONTHS"},
      {365, "FMV_RECOVERALCOHOLIC"}};
  ResetMissingTexts();
  for (const auto& [daysDry, key] : spans) {
    EXPECT_STREQ(SIM_Alcohol::RecoveryText(daysDry), key) << daysDry;
    Translate(key);
  }
  EXPECT_EQ(MissingTextCount(), 0);
  ResetMissingTexts();
}

TEST_F(HobbiesTest, TheMeetingActivityPaysOnceUsesOneSlotAndWeakensTheAddiction) {
  SIM_SoloActivityType* meeting = SIM_SoloActivityType::TryFind("alcoholicsmeeting");
  ASSERT_NE(meeting, nullptr);
  SIM_Alcohol::Restore(1.0f, true, 1.1f);
  SIM_SIM::Instance().SetActs(2, 0);
  const float cash = SIM_Finances::Instance().GetCash();
  meeting->Start();
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_FLOAT_EQ(cash - SIM_Finances::Instance().GetCash(), meeting->GetCost());
  EXPECT_NEAR(SIM_Alcohol::GetAddictionStrength(), 1.0f - 5.0f * GV("GV_ALCOHOLIC_RECOVERY"), 1e-6);
  for (const SIM_Modifier* m : meeting->GetModifiers())
    EXPECT_EQ(PlayerEffects(m->name.c_str(), "alcoholicsmeeting").size(), 1u) << m->name;
}

// The shipped drinks: a round at the pub and a bottle at home each pour enough that a player
// who drinks most evenings is an alcoholic within a few months (of seven days), while one who
// drinks two or three evenings a week never builds up any blood alcohol at all.
TEST_F(HobbiesTest, DrinkingMostEveningsTakesHoldWithinMonthsAndNowAndThenNeverDoes) {
  auto pub = [] {
    for (const auto& type : SIM_SocialiseType::All())
      if (type->GetCategory() == "BEER") return type.get();
    return static_cast<SIM_SocialiseType*>(nullptr);
  };
  ASSERT_NE(pub(), nullptr);
  ASSERT_NE(SIM_SoloActivityType::TryFind("drinkathome"), nullptr);
  // A week's evenings: P the pub, H a drink at home, - none. Within: the days by which the
  // habit has taken hold; 0 for a habit that never may.
  const struct {
    const char* week;
    int within;
  } kCases[] = {
      {"PPPPPPP", 21}, {"HHHHHHH", 21}, {"HHHHHH-", 28}, {"PHP-HPH", 28}, {"HPHPH--", 42},
      {"P-H-P--", 0},  {"P--H---", 0},  {"PH-----", 0},
  };
  constexpr int kYear = SIM_Date::kMonthsPerYear * SIM_Date::kDaysPerMonth;
  // The days need no autosave (the fixture's next set-up clears the options).
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.week);
    SIM_SIM::Instance().NewGame();
    ASSERT_FALSE(SIM_Alcohol::IsAlcoholic());
    SIM_SocialiseType* atThePub = pub();
    SIM_SoloActivityType* atHome = SIM_SoloActivityType::TryFind("drinkathome");
    int tookHold = 0;
    float mostBlood = 0.0f;
    for (int day = 0; day < kYear && !tookHold; ++day) {
      // An evening's drink is its row's modifiers, applied once as the evening applies them.
      switch (c.week[day % 7]) {
        case 'P': atThePub->ApplyModifiers(1.0f); break;
        case 'H': atHome->ApplyModifiers(1.0f); break;
        default: break;
      }
      SIM_SIM::Instance().NextDay();
      mostBlood = std::max(mostBlood, SIM_Alcohol::GetBloodAlcohol());
      if (SIM_Alcohol::IsAlcoholic()) tookHold = day + 1;
    }
    if (c.within > 0) {
      EXPECT_GT(tookHold, 0);
      EXPECT_LE(tookHold, c.within);
    } else {
      EXPECT_EQ(tookHold, 0);
      EXPECT_EQ(mostBlood, 0.0f);
    }
  }
}

// The support group is for alcoholics, drunk or sober: a heavy drinker who is not one is not
// offered it, and an alcoholic is offered it however sober, when the meetings do most good.
TEST_F(HobbiesTest, TheMeetingIsOfferedToAnAlcoholicHoweverSoberAndToNoOneElse) {
  const SIM_SoloActivityType* meeting = SIM_SoloActivityType::TryFind("alcoholicsmeeting");
  ASSERT_NE(meeting, nullptr);
  for (float alcohol : {0.0f, 0.5f, 0.9f}) {
    Drink(alcohol);
    SIM_Alcohol::Reset();
    SetGlobalValue("alcoholic", 0.0f);
    EXPECT_FALSE(meeting->ArePrerequisitesMet()) << alcohol;
    SIM_Alcohol::Restore(1.0f, true, 1.1f);
    EXPECT_TRUE(meeting->ArePrerequisitesMet()) << alcohol;
  }
}

// ---- books ----

TEST_F(HobbiesTest, ABookRowReadsItsPagesVerbSkillsAndThenItsModifiers) {
  SIM_Book book;
  book.ParseLine(
      "#,sim_book,b1,Book One,books,About things.,b.bmp,,0,,9,0,SELLABLE,,0,120,showdetails,"
      "\"chess,1\",x,\"a\",\"" + std::string(70, 'k') + ",1\",#,\"happiness,0.1,0.5\",#\n");
  EXPECT_EQ(book.GetPageCount(), 120);
  EXPECT_EQ(book.GetPagesRead(), 0);
  EXPECT_EQ(book.GetUseVerb(), "showdetails");
  // Short fields are skipped; a long name is cut to 63 characters.
  ASSERT_EQ(book.GetRequiredSkills().size(), 2u);
  EXPECT_EQ(book.GetRequiredSkills()[0].name, "chess");
  EXPECT_FLOAT_EQ(book.GetRequiredSkills()[0].threshold, 1.0f);
  EXPECT_EQ(book.GetRequiredSkills()[1].name, std::string(63, 'k'));
  // The modifiers after the skills' "#" are the book's.
  ASSERT_EQ(book.GetModifiers().size(), 1u);
  EXPECT_EQ(book.GetModifiers()[0]->name, "happiness");
  // Empty or 0 sizes keep the cover's proportions.
  EXPECT_FLOAT_EQ(book.GetPictureWidth(), 71.0f);
  EXPECT_FLOAT_EQ(book.GetPictureHeight(), 100.0f);

  // Skills running to the end of the row end the list there, with no modifiers.
  SIM_Book open;
  open.ParseLine("#,sim_book,b2,Two,books,d,b.bmp,50,80,,9,0,,,0,40,sudoku \r\n,\"poker,1\"\n");
  EXPECT_EQ(open.GetUseVerb(), "sudoku");
  ASSERT_EQ(open.GetRequiredSkills().size(), 1u);
  EXPECT_EQ(open.GetRequiredSkills()[0].name, "poker");
  EXPECT_TRUE(open.GetModifiers().empty());
  EXPECT_FLOAT_EQ(open.GetPictureWidth(), 50.0f);

  // The factory makes the hobby kinds from their tokens.
  for (const char* type : {"sim_book", "sim_gift", "sim_gym", "sim_lottery"}) {
    SIM_Asset* asset = SIM_Asset::CreateAsset(type);
    EXPECT_NE(asset, nullptr);
    EXPECT_EQ(dynamic_cast<SIM_Book*>(asset) != nullptr, std::string(type) == "sim_book");
    EXPECT_EQ(dynamic_cast<SIM_Gift*>(asset) != nullptr, std::string(type) == "sim_gift");
    EXPECT_EQ(dynamic_cast<SIM_Gym*>(asset) != nullptr, std::string(type) == "sim_gym");
    EXPECT_EQ(dynamic_cast<SIM_LotteryTicket*>(asset) != nullptr, std::string(type) == "sim_lottery");
    delete asset;
  }
}

// (Reading by alertness and without the skills is played through the windows in the screens'
// tests.)
TEST_F(HobbiesTest, ABookAppliesItsModifiersFinishesOnceAndLeadsToItsWindow) {
  SIM_Book* book = SIM_Book::FindByName("lighthouse");
  ASSERT_NE(book, nullptr);
  SIM_Asset::RestoreOwned(book);
  SIM_SIM::Instance().SetActs(2, 0);
  ASSERT_GE(static_cast<int>(GV("GV_BOOKPAGESPERDAY") * SIM_Vesk::Instance()->GetAlertness()), 10);
  ASSERT_FALSE(book->GetModifiers().empty());
  book->Read();
  for (const SIM_Modifier* m : book->GetModifiers())
    EXPECT_EQ(PlayerEffects(m->name.c_str(), "lighthouse").size(), 1u) << m->name;

  // Ten pages left: those ten, and the book counts once as read.
  const int read = SIM_Statistics::Instance().GetInt(4);
  book->SetPagesRead(book->GetPageCount() - 10);
  book->Read();
  EXPECT_TRUE(book->IsFinished());
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(4), read + 1);
  EXPECT_FALSE(book->IsRebuyable());
  // A finished book has nothing to read: no slot, no second count.
  SIM_SIM::Instance().SetActs(2, 0);
  book->Read();
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(4), read + 1);

  // A skill is met at its full 1.0 only.
  SIM_Book* chess = SIM_Book::FindByName("chessopenings");
  ASSERT_NE(chess, nullptr);
  SIM_Vesk::Instance()->SetValue("chess", 0.99f);
  EXPECT_FALSE(chess->AreRequiredSkillsMet());
  SIM_Vesk::Instance()->SetValue("chess", 1.0f);
  EXPECT_TRUE(chess->AreRequiredSkillsMet());

  // The verbs: the details window, or the chooser on the puzzle activity (which exists).
  ClearTracedCalls();
  chess->OnSelect();
  EXPECT_EQ(Count("GUI_BookDetails::Open"), 1);
  SIM_Book* sudoku = SIM_Book::FindByName("sudokubook");
  ASSERT_NE(sudoku, nullptr);
  sudoku->OnSelect();
  EXPECT_EQ(Count("GUI_SoloActivityChooser::Open sudoku"), 1);
  EXPECT_NE(SIM_SoloActivityType::TryFind("sudoku"), nullptr);
}

// ---- gifts, the gym, lottery tickets, the shop ----

TEST_F(HobbiesTest, GiftsAreOfferedOnlyWithAPartnerAndHandedOverOnPurchase) {
  std::vector<SIM_Asset*> gifts;
  for (SIM_Asset* asset : SIM_Asset::All())
    if (dynamic_cast<SIM_Gift*>(asset)) gifts.push_back(asset);
  ASSERT_FALSE(gifts.empty());
  SIM_Romance::Reset();
  for (const SIM_Asset* gift : gifts) EXPECT_FALSE(Has(SIM_Shop::Offered(gift->GetCategory()), gift));
  ASSERT_FALSE(SIM_NPC::All().empty());
  SIM_Romance::Instance().SetPartner(SIM_NPC::All().front());
  SIM_Asset* gift = gifts.front();
  EXPECT_TRUE(Has(SIM_Shop::Offered(gift->GetCategory()), gift));

  const float cash = SIM_Finances::Instance().GetCash();
  const int bought = SIM_Statistics::Instance().GetInt(12);
  const float cynicism = SIM_Romance::Instance().GetCynicism();
  ClearTracedCalls();
  SIM_Shop::Buy(gift);
  EXPECT_FLOAT_EQ(cash - SIM_Finances::Instance().GetCash(), gift->GetPrice());
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(12), bought + 1);
  // Handed to the partner, who is a little harder to impress next time.
  EXPECT_GT(SIM_Romance::Instance().GetCynicism(), cynicism);
  EXPECT_EQ(Count("GUI_Sounds::PlaySound data/sounds/cash.ogg"), 1);
  // Given away, so not the player's, and on the shelf again for next time.
  EXPECT_FALSE(gift->IsOwned());
  EXPECT_FALSE(Has(SIM_Asset::Owned(), gift));
  EXPECT_TRUE(Has(SIM_Shop::Offered(gift->GetCategory()), gift));
  EXPECT_FLOAT_EQ(Global(gift->GetName().c_str()), 0.0f);
  // After a break-up the gifts leave the shop.
  SIM_Romance::Instance().SetPartner(nullptr);
  EXPECT_FALSE(Has(SIM_Shop::Offered(gift->GetCategory()), gift));
}

TEST_F(HobbiesTest, ATicketBoughtTodayHasLapsedAfterTheNextDailyStep) {
  SIM_Asset* ticket = SIM_Asset::FindByName("lotteryticket");
  ASSERT_NE(dynamic_cast<SIM_LotteryTicket*>(ticket), nullptr);
  EXPECT_TRUE(Has(SIM_Shop::Offered("general"), ticket));
  SIM_Shop::Buy(ticket);
  EXPECT_TRUE(ticket->IsOwned());
  EXPECT_FLOAT_EQ(Global("lotteryticket"), 1.0f);
  SIM_Asset::DailyUpdateAll();
  EXPECT_FALSE(ticket->IsOwned());
  EXPECT_FALSE(Has(SIM_Asset::Owned(), ticket));
  EXPECT_TRUE(Has(SIM_Shop::Offered("general"), ticket));
  EXPECT_FLOAT_EQ(Global("lotteryticket"), 0.0f);
  // An unbought ticket does nothing in the day.
  const float cash = SIM_Finances::Instance().GetCash();
  SIM_Asset::DailyUpdateAll();
  EXPECT_FALSE(ticket->IsOwned());
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), cash);
}

TEST_F(HobbiesTest, TheGymsUseChoosesAVisitAndItsUnpaidUpkeepIsToldAfterTheBasesMessage) {
  SIM_Asset* gym = SIM_Asset::FindByName("gymmembership");
  ASSERT_NE(dynamic_cast<SIM_Gym*>(gym), nullptr);
  SIM_Shop::Buy(gym);
  ClearTracedCalls();
  gym->OnSelect();
  EXPECT_EQ(Count("GUI_SoloActivityChooser::Open visitgym"), 1);
  EXPECT_EQ(Count("GUI_AssetDetails::Open"), 0);
  SIM_SoloActivityType* visit = SIM_SoloActivityType::TryFind("visitgym");
  ASSERT_NE(visit, nullptr);
  EXPECT_TRUE(visit->IsAvailableToday());

  SIM_Finances::Instance().SetCash(0.0f);
  ClearTracedCalls();
  SIM_Asset::DailyUpdateAll();
  EXPECT_FALSE(gym->IsOwned());
  const std::string base = "ShowTextureMessage " + gym->GetPicture() + "|";
  const std::string own = std::string("ShowMessage ") + Translate("GYM_NOMONEY_TEXT") + "|" +
                          Translate("GYM_NOMONEY_TITLE");
  size_t baseAt = TracedCalls().size();
  for (size_t i = 0; i < TracedCalls().size(); ++i)
    if (TracedCalls()[i].rfind(base, 0) == 0 && baseAt == TracedCalls().size()) baseAt = i;
  ASSERT_LT(baseAt, TracedCalls().size());
  ASSERT_EQ(Count(own), 1);
  EXPECT_LT(baseAt, IndexOf(own));
  EXPECT_FALSE(visit->IsAvailableToday());
}

TEST_F(HobbiesTest, TheShopOffersEachTabsRebuyableCatalogueAndPricesWithTheRunningCost) {
  for (int tab = 0; tab < SIM_Shop::kTabs; ++tab) {
    const std::vector<SIM_Asset*> offered = SIM_Shop::Offered(SIM_Shop::TabCategory(tab));
    EXPECT_GT(offered.size(), 5u) << tab;  // enough to page
    for (const SIM_Asset* asset : offered) {
      EXPECT_EQ(asset->GetCategory(), SIM_Shop::TabCategory(tab));
      EXPECT_TRUE(asset->IsRebuyable());
      EXPECT_TRUE(Has(SIM_Asset::Catalogue(), asset));
    }
  }
  EXPECT_STREQ(SIM_Shop::TabCategory(4), "");
  SIM_Asset plain;
  plain.Set("x", "X", 20.0f, 0.0f);
  EXPECT_EQ(SIM_Shop::PriceText(plain), "\xA3 20.00");
  plain.Set("x", "X", 20.0f, 1.5f);
  EXPECT_EQ(SIM_Shop::PriceText(plain), std::string("\xA3 20.00 + (\xA3 1.50/") + Translate("DAY") + ")");
  // Bought, an asset leaves its tab.
  SIM_Asset* first = SIM_Shop::Offered("music").front();
  SIM_Shop::Buy(first);
  EXPECT_FALSE(Has(SIM_Shop::Offered("music"), first));
}

TEST_F(HobbiesTest, ALoadFindsBooksByNameSkipsAnUnknownOneAndStartsFromTheSavedDrinking) {
  // A drinking state of the running game that the file does not have.
  SIM_Alcohol::Restore(1.0f, true, 2.0f);
  SaveGameData d = SIM_SaveGame::Capture();
  d.books = {{"nosuchbook", 50}, {"deaddrop", 77}, {"smallhours", 9999}};
  d.addictionStrength = 0.0f;
  d.alcoholic = false;
  d.bloodAlcohol = 0.5f;
  SIM_LoadGame::Apply(d);
  EXPECT_EQ(SIM_Book::FindByName("deaddrop")->GetPagesRead(), 77);
  // A saved count past the end keeps within the book.
  SIM_Book* poems = SIM_Book::FindByName("smallhours");
  EXPECT_EQ(poems->GetPagesRead(), poems->GetPageCount());
  EXPECT_EQ(SIM_Book::FindByName("nosuchbook"), nullptr);
  EXPECT_FALSE(SIM_Alcohol::IsAlcoholic());
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetAddictionStrength(), 0.0f);
  EXPECT_FLOAT_EQ(SIM_Alcohol::GetBloodAlcohol(), 0.5f);
  // The save written now holds what was loaded.
  const SaveGameData again = SIM_SaveGame::Capture();
  EXPECT_FLOAT_EQ(again.bloodAlcohol, 0.5f);
  EXPECT_FALSE(again.alcoholic);
  EXPECT_TRUE(std::find(again.books.begin(), again.books.end(),
                        std::make_pair(std::string("deaddrop"), 77)) != again.books.end());
}

TEST_F(HobbiesTest, TheHeadlessPlayerBuysABookToReadAndReadsItThroughItsDetails) {
  auto* screens = dynamic_cast<SIM_HeadlessScreens*>(&Screens());
  ASSERT_NE(screens, nullptr);
  ASSERT_EQ(headless::BookToRead(), nullptr);
  const int before = screens->ShopPurchases();
  // Now and then a trip to the shop ends in a purchase; a reader without a book buys one.
  for (int i = 0; i < 50 && screens->ShopPurchases() == before; ++i) {
    screens->OpenShopping();
    screens->AnswerHobbyWindows();
  }
  ASSERT_EQ(screens->ShopPurchases(), before + 1);
  SIM_Book* book = headless::BookToRead();
  ASSERT_NE(book, nullptr);
  EXPECT_EQ(screens->OpenWindows(), 0);

  SIM_SIM::Instance().SetActs(2, 0);
  ClearTracedCalls();
  bool read = false;
  for (int i = 0; i < 50 && !read; ++i) read = headless::ReadABook();
  ASSERT_TRUE(read);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_GT(book->GetPagesRead(), 0);
  EXPECT_EQ(Count("GUI_BookDetails::Open"), 1);
  EXPECT_EQ(Count("GUI_BookReading::Open " + std::to_string(book->GetPagesRead())), 1);
  EXPECT_EQ(screens->OpenWindows(), 0);
  // With the day over nothing more is read.
  SIM_SIM::Instance().EndAct();
  EXPECT_FALSE(headless::ReadABook());
}

}  // namespace

// The venues' windows through input events: the restaurant chooser and meal, the movie
// chooser, the roulette table, the bar-brawl report, the team's invitation and the match-day
// note, each ending in what the evening does.
#include <gtest/gtest.h>

#include <utility>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/CallTrace.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Postit.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_BeerPostMortem.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_MovieChooser.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_RestaurantChooser.h"
#include "gui/windows/GUI_RestaurantInstance.h"
#include "gui/windows/GUI_Roulette.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_TeamInvite.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Venues.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class VenueWindowsTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    SIM_Finances::Instance().SetCash(500.0f);
    for (SIM_NPC* npc : SIM_NPC::All())
      if (!guest || npc->IsFriendOfPlayer()) guest = npc;
    ASSERT_NE(guest, nullptr);
    guest->SetCash(500.0f);
    SIM_SIM::Instance().SetActs(3, 0);
  }
  void TearDown() override {
    GUI_RestaurantChooser::Close();
    GUI_RestaurantInstance::Close();
    GUI_MovieChooser::Close();
    GUI_Roulette::Close();
    GUI_BeerPostMortem::Close();
    GUI_TeamInvite::Close();
    GUI_PostMortem::Close();
    GUI_Services::SetRecording(false);
    // Off the team again: a member's daily steps would reach later tests' days.
    SIM_BowlingTeam::Instance().Reset();
    PlayTest::TearDown();
  }
  SIM_SocialiseInstance* Start(const char* typeName) {
    SIM_SocialiseType* type = SIM_SocialiseType::FindByName(typeName);
    EXPECT_NE(type, nullptr) << typeName;
    return SIM_SocialiseInstance::StartEvening({guest}, type, SIM_Vesk::Instance());
  }
  // A check button takes clicks on its box, at its left end.
  void ClickBox(const GUI_CheckButton* box) {
    const auto& r = box->GetRect();
    Click(r.left + 13, r.top + 11);
  }
  static bool Modal(const GUI_WindowBase* window) {
    return window && GUI_WindowManager::Instance().IsModal(window);
  }

  SIM_NPC* guest = nullptr;
};

TEST_F(VenueWindowsTest, ARestaurantEveningBooksChoosesTheMealAndOrders) {
  auto* evening = dynamic_cast<SIM_RestaurantInstance*>(Start("chineserestaurant"));
  ASSERT_NE(evening, nullptr);
  GUI_RestaurantChooser* chooser = GUI_RestaurantChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(Modal(chooser));
  const auto& offered = evening->Candidates();
  ASSERT_GE(offered.size(), 2u);
  InGameFrame();

  // Paging stops at both ends.
  EXPECT_FALSE(chooser->PreviousArrow()->IsEnabled());
  for (size_t i = 0; i + 1 < offered.size(); ++i) ClickOn(chooser->NextArrow());
  EXPECT_EQ(chooser->Current(), offered.back());
  EXPECT_FALSE(chooser->NextArrow()->IsEnabled());
  chooser->Next();
  EXPECT_EQ(chooser->Current(), offered.back());
  while (chooser->PreviousArrow()->IsEnabled()) ClickOn(chooser->PreviousArrow());
  EXPECT_EQ(chooser->Current(), offered.front());
  EXPECT_EQ(GUI_RestaurantChooser::PriceText(12.5f), std::string(Translate("MENU_COST")) + " \xA3 12.50");

  // Too little cash: no booking.
  SIM_Finances::Instance().SetCash(1.0f);
  InGameFrame();
  EXPECT_FALSE(chooser->BookButton()->IsEnabled());
  EXPECT_EQ(chooser->BookButton()->GetText(), Translate("INSUFFICIENT_CASH"));
  SIM_Finances::Instance().SetCash(500.0f);
  InGameFrame();

  // A full place answers with a message and the chooser stays.
  SIM_Restaurant* place = offered.front();
  place->SetTableToday(false);
  ClickOn(chooser->BookButton());
  EXPECT_EQ(GUI_RestaurantChooser::Instance(), chooser);
  EXPECT_EQ(evening->GetChosen(), nullptr);
  // The message is a box of its own, closed by its own button, where its first frame put it.
  InGameFrame();
  const std::vector<GUI_WindowBase*> modal = GUI_WindowManager::Instance().ModalWindows();
  int boxes = 0;
  for (GUI_WindowBase* window : modal)
    if (auto* box = dynamic_cast<GUI_Message*>(window)) {
      ++boxes;
      EXPECT_EQ(box->GetTitle(), Translate("RESTAURANT_FULL_TITLE"));
      ClickOn(box->GetCloseButton());
    }
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(GUI_WindowManager::Instance().TopModal(), chooser);
  InGameFrame();

  place->SetTableToday(true);
  ClickOn(chooser->BookButton());
  EXPECT_EQ(GUI_RestaurantChooser::Instance(), nullptr);
  EXPECT_EQ(evening->GetChosen(), place);
  GUI_RestaurantInstance* meal = GUI_RestaurantInstance::Instance();
  ASSERT_NE(meal, nullptr);
  EXPECT_TRUE(Modal(meal));
  EXPECT_EQ(meal->GetCloseButton(), nullptr);
  EXPECT_EQ(meal->GetTitle(), place->GetName());
  InGameFrame();

  // Healthy and indulgent act as a pair of radio buttons; wine toggles.
  EXPECT_TRUE(meal->IndulgentBox()->IsChecked());
  EXPECT_EQ(meal->ShownPicture(), "rest_indulge_chinese.bmp");
  ClickBox(meal->HealthyBox());
  EXPECT_EQ(evening->GetMealChoice(), SIM_RestaurantInstance::kHealthy);
  ClickBox(meal->HealthyBox());
  InGameFrame();
  EXPECT_TRUE(meal->HealthyBox()->IsChecked());
  EXPECT_FALSE(meal->IndulgentBox()->IsChecked());
  EXPECT_EQ(meal->ShownPicture(), "rest_healthy.bmp");
  ClickBox(meal->IndulgentBox());
  ClickBox(meal->HealthyBox());
  EXPECT_EQ(evening->GetMealChoice(), SIM_RestaurantInstance::kHealthy);
  ClickBox(meal->WineBox());
  EXPECT_FALSE(evening->GetWine());
  ClickBox(meal->WineBox());
  EXPECT_TRUE(evening->GetWine());

  const int used = SIM_SIM::Instance().GetActsUsed();
  SIM_Tovel::Instance().SetEarned(50.0f);  // room for the standing to move either way
  ClickOn(meal->OrderButton());
  EXPECT_EQ(GUI_RestaurantInstance::Instance(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  ASSERT_TRUE(GUI_PostMortem::IsOpen());
  const std::string line = evening->TovelLine();
  if (place->GetTovelValue() != 0.0f) {
    ASSERT_FALSE(line.empty());
    const auto& lines = GUI_PostMortem::Instance()->Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end());
  }
}

TEST_F(VenueWindowsTest, TheMovieChooserPagesThreeFilmsAndWillNotShowOneTwice) {
  auto* evening = dynamic_cast<SIM_MovieInstance*>(Start("cinema"));
  ASSERT_NE(evening, nullptr);
  GUI_MovieChooser* chooser = GUI_MovieChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(Modal(chooser));
  while (GUI_HintHelp::IsAnyOpen()) delete GUI_HintHelp::OpenHints().front();  // it holds the chooser
  SIM_Movie* first = SIM_Movie::Showing()[0];
  ASSERT_NE(first, nullptr);
  first->SetSeen(true);
  first->SetThreshold(1.0f);  // a review nobody knows enough to read
  GUI_Services::SetRecording(true);
  InGameFrame();
  EXPECT_FALSE(chooser->PreviousArrow()->IsEnabled());
  EXPECT_FALSE(chooser->WatchButton()->IsEnabled());
  const auto& texts = GUI_Services::RecordedTexts();
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& t) { return t.text == "?"; }));
  ClickOn(chooser->WatchButton());
  EXPECT_EQ(GUI_MovieChooser::Instance(), chooser);  // a film already seen cannot be watched

  ClickOn(chooser->NextArrow());
  ClickOn(chooser->NextArrow());
  EXPECT_EQ(chooser->GetIndex(), 2);
  EXPECT_FALSE(chooser->NextArrow()->IsEnabled());
  ClickOn(chooser->PreviousArrow());
  EXPECT_EQ(chooser->GetIndex(), 1);
  SIM_Movie* film = chooser->Current();
  ASSERT_NE(film, nullptr);
  film->SetSeen(false);

  EXPECT_EQ(chooser->PopcornColour(), GUI_MovieChooser::kPopcornOn);
  ClickBox(chooser->PopcornBox());
  EXPECT_FALSE(evening->GetPopcorn());
  EXPECT_EQ(chooser->PopcornColour(), GUI_MovieChooser::kPopcornOff);

  InGameFrame();
  ASSERT_TRUE(chooser->WatchButton()->IsEnabled());
  ClickOn(chooser->WatchButton());
  EXPECT_EQ(GUI_MovieChooser::Instance(), nullptr);
  EXPECT_TRUE(film->IsSeen());
  EXPECT_EQ(evening->GetFilm(), film);
  EXPECT_TRUE(GUI_PostMortem::IsOpen());
}

TEST_F(VenueWindowsTest, RouletteSpinsAtAStakeOfFiveToFiftyAndStopFinishesTheEvening) {
  auto* evening = dynamic_cast<SIM_RouletteInstance*>(Start("casino"));
  ASSERT_NE(evening, nullptr);
  GUI_Roulette* table = GUI_Roulette::Instance();
  ASSERT_NE(table, nullptr);
  EXPECT_TRUE(Modal(table));
  EXPECT_EQ(table->GetCloseButton(), nullptr);
  const int used = SIM_SIM::Instance().GetActsUsed();
  InGameFrame();

  ClickOn(table->LowerButton());
  EXPECT_EQ(table->GetStake(), 5);
  for (int i = 0; i < 9; ++i) ClickOn(table->RaiseButton());
  EXPECT_EQ(table->GetStake(), 50);
  ClickOn(table->RaiseButton());
  EXPECT_EQ(table->GetStake(), 50);
  for (int i = 0; i < 8; ++i) ClickOn(table->LowerButton());
  EXPECT_EQ(table->GetStake(), 10);

  // A stake above what the evening's £20 bill leaves of the cash cannot be spun: lowered, it
  // can; at the least stake, there is nothing left to lower.
  SIM_Finances::Instance().SetCash(25.0f);
  InGameFrame();
  EXPECT_FALSE(table->SpinButton()->IsEnabled());
  EXPECT_EQ(table->SpinButton()->GetDisabledReason(), Translate("WHY_STAKE_TOO_HIGH"));
  ClickOn(table->SpinButton());
  EXPECT_EQ(evening->GetSpinsMade(), 0);
  ClickOn(table->LowerButton());
  EXPECT_TRUE(table->SpinButton()->IsEnabled());
  SIM_Finances::Instance().SetCash(24.0f);
  InGameFrame();
  EXPECT_EQ(table->SpinButton()->GetDisabledReason(), Translate("WHY_NO_CASH_FOR_A_STAKE"));
  ClickOn(table->RaiseButton());
  SIM_Finances::Instance().SetCash(500.0f);
  InGameFrame();

  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(table->SpinButton()->IsEnabled()) << i;
    ClickOn(table->SpinButton());
  }
  EXPECT_EQ(evening->GetSpinsMade(), 5);
  for (unsigned i = 0; i < 5; ++i) EXPECT_EQ(std::abs(evening->GetSpinResult(i)), 10);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 500.0f + static_cast<float>(evening->GetTotalWinnings()));
  InGameFrame();
  EXPECT_FALSE(table->SpinButton()->IsEnabled());
  EXPECT_EQ(GUI_Roulette::SpinText(0), "--");
  EXPECT_EQ(GUI_Roulette::SpinText(-10), "\xA3 -10");
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used);

  ClickOn(table->StopButton());
  EXPECT_EQ(GUI_Roulette::Instance(), nullptr);
  EXPECT_TRUE(evening->IsComplete());
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  EXPECT_TRUE(GUI_PostMortem::IsOpen());
}

TEST_F(VenueWindowsTest, ANewGameWhileTheRouletteIsOpenClosesItAndFinishesNothing) {
  ASSERT_NE(Start("casino"), nullptr);
  ASSERT_NE(GUI_Roulette::Instance(), nullptr);
  SIM_SIM::Instance().NewGame();
  EXPECT_EQ(GUI_Roulette::Instance(), nullptr);
  EXPECT_FALSE(GUI_PostMortem::IsOpen());
  EXPECT_TRUE(GUI_WindowManager::Instance().ModalWindows().empty());
  InGameFrame();
}

TEST_F(VenueWindowsTest, ABrawlShowsItsModalReportWithTheSiren) {
  auto* evening = dynamic_cast<SIM_BeerInstance*>(
      SIM_SocialiseInstance::CreateForType(SIM_SocialiseType::FindByName("pub")));
  ASSERT_NE(evening, nullptr);
  evening->AddInvitee(guest);
  evening->SetOrganiser(SIM_Vesk::Instance());
  GUI_Services::SetRecording(true);
  SIM_Tovel::Instance().SetEarned(30.0f);
  evening->Brawl();
  GUI_BeerPostMortem* report = GUI_BeerPostMortem::Instance();
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(Modal(report));
  const auto& sounds = GUI_Services::RecordedSounds();
  EXPECT_NE(std::find(sounds.begin(), sounds.end(), "data/sounds/police.wav"), sounds.end());
  EXPECT_EQ(report->LossText(), "-20.00");
  InGameFrame();
  const auto& texts = GUI_Services::RecordedTexts();
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& t) { return t.text == "-20.00"; }));
  // Near the floor the report tells the fall there was; at the floor it tells none.
  for (const auto& [earned, shown] : {std::pair{8.0f, "-8.00"}, std::pair{0.0f, ""}}) {
    SIM_Tovel::Instance().SetEarned(earned);
    evening->Brawl();
    ASSERT_NE(GUI_BeerPostMortem::Instance(), nullptr);
    EXPECT_EQ(GUI_BeerPostMortem::Instance()->LossText(), shown);
    GUI_Services::RecordedTexts().clear();
    InGameFrame();
    for (const char* number : {"-20.00", "-8.00", "0.00", "-0.00"})
      EXPECT_EQ(Queued(number), std::string(number) == shown) << number;
  }
  GUI_BeerPostMortem::Open(nullptr);  // closes, opens nothing
  EXPECT_EQ(GUI_BeerPostMortem::Instance(), nullptr);
}

TEST_F(VenueWindowsTest, TheTeamsInvitationJoinsAndTheMatchDayNoteOpensTheMatch) {
  SIM_BowlingTeam& team = SIM_BowlingTeam::Instance();
  GUI_TeamInvite::Open();
  GUI_TeamInvite* invite = GUI_TeamInvite::Instance();
  ASSERT_NE(invite, nullptr);
  EXPECT_TRUE(Modal(invite));
  EXPECT_EQ(GUI_TeamInvite::Text().find("<DAY>"), std::string::npos);
  InGameFrame();
  ClickOn(invite->AcceptButton());
  EXPECT_EQ(GUI_TeamInvite::Instance(), nullptr);
  ASSERT_TRUE(team.IsMember());

  team.EnableMatchDay(CurrentDate().GetDayOfWeek());
  SIM_SIM::Instance().SetActs(1, 0);
  team.ShowReminder();
  ASSERT_TRUE(team.IsMatchDue());
  ASSERT_EQ(GUI_Postit::All().size(), 1u);
  GUI_Postit* note = GUI_Postit::All().front();
  InGameFrame();
  ClickOn(note);
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  ASSERT_NE(chooser->Current(), nullptr);
  EXPECT_EQ(chooser->Current()->GetTypeName(), "bowlingmatch");
}

}  // namespace
}  // namespace guitest

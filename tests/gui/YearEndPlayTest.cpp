// The year's review, the game's end, a special event's ticket and result, and the promotion
// note, driven by input events the way a player meets them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "app/CInput.h"
#include "app/Game.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/InternetRequest.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_GameModeBase.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuIntro.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_FMVScreen.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_Promotion.h"
#include "gui/windows/GUI_SocialTovel.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_SpecialEvent.h"
#include "gui/windows/GUI_SpecialEventPostMortem.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "platform/System.h"
#include "support/TestSupport.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class YearEndPlayTest : public MenuPlayTest {
 protected:
  void TearDown() override {
    GUI_SpecialEvent::Close();
    GUI_SpecialEventPostMortem::Close();
    GUI_Promotion::Close();
    SIM_Statistics::Instance().StartPlayTimer();
    PlayTest::TearDown();
  }
  // The day's slots are spent; the next-day button is pressed.
  void PressNextDay() {
    SIM_SIM& sim = SIM_SIM::Instance();
    if (sim.GetPhase() == PHASE_ACTIVITIES) {
      sim.SetActs(sim.GetActsPerDay(), sim.GetActsPerDay() - 1);
      sim.EndAct();
    }
    Frame();
    CloseHints();
    ClickOn(GUI_ControlPanel::Instance().NextDayButton());
  }
  static SIM_Date Tomorrow() {
    SIM_Date date = CurrentDate();
    date.AddDays(1);
    return date;
  }
  static bool Recorded(const std::vector<std::string>& list, const std::string& what) {
    return std::find(list.begin(), list.end(), what) != list.end();
  }
};

// A game left through the quit question from any full-screen page leaves nothing of its screen
// over the next one, started anew or loaded: the panel's buttons open their windows and the
// next-day button ends the day.
TEST_F(YearEndPlayTest, AGameLeftFromAnyPageLeavesTheNextOneAnswering) {
  testsupport::TempDir saves;
  SIM_SaveGame::SetFolder(saves.Str());
  const std::pair<std::string, std::function<void()>> pages[] = {
      {"summary", [this] { PressNextDay(); }},
      {"interlude", [this] { PressNextDay(); GUI_FMVScreen::Show("FMV_PROMOTED"); }},
      {"review", [this] { NextReviewDate() = Tomorrow(); PressNextDay(); }},
      {"end", [this] { GameEndDate() = Tomorrow(); PressNextDay(); }},
      {"standing", [] { GUI_SocialTovel::Show(); }},
      {"report", [] { GUI_PostMortem::Open(nullptr); }},
  };
  for (const auto& [name, open] : pages) {
    for (const bool load : {false, true}) {
      SCOPED_TRACE(name + (load ? ", then a load" : ", then a new game"));
      StartGame();
      ASSERT_TRUE(SIM_SaveGame::Save("left"));
      open();
      Frame();
      ASSERT_FALSE(GUI_GUI::Instance().ShowsMainScene());
      // Escape asks, but on the standing screen, which it closes.
      name == "standing" ? GUI_ControlPanel::AskQuit() : Key(1);
      ASSERT_NE(GUI_ConfirmDialog::Instance(), nullptr);
      Key(28);
      ASSERT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
      if (!load) StartGame();
      if (load) {
        Frame();
        ClickOn(GUI_MenuMain::Instance().GetButton(GUI_MenuMain::LOADGAME));
        Frame();
        for (const GUI_LoadGameSlot* row : GUI_MenuLoad::Instance().Rows())
          if (row->GetName() == "left") ClickOn(row);
        Frame();
        CloseHints();
      }
      ASSERT_TRUE(GUI_GUI::Instance().ShowsMainScene());
      ClickOn(GUI_ControlPanel::Instance().SoloButton());
      ASSERT_NE(GUI_SoloActivityChooser::Instance(), nullptr);
      GUI_SoloActivityChooser::Close();
      PressNextDay();
      EXPECT_TRUE(GUI_WorkDay::Instance()->IsOpen());
      EXPECT_EQ(SIM_SIM::Instance().GetPhase(), 0);
    }
  }
  SIM_SaveGame::SetFolder("");
}

// A box the day raised lies over the page that ends the day, whether it came before the page or
// after: it is drawn over it and alone answers, Return closing it and leaving the page, while a
// click beside it on the page's own button does nothing.
TEST_F(YearEndPlayTest, ABoxTheDayRaisedLiesOverItsPageAndAloneAnswers) {
  StartGame();
  GUI_WindowBase* const summary = GUI_WorkDay::Instance();
  const std::function<GUI_WindowBase*()> pages[] = {
      [this, summary] { PressNextDay(); return summary; },
      [this] {
        PressNextDay();  // the alcohol step raises its interlude after the day's upkeep
        GUI_FMVScreen::Show("FMV_BECOMEALCOHOLIC");
        return GUI_FMVScreen::Instance();
      },
      [this] {
        NextReviewDate() = Tomorrow();
        PressNextDay();
        return GUI_YearlyReview::Instance();
      },
  };
  for (const auto& open : pages) {
    // The cleaner comes in, but the day's upkeep cannot be paid, even with the benefit.
    SIM_Asset::FindByName("cleaner")->Buy();
    SIM_Finances::Instance().SetCash(-20);
    GUI_WindowBase* page = open();
    SCOPED_TRACE(typeid(*page).name());
    clock.Advance(6000);
    std::string drawn;
    GUI_WindowManager::SetWindowDrawnHookForTesting([&drawn](const char* type) { drawn += type; });
    Frame();
    GUI_WindowManager::SetWindowDrawnHookForTesting(nullptr);
    GUI_WindowManager& manager = GUI_WindowManager::Instance();
    auto* box = dynamic_cast<GUI_Message*>(manager.TopModal());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetTitle(), Translate("ASSET_INSUFFICIENTUPKEEP_TITLE"));
    EXPECT_NE(drawn.find("Message"), std::string::npos);
    const GUI_ButtonBase* button = page->Buttons().back();
    ClickOn(button);
    EXPECT_TRUE(manager.IsModal(page) && manager.IsModal(box));
    Key(28);
    EXPECT_TRUE(manager.IsModal(page) && !manager.IsModal(box));
    Frame();
    ClickOn(button);
    EXPECT_FALSE(manager.IsModal(page));
    // What the day left to continue: the summary under the interlude or the review.
    for (int i = 0; i < 3 && SIM_SIM::Instance().GetPhase() == 0; ++i) {
      Frame();
      ClickOn(GUI_WorkDay::Instance()->ContinueButton());
    }
  }
}

TEST_F(YearEndPlayTest, TheReviewShowsTheYearAndItsContinueStartsTheNextOne) {
  StartGame();
  NextReviewDate() = Tomorrow();
  SIM_Statistics& stats = SIM_Statistics::Instance();
  stats.ResetYear();
  stats.AddInt(5, 1);
  stats.AddInt(5, 2);
  stats.AddInt(10, 3);
  stats.CountActivity("SOLO_JOGGING_TITLE");
  const int pastSolo = stats.GetPastSolo();
  GUI_Services::RecordedMusic().clear();
  PressNextDay();
  GUI_YearlyReview* review = GUI_YearlyReview::Instance();
  ASSERT_TRUE(review->IsOpen());
  EXPECT_FLOAT_EQ(review->GetShares().socialising, 0.5f);
  EXPECT_EQ(review->GetVerdict(), Translate("YEAR_REVIEW_SUMMARY_SOCIABLE"));
  EXPECT_EQ(review->GetFavourite(), std::string(Translate("YEAR_REVIEW_FAVORITE")) + " : " +
                                        Translate("SOLO_JOGGING_TITLE"));
  EXPECT_FALSE(stats.IsPlayTimerRunning());
  EXPECT_TRUE(Recorded(GUI_Services::RecordedMusic(), "mute"));
  // Before six seconds the button is not there: a click on its place does nothing.
  const GUI_Rect place = review->ContinueButton()->GetRect();
  for (int i = 0; i < 10; ++i) Frame();
  Click((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  EXPECT_TRUE(review->IsOpen());
  EXPECT_EQ(stats.GetInt(2), 5);
  clock.Advance(6000);
  Frame();
  ASSERT_TRUE(review->ContinueButton()->IsVisible());
  ClickOn(review->ContinueButton());
  EXPECT_FALSE(review->IsOpen());
  for (int i : {1, 2, 3}) EXPECT_EQ(stats.GetInt(i), 0) << i;
  EXPECT_EQ(stats.GetFavouriteActivity(), "");
  EXPECT_EQ(stats.GetPastSolo(), pastSolo + 5);
  EXPECT_TRUE(stats.IsPlayTimerRunning());
  EXPECT_TRUE(Recorded(GUI_Services::RecordedMusic(), "restart"));
  // The next review is a year on, and the day goes on to its summary.
  SIM_Date next = CurrentDate();
  EXPECT_TRUE(NextReviewDate().Equals(next.GetDay(), next.GetMonth(), next.GetYear() + 1));
  Frame();
  EXPECT_TRUE(GUI_WorkDay::Instance()->IsOpen());
}

// Each review's "Tovel earned" is its own year's, even the one after the end, whose "Keep on
// living" closed the tenth year; the end shows the whole game's.
TEST_F(YearEndPlayTest, EachReviewShowsTheTovelItsYearEarnedAndTheEndTheGames) {
  StartGame();
  const float start = SIM_Statistics::Instance().GetFloat(0);
  auto shows = [&](float earned) {
    clock.Advance(6000);
    GUI_Services::RecordedTexts().clear();
    Frame();
    char line[128];
    std::snprintf(line, sizeof line, "%s : %.2f", Translate("ENDGAME_TOVELEARNED"),
                  static_cast<double>(earned));
    EXPECT_TRUE(Queued(line)) << line;
  };
  auto yearOfReview = [&](float earned) {
    SIM_Tovel::Instance().Add(earned);
    NextReviewDate() = Tomorrow();
    PressNextDay();
    ASSERT_TRUE(GUI_YearlyReview::Instance()->IsOpen());
    shows(earned);
    ClickOn(GUI_YearlyReview::Instance()->ContinueButton());
    Frame();
    ClickOn(GUI_WorkDay::Instance()->ContinueButton());
  };
  yearOfReview(72.0f);
  yearOfReview(73.0f);
  SIM_Tovel::Instance().Add(10.0f);
  GameEndDate() = Tomorrow();
  PressNextDay();
  ASSERT_TRUE(GUI_EndGame::Instance()->IsOpen());
  shows(start + 155.0f);
  ClickOn(GUI_EndGame::Instance()->ContinueButton());
  Frame();
  ClickOn(GUI_WorkDay::Instance()->ContinueButton());
  yearOfReview(5.0f);
}

TEST_F(YearEndPlayTest, AGameSavedDuringTheReviewLoadsOntoItAndANewGameDoesNot) {
  testsupport::TempDir saves;
  SIM_SaveGame::SetFolder(saves.Str());
  StartGame();
  NextReviewDate() = Tomorrow();
  PressNextDay();
  ASSERT_TRUE(GUI_YearlyReview::Instance()->IsOpen());
  ASSERT_TRUE(SIM_SaveGame::Save("review"));  // as the day's autosave is
  clock.Advance(6000);
  Frame();
  ClickOn(GUI_YearlyReview::Instance()->ContinueButton());
  ASSERT_FALSE(GUI_YearlyReview::Instance()->IsOpen());
  // Loaded as the load menu does: the game, then the in-game screen.
  ASSERT_TRUE(SIM_LoadGame::Load("review")) << SIM_LoadGame::LastError();
  GUI_GUI::Instance().StartGame();
  EXPECT_TRUE(GUI_YearlyReview::Instance()->IsOpen());
  Frame();
  EXPECT_FALSE(GUI_GUI::Instance().ShowsMainScene());
  // A new game from there opens on its first day.
  StartGame();
  EXPECT_FALSE(GUI_YearlyReview::Instance()->IsOpen());
  SIM_SaveGame::SetFolder("");
}

TEST_F(YearEndPlayTest, TheEndGivesItsVerdictAndPlayCanGoOn) {
  StartGame();
  GameEndDate() = Tomorrow();
  SIM_Statistics& stats = SIM_Statistics::Instance();
  stats.SetPastTotals(600, 100);
  stats.AddInt(30, 2);
  stats.AddInt(7, 7);  // films seen
  GUI_Services::RecordedMusic().clear();
  PressNextDay();
  GUI_EndGame* end = GUI_EndGame::Instance();
  ASSERT_TRUE(end->IsOpen());
  EXPECT_TRUE(SIM_SIM::Instance().IsGameOver());
  // 630 solo activities over the game: solitary.
  EXPECT_EQ(end->GetVerdict(), Translate("ENDGAME_SUMMARY_SOLITARY"));
  ASSERT_EQ(end->Rows().size(), 10u);
  EXPECT_EQ(end->Rows()[3].label, Translate("STATISTIC_MOVIES_SEEN"));
  EXPECT_EQ(end->Rows()[3].value, 7);
  EXPECT_FALSE(stats.IsPlayTimerRunning());
  EXPECT_TRUE(Recorded(GUI_Services::RecordedMusic(), "mute"));
  // An unseen "main menu" does not end the game.
  const GUI_Rect menuPlace = end->MainMenuButton()->GetRect();
  Frame();
  Click((menuPlace.left + menuPlace.right) / 2, (menuPlace.top + menuPlace.bottom) / 2);
  EXPECT_TRUE(end->IsOpen());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  clock.Advance(6000);
  Frame();
  ClickOn(end->ContinueButton());
  EXPECT_FALSE(end->IsOpen());
  EXPECT_TRUE(stats.IsPlayTimerRunning());
  EXPECT_TRUE(Recorded(GUI_Services::RecordedMusic(), "refresh volume"));
  // The day the end stopped is finished: its summary, then its activities.
  ASSERT_TRUE(GUI_WorkDay::Instance() && GUI_WorkDay::Instance()->IsOpen());
  Frame();
  ClickOn(GUI_WorkDay::Instance()->ContinueButton());
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_ACTIVITIES);
  EXPECT_GT(SIM_SIM::Instance().GetActsLeft(), 0);
  // The next day plays, and the end does not come again.
  const SIM_Date tomorrow = Tomorrow();
  PressNextDay();
  EXPECT_FALSE(end->IsOpen());
  EXPECT_TRUE(CurrentDate().Equals(tomorrow.GetDay(), tomorrow.GetMonth(), tomorrow.GetYear()));
  EXPECT_TRUE(GUI_WorkDay::Instance()->IsOpen());
}

// The end's table: every statistic under its own name. Each is made different from the
// others first, so a row that read another's counter would show the wrong number.
TEST_F(YearEndPlayTest, TheEndsTableShowsEachStatisticUnderItsOwnName) {
  StartGame();
  SIM_Statistics& stats = SIM_Statistics::Instance();
  for (int i = 0; i < 13; ++i) stats.SetInt(i, 100 + i);
  const std::pair<const char*, int> expected[] = {
      {"STATISTIC_CROSSWORDS_FINISHED", 105}, {"STATISTIC_BOOKS_READ", 104},
      {"STATISTIC_TV_WATCHED", 106},          {"STATISTIC_MOVIES_SEEN", 107},
      {"STATISTIC_ROULETTE_WINNINGS", 108},   {"STATISTIC_INVITES_REJECTED", 109},
      {"STATISTIC_INVITES_ACCEPTED", 110},    {"STATISTIC_SOLD_OBJECTS", 111},
      {"STATISTIC_PURCHASED_OBJECTS", 112},   {"STATISTIC_MCLICKS", 100},
  };
  GUI_EndGame* end = GUI_EndGame::Instance();
  end->Show();
  ASSERT_EQ(end->Rows().size(), std::size(expected));
  clock.Advance(GUI_EndGame::kFiguresMs);
  GUI_Services::RecordedTexts().clear();
  Frame();
  for (size_t i = 0; i < std::size(expected); ++i) {
    const auto& [key, value] = expected[i];
    SCOPED_TRACE(key);
    EXPECT_EQ(end->Rows()[i].label, Translate(key));
    EXPECT_EQ(end->Rows()[i].value, value);
    // On the screen: the name, and its figure 200 px to its right.
    const GUI_Services::TextItem* label = FindText(Translate(key));
    ASSERT_NE(label, nullptr);
    const GUI_Services::TextItem* figure = FindText(":" + std::to_string(value));
    ASSERT_NE(figure, nullptr);
    EXPECT_EQ(figure->x, label->x + 200);
    EXPECT_EQ(figure->y, label->y);
  }
  end->Hide();
}

// The review's three bars: socialising, alone and classes, each with its own share of the
// year's counted activities (here 6 evenings out, 3 alone and 1 class: 60, 30 and 10 per cent).
TEST_F(YearEndPlayTest, EachOfTheReviewsBarsShowsItsOwnShare) {
  StartGame();
  SIM_Statistics& stats = SIM_Statistics::Instance();
  stats.ResetYear();
  stats.AddInt(1, 1);  // classes
  stats.AddInt(3, 2);  // alone
  stats.AddInt(6, 3);  // socialising
  GUI_YearlyReview* review = GUI_YearlyReview::Instance();
  review->Show();
  clock.Advance(GUI_YearlyReview::kFiguresMs);
  GUI_Services::RecordedTexts().clear();
  Frame();
  const float s = static_cast<float>(engine.GetWidth()) / 1024.0f;
  struct Row {
    const char* label;
    float y;
    const char* percent;
    float share;
  };
  const Row rows[] = {{"YEAR_REVIEW_SOCIALISING", 350 * s, "60%", 0.6f},
                      {"YEAR_REVIEW_ALONE", 350 * s + 40, "30%", 0.3f},
                      {"YEAR_REVIEW_CLASSES", 350 * s + 80, "10%", 0.1f}};
  // The same page again, read back before it is presented (a present clears the buffer).
  engine.BeginRender();
  review->Draw();
  engine.EndScene();
  const std::vector<uint32_t> screen = Screen();
  auto green = [&](float x, float y) {
    const uint32_t p = screen[static_cast<size_t>(static_cast<int>(y) * engine.GetWidth() + static_cast<int>(x))];
    const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
    return g > r + 50 && g > b + 50;
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const GUI_Services::TextItem* label = FindText(Translate(row.label));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->y, row.y);
    const GUI_Services::TextItem* percent = FindText(row.percent);
    ASSERT_NE(percent, nullptr);
    EXPECT_EQ(percent->y, row.y);
    // The bar is filled from 600 px over its share of 300 px, and no further.
    const float end = 600 * s + row.share * 300 * s;
    EXPECT_TRUE(green(600 * s + 3, row.y + 8));
    EXPECT_TRUE(green(end - 4, row.y + 8));
    EXPECT_FALSE(green(end + 4, row.y + 8));
  }
  review->Dismiss();
}

TEST_F(YearEndPlayTest, MainMenuLeavesTheGameAndANewOneStartsAfresh) {
  StartGame();
  GameEndDate() = Tomorrow();
  PressNextDay();
  GUI_EndGame* end = GUI_EndGame::Instance();
  ASSERT_TRUE(end->IsOpen());
  clock.Advance(6000);
  Frame();
  // The upload says it is under way and posts the page, here to a closed port: the failure is
  // said in the game's own box over the page, which waits under it, and no browser opens.
  const InternetServer oldServer = GetInternetServer();
  GetInternetServer() = InternetServer{"127.0.0.1", 1};
  std::vector<std::string> opened;
  plat::SetShellOpenHandler([&opened](const std::string& target) { opened.push_back(target); });
  GUI_Services::RecordedTexts().clear();
  ClickOn(end->UploadButton());
  plat::SetShellOpenHandler(nullptr);
  GetInternetServer() = oldServer;
  EXPECT_NE(FindText(Translate("INTERNET_CONNECTING_PAGE")), nullptr);
  EXPECT_TRUE(opened.empty());
  ASSERT_EQ(end->Messages().size(), 1u);
  EXPECT_NE(end->Messages()[0]->GetText().find("InternetConnect Failed"), std::string::npos);
  Frame();
  EXPECT_NE(FindText(end->Messages()[0]->GetText()), nullptr);
  ClickOn(end->MainMenuButton());
  EXPECT_TRUE(end->IsOpen());
  Key(28);
  EXPECT_TRUE(end->Messages().empty());
  ClickOn(end->MainMenuButton());
  EXPECT_FALSE(end->IsOpen());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
  EXPECT_FALSE(Game::Instance().IsInGame());
  StartGame();
  EXPECT_FALSE(end->IsOpen());
  EXPECT_FALSE(SIM_SIM::Instance().IsGameOver());
  Frame();
  EXPECT_TRUE(GUI_GUI::Instance().ShowsMainScene());
}

TEST_F(YearEndPlayTest, ATicketIsAttendedOnceAndItsResultLeadsBackToTheRoom) {
  StartGame();
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetActs(2, 0);
  ASSERT_FALSE(SIM_SpecialEvent::All().empty());
  SIM_SpecialEvent* event = SIM_SpecialEvent::All().front().get();
  event->Trigger();
  ASSERT_FALSE(GUI_Email::Items().empty());
  GUI_Email* item = GUI_Email::Items().back();
  Frame();
  ClickOn(item);
  GUI_SpecialEvent* ticket = GUI_SpecialEvent::Instance();
  ASSERT_NE(ticket, nullptr);
  EXPECT_EQ(ticket->Event(), event);
  Frame();
  ClickOn(ticket->AttendButton());
  EXPECT_EQ(GUI_SpecialEvent::Instance(), nullptr);
  EXPECT_EQ(sim.GetActsUsed(), 1);
  ASSERT_TRUE(GUI_SpecialEventPostMortem::IsOpen());
  Frame();
  EXPECT_FALSE(GUI_GUI::Instance().ShowsMainScene());
  ClickOn(GUI_SpecialEventPostMortem::Instance()->ContinueButton());
  EXPECT_FALSE(GUI_SpecialEventPostMortem::IsOpen());
  Frame();
  EXPECT_TRUE(GUI_GUI::Instance().ShowsMainScene());

  // The item opened again shows the ticket without Attend: no second slot.
  ClickOn(item);
  ticket = GUI_SpecialEvent::Instance();
  ASSERT_NE(ticket, nullptr);
  Frame();
  EXPECT_FALSE(ticket->AttendButton()->IsEnabled());
  EXPECT_TRUE(ticket->RejectButton()->IsEnabled());
  ClickOn(ticket->AttendButton());
  EXPECT_EQ(sim.GetActsUsed(), 1);
  // Once the day is over both buttons are off.
  sim.EndAct();
  Frame();
  ASSERT_EQ(GUI_SpecialEvent::Instance(), ticket);
  EXPECT_FALSE(ticket->AttendButton()->IsEnabled());
  EXPECT_FALSE(ticket->RejectButton()->IsEnabled());
}

TEST_F(YearEndPlayTest, ThePromotionNoteShowsTheSalary) {
  StartGame();
  const SIM_JobInstance* held = SIM_Vesk::Instance()->GetJobInstance();
  ASSERT_NE(held, nullptr);
  GUI_Promotion::Open();
  ASSERT_NE(GUI_Promotion::Instance(), nullptr);
  const std::string text = GUI_Promotion::Text();
  EXPECT_EQ(text.find("<SALARY>"), std::string::npos);
  EXPECT_NE(text.find(FormatThousands(static_cast<int>(held->GetSalary()))), std::string::npos);
  Frame();
  ClickOn(GUI_Promotion::Instance()->Buttons().front());  // its close button
  EXPECT_EQ(GUI_Promotion::Instance(), nullptr);
}

}  // namespace
}  // namespace guitest

// Possessions and the day's interludes on the screen, driven by clicks: the owned-asset icons,
// the asset details window, the journey in the summary and the full-screen interlude.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Assets.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_AssetDetails.h"
#include "gui/windows/GUI_FMVScreen.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WorkDay.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Commute.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Crime.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class PossessionsScreenTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    SIM_Finances::Instance().SetCash(100000.0f);
    GUI_Services::SetRecording(true);
  }
  void TearDown() override {
    GUI_AssetDetails::Close();
    GUI_FMVScreen::Close();
    PlayTest::TearDown();
  }
  void Frame() {
    while (GUI_HintHelp::IsAnyOpen()) delete GUI_HintHelp::OpenHints().front();
    GUI_Services::RecordedTexts().clear();
    NewFrame();
    screen.Update();
    engine.BeginRender();
    screen.Draw();
    engine.EndScene();
    FlushGdiText(-1);
  }
  static SIM_Asset* Asset(const char* name) { return SIM_Asset::FindByName(name); }
  static GUI_Assets& Panel() { return *GUI_Assets::Instance(); }
  // Uses up the day's slots, so the next-day button takes the player on.
  void EndTheDay() {
    SIM_SIM::Instance().SetActs(1, 0);
    SIM_SIM::Instance().EndAct();
    Frame();
  }

  GUI_GUI& screen = GUI_GUI::Instance();
};

TEST_F(PossessionsScreenTest, TheIconsStandInColumnsAndShrinkForALargeHousehold) {
  for (const char* name : {"laptop", "guitar", "cabletv", "piano"}) Asset(name)->Buy();
  screen.StartGame();
  ASSERT_EQ(Panel().IconCount(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    const GUI_AssetIcon* icon = Panel().IconOf(SIM_Asset::Owned()[i]);
    ASSERT_NE(icon, nullptr);
    EXPECT_FLOAT_EQ(icon->GetSize(), 46.0f);
    const auto& r = icon->GetRect();
    EXPECT_EQ(r.left, static_cast<int>(32 + static_cast<float>(i / 3) * 1.35f * 46));
    EXPECT_EQ(r.top, static_cast<int>(64 + static_cast<float>(i % 3) * 1.2f * 46));
  }
  // Up to fifteen the icons keep their size, three to a column; from sixteen they shrink to
  // 24 px, six to a column. Where the last icon stands, worked out by hand from the steps of
  // 1.35 x size across and 1.2 x size down from (32, 64).
  struct Case {
    size_t owned;
    float size;
    int lastLeft, lastTop;
  };
  const Case cases[] = {
      {5, 46.0f, 94, 119},    // column 1, row 1: 32 + 62.1, 64 + 55.2
      {15, 46.0f, 280, 174},  // column 4, row 2: 32 + 4 * 62.1, 64 + 2 * 55.2
      {16, 24.0f, 96, 150},   // column 2, row 3: 32 + 2 * 32.4, 64 + 3 * 28.8
      {18, 24.0f, 96, 208},   // column 2, row 5: 32 + 2 * 32.4, 64 + 5 * 28.8
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.owned << " owned");
    for (SIM_Asset* asset : std::vector<SIM_Asset*>(SIM_Asset::Catalogue())) {
      if (SIM_Asset::Owned().size() >= c.owned) break;
      asset->Buy();
    }
    ASSERT_EQ(SIM_Asset::Owned().size(), c.owned);
    ASSERT_EQ(Panel().IconCount(), c.owned);
    for (const SIM_Asset* asset : SIM_Asset::Owned())
      EXPECT_FLOAT_EQ(Panel().IconOf(asset)->GetSize(), c.size);
    const GUI_AssetIcon* last = Panel().IconOf(SIM_Asset::Owned().back());
    EXPECT_EQ(last->GetRect().left, c.lastLeft);
    EXPECT_EQ(last->GetRect().top, c.lastTop);
  }
  // A picture without a width is drawn square rather than divided by zero.
  EXPECT_FLOAT_EQ(GUI_AssetIcon::PictureHeight(46.0f, 0.0f, 64.0f), 46.0f);
  EXPECT_FLOAT_EQ(GUI_AssetIcon::PictureHeight(46.0f, 64.0f, 32.0f), 23.0f);
}

TEST_F(PossessionsScreenTest, AnIconOpensTheDetailsWhereSellingAndUsingWork) {
  Asset("guitar")->Buy();
  Asset("laptop")->Buy();
  Asset("cleaner")->Buy();
  screen.StartGame();
  Frame();
  const float cash = SIM_Finances::Instance().GetCash();
  ClickOn(Panel().IconOf(Asset("guitar")));
  GUI_AssetDetails* details = GUI_AssetDetails::Instance();
  ASSERT_NE(details, nullptr);
  EXPECT_EQ(details->GetAsset(), Asset("guitar"));
  Frame();
  EXPECT_TRUE(Queued(std::string(Translate("SECOND_HAND_VALUE")) + " : \xA3" + "90.00"));
  ASSERT_NE(details->SellButton(), nullptr);
  ClickOn(details->SellButton());
  EXPECT_EQ(GUI_AssetDetails::Instance(), nullptr);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), cash + 90.0f);
  EXPECT_EQ(Panel().IconOf(Asset("guitar")), nullptr);
  EXPECT_EQ(Panel().IconCount(), 2u);

  // A service shows its running cost and is cancelled, not sold; it has nothing to use.
  Frame();
  ClickOn(Panel().IconOf(Asset("cleaner")));
  details = GUI_AssetDetails::Instance();
  ASSERT_NE(details, nullptr);
  EXPECT_EQ(details->UseButton(), nullptr);
  EXPECT_EQ(details->ValueText(), std::string(Translate("DAILY_COST")) + " : \xA3" + "6.00");
  EXPECT_EQ(details->SellButton()->GetText(), Translate("CANCEL_SERVICE"));

  // Use: the solo chooser turns to the laptop's activity, in the activities part of the day.
  Frame();
  ClickOn(Panel().IconOf(Asset("laptop")));
  details = GUI_AssetDetails::Instance();
  ASSERT_NE(details, nullptr);
  ASSERT_NE(details->UseButton(), nullptr);
  SIM_SIM::Instance().SetPhase(PHASE_DAYSTART);
  // The summary covers the main screen then; drawn anyway, the window offers no use.
  engine.BeginRender();
  details->Draw();
  engine.EndScene();
  EXPECT_FALSE(details->UseButton()->IsEnabled());
  details->Use();
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
  SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
  Frame();
  ClickOn(details->UseButton());
  EXPECT_EQ(GUI_AssetDetails::Instance(), nullptr);
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  bool offered = false;
  for (const SIM_SoloActivityType* type : chooser->Available()) offered |= type->GetName() == "surfweb";
  ASSERT_NE(chooser->Current(), nullptr);
  if (offered) {
    EXPECT_EQ(chooser->Current()->GetName(), "surfweb");
  } else {
    EXPECT_EQ(chooser->Current(), chooser->Available().front());
  }
}

TEST_F(PossessionsScreenTest, AMuggingOnTheWayHomeIsAnInterludeBeforeTheSummary) {
  ManualTimerClock clock;
  CurrentDate().SetDayOfWeek(0);
  SIM_Vesk::Instance()->GetJobInstance()->SetCommuteDistance(6.0f);
  SIM_Crime::Instance().SetDaysToMugging(1);
  SIM_Crime::Instance().SetDaysToBurglary(100);
  screen.StartGame();
  EndTheDay();
  ClickOn(GUI_ControlPanel::Instance().NextDayButton());
  ASSERT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_DAYSTART);
  ASSERT_TRUE(GUI_FMVScreen::IsActive());
  Frame();
  EXPECT_TRUE(Queued(Translate("FMV_MUGGED")));
  GUI_ButtonText* next = GUI_FMVScreen::Instance()->ContinueButton();
  EXPECT_FALSE(next->IsVisible());
  // No click ends it before its button appears.
  ClickOn(next);
  EXPECT_TRUE(GUI_FMVScreen::IsActive());
  clock.Advance(1000);
  Frame();
  EXPECT_EQ(GUI_FMVScreen::GreyAt(GUI_FMVScreen::Instance()->ElapsedMs()), 127);
  clock.Advance(2000);
  Frame();
  EXPECT_TRUE(next->IsVisible());
  ClickOn(next);
  EXPECT_FALSE(GUI_FMVScreen::IsActive());
  EXPECT_FALSE(GUI_WindowManager::Instance().IsModal(GUI_FMVScreen::Instance()));

  // Then the summary, which tells of the mugging and of the journey by bus.
  ASSERT_TRUE(GUI_WorkDay::Instance()->IsOpen());
  EXPECT_TRUE(GUI_WorkDay::Instance()->IsVisible());
  Frame();
  EXPECT_TRUE(Queued(Translate("CRIME_TEXT_MUGGED")));
  const std::string& journey = GUI_WorkDay::Instance()->CommuteText();
  EXPECT_NE(journey.find(Translate("COMMUTE_VERB_BUS")), std::string::npos) << journey;
  static const char* kEffects[4] = {"WORKDAY_COMMUTE_STRESS", "WORKDAY_COMMUTE_BOREDOM",
                                    "WORKDAY_COMMUTE_FITNESS", "WORKDAY_COMMUTE_TIREDNESS"};
  const int primary = SIM_Commute::Instance().GetPrimaryEffect();
  EXPECT_NE(journey.find(Translate(kEffects[primary])), std::string::npos) << journey;
  const float cost = SIM_Commute::Instance().GetCost();
  ASSERT_GT(cost, 0.0f);
  EXPECT_TRUE(Queued(std::string(Translate("WORKDAY_COMMUTECOST")) + " \xA3" + FormatFixed(cost, 2)));
  ClickOn(GUI_WorkDay::Instance()->ContinueButton());
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_ACTIVITIES);
}

TEST_F(PossessionsScreenTest, TwoInterludesInADayLeaveNothingHoldingTheClicks) {
  ManualTimerClock clock;
  screen.StartGame();
  SIM_SIM::Instance().SetPhase(PHASE_DAYSTART);
  GUI_FMVScreen::Show("FMV_MUGGED");
  clock.Advance(1500);
  GUI_FMVScreen::Show("FMV_PROMOTED");
  // The second replaces the first and starts again.
  EXPECT_EQ(GUI_FMVScreen::Instance()->GetText(), Translate("FMV_PROMOTED"));
  Frame();
  EXPECT_LT(GUI_FMVScreen::Instance()->ElapsedMs(), 1000.0);
  const auto& modal = GUI_WindowManager::Instance().ModalWindows();
  EXPECT_EQ(std::count(modal.begin(), modal.end(), GUI_FMVScreen::Instance()), 1);
  clock.Advance(3000);
  Frame();
  ClickOn(GUI_FMVScreen::Instance()->ContinueButton());
  EXPECT_FALSE(GUI_FMVScreen::IsActive());
  EXPECT_EQ(std::count(modal.begin(), modal.end(), GUI_FMVScreen::Instance()), 0);
  // The main screen takes clicks again: the owned-asset icons open their windows.
  SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
  Asset("laptop")->Buy();
  Frame();
  ClickOn(Panel().IconOf(Asset("laptop")));
  EXPECT_NE(GUI_AssetDetails::Instance(), nullptr);
}

}  // namespace
}  // namespace guitest

// The control panel: layout, enabling by day phase, the end-of-day pointer, next day and quit.
#include <gtest/gtest.h>

#include "app/Game.h"
#include "engine/CallTrace.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_BookDetails.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WorkDay.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_SIM.h"

namespace guitest {
namespace {

class ControlPanelTest : public PlayTest {
 protected:
  GUI_ControlPanel& Panel() { return GUI_ControlPanel::Instance(); }
  std::vector<bool> Enabled() {
    Panel().UpdateEnabling();
    std::vector<bool> flags;
    for (GUI_IconButton* b : {Panel().NetworkButton(), Panel().ClassesButton(), Panel().SoloButton(),
                              Panel().SocialButton(), Panel().CareerButton(), Panel().NextDayButton(),
                              Panel().QuitButton()})
      flags.push_back(b->IsEnabled());
    return flags;
  }
};

TEST_F(ControlPanelTest, SevenButtonsAlongTheBottomRight) {
  const GUI_Rect panel = Panel().GetRect();
  EXPECT_EQ(panel.left, 1024 - 586);
  EXPECT_EQ(panel.top, 768 - 70);
  EXPECT_EQ(panel.right, 1024);
  EXPECT_EQ(panel.bottom, 768 - 10);
  EXPECT_EQ(Panel().Buttons().size(), 7u);
  EXPECT_EQ(Panel().Buttons().front(), Panel().NetworkButton());
  EXPECT_EQ(Panel().Buttons().back(), Panel().QuitButton());
  EXPECT_EQ(Panel().ClassesButton()->GetRect().left, 1024 - 512);
  EXPECT_EQ(Panel().SoloButton()->GetRect().left, 1024 - 438);
  EXPECT_EQ(Panel().NextDayButton()->GetRect().left, 1024 - 216);
  EXPECT_EQ(Panel().NextDayButton()->GetRect().right, 1024 - 156);
  EXPECT_EQ(Panel().QuitButton()->GetRect().left, 1024 - 60);
  EXPECT_EQ(Panel().QuitButton()->GetRect().bottom, 768 - 10);
  // A new game's sweep leaves the panel alone.
  GUI_WindowManager::Instance().CloseAllWindows();
  EXPECT_TRUE(GUI_ControlPanel::Exists());
}

TEST_F(ControlPanelTest, AtTheSmallestScreenItSpans214To800) {
  engine.Release();
  ASSERT_TRUE(engine.InitOffscreen(800, 600));
  const GUI_Rect panel = Panel().GetRect();
  EXPECT_EQ(panel.left, 214);
  EXPECT_EQ(panel.right, 800);
  EXPECT_EQ(panel.top, 530);
  EXPECT_EQ(panel.bottom, 590);
  EXPECT_EQ(Panel().QuitButton()->GetRect().left, 740);
  EXPECT_EQ(Panel().QuitButton()->GetRect().right, 800);
  EXPECT_EQ(Panel().NextDayButton()->GetRect().left, 584);
  EXPECT_EQ(Panel().NextDayButton()->GetRect().right, 644);
  delete &Panel();
  EXPECT_FALSE(GUI_ControlPanel::Exists());
}

TEST_F(ControlPanelTest, TheDayPhaseDecidesWhichButtonsWork) {
  //                        network classes solo social career next quit
  SIM_SIM::Instance().SetPhase(1);
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, true, true, false, true}));
  SIM_Health::Instance().SetHealthyForTesting(false);
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, false, true, false, true}));
  SIM_SIM::Instance().SetPhase(2);
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false, false, true, true}));
  SIM_SIM::Instance().SetPhase(0);
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false, false, false, true}));
  SIM_SIM::Instance().SetPhase(7);  // an unknown phase leaves everything as it was
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false, false, false, false, true}));
}

TEST_F(ControlPanelTest, OnceTheDayIsOverAFramedHintPointsAtNextDay) {
  SIM_SIM::Instance().SetPhase(1);
  GUI_Services::RecordedTexts().clear();
  Panel().Draw();
  const std::string hint = "There is nothing left to do today. Press the next-day button to go to bed.";
  EXPECT_FALSE(Queued(hint));
  SIM_SIM::Instance().SetPhase(2);
  Panel().Draw();
  ASSERT_TRUE(Queued(hint));
  const int l = Panel().NextDayButton()->GetRect().left;
  EXPECT_FLOAT_EQ(FindText(hint)->x, static_cast<float>(l - 300 + 10));
  EXPECT_EQ(FindText(hint)->wrapWidth, 240 - 20);
  GUI_Services::RecordedTexts().clear();
  Panel().SetHintSuppressed(true);
  Panel().Draw();
  EXPECT_FALSE(Queued(hint));
  Panel().SetHintSuppressed(false);
}

TEST_F(ControlPanelTest, NextDayClosesTheBookThenRunsTheDayAndTheSummaryOpensTheNext) {
  GUI_ControlPanel::CreateIfNeeded();
  ASSERT_FALSE(SIM_Book::All().empty());
  SIM_Book* book = SIM_Book::All().front();
  SIM_Asset::RestoreOwned(book);
  GUI_BookDetails::Open(book);
  SIM_SIM::Instance().SetPhase(1);
  InGameFrame();
  ClickOn(Panel().NextDayButton());  // disabled while activities are open
  EXPECT_NE(GUI_BookDetails::Instance(), nullptr);
  SIM_SIM::Instance().SetPhase(2);
  InGameFrame();
  ASSERT_NE(GUI_BookDetails::Instance(), nullptr);
  ClickOn(Panel().NextDayButton());
  EXPECT_EQ(GUI_BookDetails::Instance(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), 0);
  GUI_WorkDay* summary = GUI_WorkDay::Instance();
  EXPECT_TRUE(summary->IsOpen());
  InGameFrame();
  Enabled();
  EXPECT_FALSE(Panel().SoloButton()->IsEnabled());
  ClickOn(Panel().SoloButton());  // the summary is modal: nothing else takes clicks
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
  ClickOn(summary->ContinueButton());
  EXPECT_FALSE(summary->IsOpen());
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), 1);
  InGameFrame();
  ClickOn(Panel().SoloButton());
  EXPECT_NE(GUI_SoloActivityChooser::Instance(), nullptr);
}

TEST_F(ControlPanelTest, QuitAsksFirstAndConfirmingReturnsToTheMainMenu) {
  GUI_ControlPanel::CreateIfNeeded();
  InGameFrame();
  ClickOn(Panel().QuitButton());
  GUI_ConfirmDialog* confirm = GUI_ConfirmDialog::Instance();
  ASSERT_NE(confirm, nullptr);
  EXPECT_EQ(confirm->GetTitle(), "Leave the game?");
  InGameFrame();
  ClickOn(confirm->GetCancelButton());
  EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  GUI_ControlPanel::AskQuit();  // the screen's Escape asks the same
  InGameFrame();
  ClickOn(GUI_ConfirmDialog::Instance()->GetOkButton());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
}

}  // namespace
}  // namespace guitest

// The solo activity chooser, driven through the mouse, the wheel and the keyboard.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/CallTrace.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "sim/HOOK_Achievements.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"

using testsupport::WriteFile;

namespace guitest {
namespace {

constexpr int kEscape = 1, kReturn = 28, kLeft = 203, kRight = 205;

// Columns: #,name,label,text,action,effects vary,panel,friend chance,skip,cost,first month,
// last month,days 0..6,unused,modifiers...,#,prerequisites...
const char* kTable =
    "#,alpha,Alpha label,Alpha text,,0,default,0,0,10,-1,-1,1,1,1,1,1,1,1,0,"
    "\"zz_low,-0.05,0.5\",\"zz_high,0.04,0.9\",\"zz_flat,0,0.5\",\"averyveryverylongvaluename,0.01,0.5\",#\n"
    "#,bravo,Bravo label,Bravo text,,0,default,0,0,1234.9,-1,-1,1,1,1,1,1,1,1,0,\"stress,0.01,0.5\",#\n"
    "#,never,Never label,Never text,,0,default,0,0,0,-1,-1,0,0,0,0,0,0,0,0,#\n"
    "#,charlie,Charlie label,Charlie text,,0,story,0,0,0,-1,-1,1,1,1,1,1,1,1,0,#\n"
    "#,delta,Delta label,Delta text,,1,default,0,0,0,-1,-1,1,1,1,1,1,1,1,0,\"stress,-0.01,0.5\",#\n"
    "#,clever,Clever label,Clever text,,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,0,#,\"iq,2\"\n";

class ChooserTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    checkShippedTexts = false;  // the test's own activity table names keys of its own
    WriteFile(user.Path() / "solo.csv", kTable);
    SIM_SoloActivityType::Reload((user.Path() / "solo.csv").string());
    // The chooser's one-time hint is modal: these tests meet it already read.
    WriteFile(user.Path() / "hints.txt", "[hints]\nsolo_dialog = 1\n");
    LoadHints();
    SIM_Finances::Instance().SetCash(100);
    SIM_SIM::Instance().SetActs(1, 0);
    SIM_SIM::Instance().SetPhase(1);
    ClearTracedCalls();
  }
  GUI_SoloActivityChooser* Chooser() { return GUI_SoloActivityChooser::Instance(); }
  std::string Shown() { return Chooser()->Current() ? Chooser()->Current()->GetName() : ""; }
  void Frame() {
    GUI_Services::RecordedTexts().clear();
    InGameFrame();
  }
};

TEST_F(ChooserTest, ListsOnlyTodaysActivitiesAndStepsThroughThemWithWrapAround) {
  GUI_SoloActivityChooser::Open();
  ASSERT_NE(Chooser(), nullptr);
  std::vector<std::string> names;
  for (const SIM_SoloActivityType* type : Chooser()->Available()) names.push_back(type->GetName());
  // "never" is offered on no day and "clever" needs more intelligence than anyone has.
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "bravo", "charlie", "delta"}));
  EXPECT_EQ(Shown(), "alpha");
  EXPECT_EQ(Chooser()->GetRect().right - Chooser()->GetRect().left, 430);
  EXPECT_EQ(Chooser()->GetRect().left, (1024 - 430) / 2);

  Frame();  // the arrows are clickable once drawn
  ClickOn(Chooser()->NextArrow());
  EXPECT_EQ(Shown(), "bravo");
  ClickOn(Chooser()->PreviousArrow());
  ClickOn(Chooser()->PreviousArrow());
  EXPECT_EQ(Shown(), "delta");  // from the first, previous shows the last
  ClickOn(Chooser()->NextArrow());
  EXPECT_EQ(Shown(), "alpha");  // from the last, next shows the first
  Key(kRight);
  EXPECT_EQ(Shown(), "bravo");
  Key(kLeft);
  EXPECT_EQ(Shown(), "alpha");
  GUI_GUI::Instance().OnWheelDown();
  EXPECT_EQ(Shown(), "bravo");
  GUI_GUI::Instance().OnWheelUp();
  EXPECT_EQ(Shown(), "alpha");

  GUI_SoloActivityChooser::SelectByName("delta");
  EXPECT_EQ(Shown(), "delta");
  GUI_SoloActivityChooser::SelectByName("Delta");  // exact names only
  GUI_SoloActivityChooser::SelectByName("never");  // not listed today
  EXPECT_EQ(Shown(), "delta");
}

TEST_F(ChooserTest, StartingUsesOneSlotPaysOnceAndCloses) {
  GUI_SoloActivityChooser::Open();
  Frame();
  EXPECT_EQ(Chooser()->StartButton()->GetText(), "Alpha label");
  EXPECT_TRUE(Chooser()->StartButton()->IsEnabled());
  ClickOn(Chooser()->StartButton());
  EXPECT_EQ(Chooser(), nullptr);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 90.0f);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), 2);  // the day's only slot
  EXPECT_EQ(GUI_GUI::Instance().GetKeyCapture(), nullptr);
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), nullptr);
  // A second Return reaches no chooser: nothing more is paid.
  Key(kReturn);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 90.0f);
}

TEST_F(ChooserTest, ReturnStartsOnlyWhatTheButtonWould) {
  SIM_Finances::Instance().SetCash(50);
  GUI_SoloActivityChooser::Open();
  Key(kRight);  // bravo costs 1,234.90
  Frame();
  EXPECT_EQ(Chooser()->StartButton()->GetText(), "Not enough money");
  EXPECT_FALSE(Chooser()->StartButton()->IsEnabled());
  Key(kReturn);
  ClickOn(Chooser()->StartButton());
  ASSERT_NE(Chooser(), nullptr);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 50.0f);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);

  // Affordable, but the day is over: the label stays and the button is off.
  Key(kLeft);
  SIM_SIM::Instance().SetPhase(2);
  Frame();
  EXPECT_EQ(Chooser()->StartButton()->GetText(), "Alpha label");
  EXPECT_FALSE(Chooser()->StartButton()->IsEnabled());
  Key(kReturn);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);

  SIM_SIM::Instance().SetPhase(1);
  Key(kReturn);
  EXPECT_EQ(Chooser(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 40.0f);
}

TEST_F(ChooserTest, TheCostAndEffectsPanel) {
  GUI_SoloActivityChooser::Open();
  Frame();
  EXPECT_TRUE(Queued("Alpha label"));
  EXPECT_TRUE(Queued("Alpha text"));
  EXPECT_TRUE(Queued("\xA3 10"));
  EXPECT_TRUE(Queued("Reduces"));
  EXPECT_TRUE(Queued("Increases"));
  const GUI_Services::TextItem* reduces = FindText("nv_zz_low");
  const GUI_Services::TextItem* increases = FindText("nv_zz_high");
  ASSERT_NE(reduces, nullptr);
  ASSERT_NE(increases, nullptr);
  EXPECT_LT(reduces->x, increases->x);  // lowered on the left, raised on the right
  EXPECT_FALSE(Queued("nv_zz_flat"));   // an amount of 0 is in neither box
  EXPECT_TRUE(Queued("nv_averyveryver..."));  // 18 characters at most
  const GUI_Services::TextItem* longName = FindText("nv_averyveryver...");
  EXPECT_FLOAT_EQ(longName->y, increases->y + 18);

  Key(kRight);
  Frame();
  EXPECT_TRUE(Queued("\xA3 1,234"));
  Key(kRight);  // charlie: the news-story progress instead of cost and effects
  SIM_NewsStory::Instance().Restore(0.125f, 0.0f, "Pigeons Unmasked", {0.5f});
  Frame();
  EXPECT_TRUE(Queued(std::string(Translate("CURRENT_STORY")) + ": \"Pigeons Unmasked\""));
  EXPECT_TRUE(Queued(std::string(Translate("PROGRESS")) + ": 12.50%"));
  EXPECT_FALSE(Queued("Reduces"));
  SIM_NewsStory::Instance().Clear();
  Key(kRight);  // delta: effects vary
  Frame();
  EXPECT_TRUE(Queued("\xA3 0"));
  EXPECT_TRUE(Queued("The effects of this vary."));
  EXPECT_FALSE(Queued("Reduces"));
}

TEST_F(ChooserTest, EnrolledClassesComeLastAndOnlyForTheDaysLastSlot) {
  auto evening = HOOK_EveningClassType::FromRow(
      "#,ADULT,pottery,Pottery text,,0,-1,-1,1,1,1,1,1,1,1,0,#,0.1");
  evening->Enrol();
  SIM_SIM::Instance().SetActs(2, 0);
  GUI_SoloActivityChooser::Open();
  EXPECT_EQ(Chooser()->Available().size(), 4u);
  SIM_SIM::Instance().SetActs(2, 1);
  GUI_SoloActivityChooser::Open();
  ASSERT_EQ(Chooser()->Available().size(), 5u);
  EXPECT_EQ(Chooser()->Available().back()->GetName(), "pottery");
  GUI_SoloActivityChooser::Close();
  evening.reset();
  EXPECT_TRUE(EnrolledEveningClasses().empty());
}

TEST_F(ChooserTest, AnEmptyListShowsNothingAndStartsNothing) {
  WriteFile(user.Path() / "none.csv", "#,never,Never,Never,,0,default,0,0,0,-1,-1,0,0,0,0,0,0,0,0,#\n");
  SIM_SoloActivityType::Reload((user.Path() / "none.csv").string());
  GUI_SoloActivityChooser::Open();
  ASSERT_NE(Chooser(), nullptr);
  ASSERT_EQ(assertions.size(), 1u) << assertions.front();
  EXPECT_NE(assertions[0].find("GUI_SoloActivityChooser"), std::string::npos);
  EXPECT_EQ(Chooser()->Current(), nullptr);
  Frame();
  EXPECT_FALSE(Chooser()->StartButton()->IsEnabled());
  Key(kRight);
  Key(kLeft);
  Key(kReturn);
  ClickOn(Chooser()->NextArrow());
  ClickOn(Chooser()->StartButton());
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
  ASSERT_NE(Chooser(), nullptr);
  Key(kEscape);
  EXPECT_EQ(Chooser(), nullptr);
}

TEST_F(ChooserTest, OpeningClosesTheOtherChoosersReplacesItselfAndShowsItsHint) {
  std::filesystem::remove(user.Path() / "hints.txt");
  LoadHints();
  GUI_EveningClasses::Open();
  GUI_JobSearch::Open();
  EXPECT_EQ(GUI_EveningClasses::Instance(), nullptr);  // the job search closed it
  GUI_EveningClasses::Open();
  while (GUI_HintHelp::IsAnyOpen()) delete GUI_HintHelp::OpenHints().front();
  GUI_SoloActivityChooser::Open();
  GUI_SoloActivityChooser* first = Chooser();
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), nullptr);
  EXPECT_EQ(GUI_JobSearch::Instance(), nullptr);
  EXPECT_EQ(GUI_EveningClasses::Instance(), nullptr);
  EXPECT_EQ(GUI_HintHelp::OpenHints().size(), 1u);
  EXPECT_EQ(GUI_GUI::Instance().GetKeyCapture(), first);
  GUI_SoloActivityChooser::Open();
  EXPECT_EQ(GUI_WindowManager::Instance().Windows().size(), 2u);  // the new chooser and the hint
  EXPECT_EQ(GUI_HintHelp::OpenHints().size(), 1u);  // the hint shows once
  // While the hint (a modal window) is open, Escape is not the chooser's; answered, Escape
  // reaches the chooser through the screen's key capture and closes it.
  GUI_SoloActivityChooser* second = Chooser();
  Key(kEscape);
  EXPECT_EQ(Chooser(), second);
  while (GUI_HintHelp::IsAnyOpen()) delete GUI_HintHelp::OpenHints().front();
  Key(kEscape);
  EXPECT_EQ(Chooser(), nullptr);
  EXPECT_EQ(GUI_GUI::Instance().GetKeyCapture(), nullptr);
}

}  // namespace
}  // namespace guitest

// The work-day summary: its sections, event lines and sounds, typing and the continue button.
#include <gtest/gtest.h>

#include "engine/CallTrace.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_WorkDay.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

constexpr const char* kChequeCame =
    "You have no job to go to. The benefit cheque arrived; it does not go far.";

GUI_WorkDay::Facts g_facts;
GUI_WorkDay::Facts TestFacts() { return g_facts; }

class WorkDayTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    g_facts = GUI_WorkDay::Facts();
    g_facts.weather = 2;
    g_facts.methodVerb = "cycled";
    g_facts.workplace = "the cafe";
    g_facts.primaryEffect = 3;
    g_facts.secondaryEffect = 0;
    g_facts.performance = 0.7f;
    g_facts.daysWorked = 5;
    g_facts.pay = 12.5f;
    GUI_WorkDay::SetFactsSource(TestFacts);
    CurrentDate().SetDayOfWeek(2);
    SIM_SIM::Instance().SetPhase(0);
  }
  GUI_WorkDay& Summary() { return *GUI_WorkDay::Instance(); }
  void ShowAndDraw() {
    Summary().Show();
    GUI_Services::RecordedTexts().clear();
    Summary().Draw();
  }
  float Y(const std::string& text) {
    const GUI_Services::TextItem* item = FindText(text);
    return item ? item->y : -1.0f;
  }
};

TEST_F(WorkDayTest, AWorkedWeekdayShowsDateCommuteVerdictAndEarnings) {
  ShowAndDraw();
  EXPECT_TRUE(Summary().IsOpen());
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(&Summary()));
  const SIM_Date& date = CurrentDate();
  const std::string dateLine =
      "Wednesday " + GetMonthName(date.GetMonth()) + " " + std::to_string(date.GetYear());
  ASSERT_TRUE(Queued(dateLine));
  EXPECT_EQ(FindText(dateLine)->align, 1);
  EXPECT_EQ(FindText(dateLine)->wrapWidth, 1024);
  const std::string commute =
      "It rained all day. You cycled to the cafe and arrived tired and stressed.";
  EXPECT_EQ(Summary().CommuteText(), commute);
  EXPECT_FLOAT_EQ(Y(dateLine), 120);
  EXPECT_FLOAT_EQ(Y(commute), 180);
  EXPECT_FLOAT_EQ(Y("Work went well today."), 240);
  EXPECT_FLOAT_EQ(Y("You earned \xA3" "12.50"), 290);
  EXPECT_FALSE(Queued("Getting to work cost you \xA3" "0.00"));
  EXPECT_EQ(FindText(commute)->wrapWidth, 600);
  EXPECT_FLOAT_EQ(FindText(commute)->x, 80);
}

TEST_F(WorkDayTest, TipsFriendAndCommuteCostFollowTheEarnings) {
  g_facts.tips = 1.5f;  // part of the pay, told under it
  g_facts.newFriend = "Sam Smith";
  g_facts.commuteCost = 3.2f;
  g_facts.performance = 0.2f;
  ShowAndDraw();
  EXPECT_TRUE(Queued("Work went badly today."));
  EXPECT_FLOAT_EQ(Y("\xA3 1.50 of that was tips."), 310);
  EXPECT_FLOAT_EQ(Y("You got on well with Sam Smith at work."), 330);
  EXPECT_FLOAT_EQ(Y("Getting to work cost you \xA3" "3.20"), 350);
  // Without a friend the gap stays.
  g_facts.tips = -1.0f;
  g_facts.newFriend.clear();
  Summary().Close();
  SIM_SIM::Instance().SetPhase(0);
  ShowAndDraw();
  EXPECT_FLOAT_EQ(Y("Getting to work cost you \xA3" "3.20"), 330);
}

TEST_F(WorkDayTest, TheSectionFollowsThePlayersSituation) {
  g_facts.daysWorked = 1;
  ShowAndDraw();
  EXPECT_TRUE(Queued("Your first day in the new job. Everybody was friendly enough."));
  EXPECT_FALSE(Queued("Work went well today."));
  Summary().Close();

  g_facts.illness = 2;
  ShowAndDraw();
  EXPECT_TRUE(Queued("You were too ill to go to work today."));
  Summary().Close();
  CurrentDate().SetDayOfWeek(6);  // sick at the weekend: still the sickness
  g_facts.illness = 3;
  ShowAndDraw();
  EXPECT_TRUE(Queued("You called in sick: the stress has become too much."));
  EXPECT_FALSE(Queued("It is the weekend: no work today."));
  Summary().Close();

  g_facts.illness = 0;
  ShowAndDraw();
  EXPECT_TRUE(Queued("It is the weekend: no work today."));
  EXPECT_FALSE(Queued(Summary().CommuteText()));
  Summary().Close();

  g_facts.unemployed = true;  // even when sick
  g_facts.benefitPaid = true;
  g_facts.illness = 1;
  ShowAndDraw();
  EXPECT_TRUE(Queued(kChequeCame));
  EXPECT_FALSE(Queued("You stayed at home with a streaming cold."));
}

TEST_F(WorkDayTest, EventsBecomeLinesInQueueOrderWithTheirSoundsOnce) {
  g_facts.salary = 12500.7f;
  Summary().AddLine(3, 0);
  Summary().AddLine(12, 0);  // not a kind: ignored
  Summary().AddLine(3, 0);
  Summary().AddLine(7, 0);
  Summary().AddLine(8, 0);
  ShowAndDraw();
  ASSERT_EQ(Summary().Lines().size(), 4u);
  EXPECT_EQ(Summary().Lines()[0], "You were mugged on the way home.");
  EXPECT_EQ(Summary().Lines()[2], "You have been promoted! Your new salary is 12,500 a year.");
  EXPECT_EQ(CountSound("data/sounds/police.wav"), 2);
  EXPECT_EQ(CountSound("data/sounds/applause.ogg"), 1);
  // Lines under the section, 45 px apart.
  const float first = Y("You were mugged on the way home.");
  EXPECT_FLOAT_EQ(Y("Your flat is a mess. It is getting you down."), first + 135);
  // Drawing again plays nothing more.
  Summary().Draw();
  EXPECT_EQ(CountSound("data/sounds/police.wav"), 2);
  // A second summary before the first is closed shows each event once.
  Summary().Show();
  EXPECT_EQ(Summary().Lines().size(), 4u);
  Summary().Close();
  EXPECT_EQ(Summary().QueuedEvents(), 0u);
  EXPECT_TRUE(Summary().Lines().empty());
  // Events queued while hidden wait for the next summary.
  Summary().AddLine(5, 0);
  EXPECT_EQ(Summary().QueuedEvents(), 1u);
}

TEST_F(WorkDayTest, TheSimulationTellsIllnessAndUnemployment) {
  GUI_WorkDay::SetFactsSource(nullptr);
  SIM_Health::Instance().SetState(SIM_Health::kCoughing);
  ShowAndDraw();
  EXPECT_TRUE(Queued("You were too ill to go to work today."));
  Summary().Close();
  SIM_Health::Instance().SetState(SIM_Health::kWell);
  SIM_JobBase* unemployed = SIM_JobBase::FindByName("unemployed");
  ASSERT_NE(unemployed, nullptr);
  SIM_Vesk::Instance()->SetJob(unemployed);
  // No day has run: no cheque came, and none is told of.
  ShowAndDraw();
  EXPECT_TRUE(Queued("You have no job to go to."));
  EXPECT_FALSE(Queued(kChequeCame));
  Summary().Close();
  // A day without work brings the cheque.
  SIM_SIM::Instance().SetPhase(2);
  SIM_SIM::Instance().NextDay();
  ASSERT_TRUE(Summary().IsOpen());
  GUI_Services::RecordedTexts().clear();
  Summary().Draw();
  EXPECT_TRUE(Queued(kChequeCame));
}

// The day a contract runs out is its last work day: the player is moved to "unemployed" by the
// day's own steps, but the summary tells the day worked, with its pay, and no benefit.
TEST_F(WorkDayTest, AContractsLastDayIsToldAsTheWorkDayItWas) {
  GUI_WorkDay::SetFactsSource(nullptr);
  SIM_Health::Instance().SetState(SIM_Health::kWell);
  SIM_JobBase* waiter = SIM_JobBase::FindByName("waiter_0");
  ASSERT_NE(waiter, nullptr);
  struct KeptDuration {
    SIM_JobBase* job;
    int days;
    ~KeptDuration() { job->SetDuration(days); }
  } kept{waiter, waiter->GetDuration()};
  waiter->SetDuration(5);
  SIM_Vesk::Instance()->SetJob(waiter);
  SIM_Vesk::Instance()->GetJobInstance()->SetDaysInJob(4);
  // Monday's end: Tuesday is the contract's fifth and last day.
  CurrentDate().SetDayOfWeek(0);
  SIM_SIM::Instance().SetPhase(2);
  SIM_SIM::Instance().NextDay();
  ASSERT_TRUE(Summary().IsOpen());
  ASSERT_EQ(SIM_Vesk::Instance()->GetJob()->GetName(), "unemployed");
  ASSERT_GT(waiter->GetLastPay(), 0.0f);
  GUI_Services::RecordedTexts().clear();
  Summary().Draw();
  EXPECT_FALSE(Queued(kChequeCame));
  EXPECT_FALSE(Queued("You have no job to go to."));
  EXPECT_TRUE(Queued("You earned \xA3" + FormatFixed(waiter->GetLastPay(), 2)));
  EXPECT_FALSE(Queued("Your first day in the new job. Everybody was friendly enough."));
  EXPECT_TRUE(Queued("Work went well today.") || Queued("Work went badly today."));
  Summary().Close();

  // The next day is the first without the job: the cheque comes, and is told of.
  SIM_SIM::Instance().SetPhase(2);
  SIM_SIM::Instance().NextDay();
  ASSERT_TRUE(Summary().IsOpen());
  GUI_Services::RecordedTexts().clear();
  Summary().Draw();
  EXPECT_TRUE(Queued(kChequeCame));
  EXPECT_FALSE(Queued("You earned \xA3" + FormatFixed(waiter->GetLastPay(), 2)));
}

TEST_F(WorkDayTest, AWorkedDayTellsWhatTheJobPaidAndTipped) {
  GUI_WorkDay::SetFactsSource(nullptr);
  SIM_Health::Instance().SetState(SIM_Health::kWell);
  SIM_JobBase* waiter = SIM_JobBase::FindByName("waiter_0");
  ASSERT_NE(waiter, nullptr);
  SIM_Vesk::Instance()->SetJob(waiter);
  // Monday's end: the next day is a working Tuesday.
  CurrentDate().SetDayOfWeek(0);
  SIM_SIM::Instance().SetPhase(2);
  SIM_SIM::Instance().NextDay();
  ASSERT_TRUE(Summary().IsOpen());
  ASSERT_GT(waiter->GetLastPay(), 0.0f);
  GUI_Services::RecordedTexts().clear();
  Summary().Draw();
  EXPECT_TRUE(Queued("You earned \xA3" + FormatFixed(waiter->GetLastPay(), 2)));
  // The cafe's tips are part of that pay, told as such.
  ASSERT_GE(waiter->GetTodaysTip(), 0.005f);
  ASSERT_LE(waiter->GetTodaysTip(), waiter->GetLastPay());
  EXPECT_TRUE(Queued("\xA3 " + FormatFixed(waiter->GetTodaysTip(), 2) + " of that was tips."));
  // The first day's verdict is the welcome.
  EXPECT_TRUE(Queued("Your first day in the new job. Everybody was friendly enough."));
}

TEST_F(WorkDayTest, WithoutAWayToWorkOnlyTheWeatherIsTold) {
  g_facts.methodVerb.clear();
  ShowAndDraw();
  EXPECT_EQ(Summary().CommuteText(), "It rained all day.");
  EXPECT_FLOAT_EQ(Y("It rained all day."), 180);
}

TEST_F(WorkDayTest, LongTextsAreNeverCut) {
  g_facts.workplace = std::string(3000, 'w');
  Summary().Show();
  EXPECT_NE(Summary().CommuteText().find(g_facts.workplace), std::string::npos);
  EXPECT_NE(Summary().CommuteText().find("arrived tired and stressed."), std::string::npos);
}

TEST_F(WorkDayTest, TheTextAppearsOnScreenAFewLettersAFrame) {
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  GUI_WorkDay::SetFrameStep(1.0f);
  Summary().Show();
  auto frame = [this] {
    engine.BeginRender();
    engine.FillRect(0, 0, 1024, 768, 0xFF000000u);
    GUI_GUI::Instance().Draw();
    engine.EndScene();
    return WhitePixels(0, 0, 1024, 768);
  };
  const int first = frame();
  const int second = frame();
  int later = second;
  for (int i = 0; i < 12; ++i) later = frame();
  EXPECT_GT(second, first);
  EXPECT_GT(later, second + 300);
}

TEST_F(WorkDayTest, TheTextTypesOutAndContinueOpensTheDay) {
  GUI_WorkDay::SetFrameStep(1.0f);
  Summary().Show();
  EXPECT_FLOAT_EQ(Summary().TypedCharacters(), 0);
  InGameFrame();
  InGameFrame();
  EXPECT_FLOAT_EQ(Summary().TypedCharacters(), 4);
  GUI_WorkDay::SetFrameStep(10.0f);  // a long frame counts at most 3 steps
  InGameFrame();
  EXPECT_FLOAT_EQ(Summary().TypedCharacters(), 10);
  GUI_WorkDay::SetFrameStep(1.0f);
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), 0);
  Click(500, 300);  // the summary takes every click; only the button continues
  EXPECT_TRUE(Summary().IsOpen());
  ClickOn(Summary().ContinueButton());
  EXPECT_FALSE(Summary().IsOpen());
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), 1);
  EXPECT_FALSE(GUI_WindowManager::Instance().IsModal(&Summary()));
  const GUI_Rect button = Summary().ContinueButton()->GetRect();
  EXPECT_EQ(button.right, 1024 - 10);
  EXPECT_EQ(button.bottom, 768 - 8);
  EXPECT_EQ(button.right - button.left, 160);
}

}  // namespace
}  // namespace guitest

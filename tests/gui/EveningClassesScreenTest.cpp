// Evening classes and pets on the screen, driven by clicks and keys: the classes window from
// the control panel and from the activity, attending from the solo chooser and its result
// window, and a pet's details with its name typed in.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Translate.h"
#include "gui/GUI_Assets.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Indicator.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tooltip.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_EveningClassPostMortem.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "gui/windows/GUI_PetDetails.h"
#include "gui/windows/GUI_Skills.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "app/CInput.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

constexpr int kEscape = 1, kBackspace = 14, kShift = 42, kB = 48, kO = 24, kOne = 2;
constexpr int kAdultButton = 4;  // the schools run drama, medical, law, technical, adult

class ClassesScreenTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    checkShippedTexts = false;  // the tests' own class tables name courses without texts
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    SIM_Finances::Instance().SetCash(100000.0f);
    SIM_Vesk::Instance()->SetValue("tiredness", 0.0f);
    SIM_Vesk::Instance()->SetValue("stress", 0.0f);
    GUI_Services::SetRecording(true);
    screen.StartGame();
  }
  void TearDown() override {
    GUI_EveningClasses::Close();
    GUI_EveningClassPostMortem::Close();
    GUI_PetDetails::Close();
    Release(kShift);
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
  void Release(int key) {
    plat::Event e;
    e.type = plat::EventType::KeyUp;
    e.key = key;
    CInput::Instance().QueueEvent(e);
    CInput::Instance().Update();
  }
  // A table of classes read as the game reads its own: eleven adult classes meeting every
  // day but Sunday (the last of them requires the first), and one medical class.
  void LoadElevenAdultClasses() {
    const std::string path = user.Str() + "/classes.csv";
    std::ofstream out(path);
    for (int i = 1; i <= 11; ++i)
      out << "#,ADULT,course" << i << ",CLASS_COOKERY_DESC,," << i << ",-1,-1,1,1,1,1,1,1,0,0,"
          << (i == 11 ? "course1," : "") << "#,0.5\n";
    out << "#,MEDICAL,finished,CLASS_FIRSTAID_DESC,,3,-1,-1,1,1,1,1,1,1,1,0,#,1.0\n";
    out.close();
    HOOK_EveningClassType::LoadAll(path);
  }
  static GUI_EveningClasses* Window() { return GUI_EveningClasses::Instance(); }
  static HOOK_EveningClassType* Class(const char* name) {
    return HOOK_EveningClassType::FindByName(name);
  }
  void OpenAdultSchool() {
    Frame();
    ClickOn(Window()->SchoolButtons()[kAdultButton]);
    Frame();
  }

  GUI_GUI& screen = GUI_GUI::Instance();
};

TEST_F(ClassesScreenTest, TheClassesButtonOpensTheSchoolsAndASchoolListsTenAPage) {
  LoadElevenAdultClasses();
  SIM_SIM::Instance().SetActs(3, 0);
  Frame();
  ClickOn(GUI_ControlPanel::Instance().ClassesButton());
  ASSERT_NE(Window(), nullptr);
  EXPECT_FALSE(Window()->IsFromActivity());
  Frame();
  ASSERT_EQ(Window()->SchoolButtons().size(), 5u);
  EXPECT_TRUE(Queued(Translate("SCHOOL_ADULT")));
  EXPECT_FALSE(Window()->BackButton()->IsVisible());
  OpenAdultSchool();
  EXPECT_EQ(Window()->GetSchool(), HOOK_EveningClassType::ADULT);
  EXPECT_FALSE(Window()->SchoolButtons()[0]->IsVisible());
  ASSERT_EQ(Window()->Strips().size(), 10u);
  EXPECT_TRUE(Window()->RightArrow()->IsEnabled());
  EXPECT_FALSE(Window()->LeftArrow()->IsVisible());
  // The pane shows the last strip's class: its cost per week, description and days.
  EXPECT_EQ(Window()->GetSelected(), Class("course10"));
  EXPECT_TRUE(Queued(GUI_EveningClasses::CostText(10.0f)));
  EXPECT_TRUE(Queued(Translate("CLASS_COOKERY_DESC")));
  EXPECT_TRUE(Queued(Translate("EV_DAY_6")));
  // Clicking a strip selects its class.
  ClickOn(Window()->Strips()[2]);
  EXPECT_EQ(Window()->GetSelected(), Class("course3"));
  ClickOn(Window()->RightArrow());
  Frame();
  ASSERT_EQ(Window()->Strips().size(), 1u);
  EXPECT_EQ(Window()->GetSelected(), Class("course11"));
  EXPECT_TRUE(Window()->LeftArrow()->IsVisible());
  EXPECT_FALSE(Window()->RightArrow()->IsVisible());
  // Its requirement is not met: the strip says so and the pane lists what it requires.
  EXPECT_FALSE(Window()->Strips()[0]->IsAvailable());
  EXPECT_TRUE(Queued(Translate("EVENINGCLASSES_REQUIRES")));
  EXPECT_TRUE(Queued(Translate("nv_course1")));
  EXPECT_FALSE(Window()->Details()->EnrolButton()->IsVisible());
  ClickOn(Window()->LeftArrow());
  Frame();
  EXPECT_EQ(Window()->Strips().size(), 10u);
  ClickOn(Window()->BackButton());
  Frame();
  EXPECT_TRUE(Window()->SchoolButtons()[0]->IsVisible());
  EXPECT_TRUE(Window()->Strips().empty());
  EXPECT_FALSE(Window()->BackButton()->IsVisible());
  // The buttons are made once: going back and forth adds none.
  const size_t buttons = Window()->Buttons().size();
  OpenAdultSchool();
  ClickOn(Window()->BackButton());
  EXPECT_EQ(Window()->Buttons().size(), buttons);
}

// A school's classes come ten to a page: the right arrow is there only while classes lie
// beyond the page, so a school of exactly ten (or twenty) never offers an empty page.
TEST_F(ClassesScreenTest, TheRightArrowLeadsOnlyToAPageThatHoldsClasses) {
  struct Case {
    int classes;
    std::vector<size_t> pages;  // strips on each page reached by the right arrow
  };
  const Case cases[] = {
      {1, {1}}, {9, {9}}, {10, {10}}, {11, {10, 1}}, {20, {10, 10}}, {21, {10, 10, 1}},
  };
  SIM_SIM::Instance().SetActs(3, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.classes << " classes");
    const std::string path = user.Str() + "/classes.csv";
    {
      std::ofstream out(path);
      for (int i = 1; i <= c.classes; ++i)
        out << "#,ADULT,course" << i << ",CLASS_COOKERY_DESC,," << i
            << ",-1,-1,1,1,1,1,1,1,0,0,#,0.5\n";
    }
    HOOK_EveningClassType::LoadAll(path);
    GUI_EveningClasses::Open();
    ASSERT_NE(Window(), nullptr);
    OpenAdultSchool();
    for (size_t page = 0; page < c.pages.size(); ++page) {
      SCOPED_TRACE(::testing::Message() << "page " << page + 1);
      ASSERT_EQ(Window()->Strips().size(), c.pages[page]);
      const bool more = page + 1 < c.pages.size();
      EXPECT_EQ(Window()->RightArrow()->IsVisible(), more);
      EXPECT_EQ(Window()->RightArrow()->IsEnabled(), more);
      EXPECT_EQ(Window()->LeftArrow()->IsVisible(), page > 0);
      if (more) {
        ClickOn(Window()->RightArrow());
        Frame();
      }
    }
    GUI_EveningClasses::Close();
  }
}

TEST_F(ClassesScreenTest, FromThePanelEnrollingUsesOneSlotOnlyWhileTheActivitiesAreOn) {
  LoadElevenAdultClasses();
  SIM_SIM& sim = SIM_SIM::Instance();
  CurrentDate().SetDayOfWeek(0);  // a class day
  sim.SetPhase(PHASE_ACTIVITIES);
  sim.SetActs(3, 0);
  Frame();
  ClickOn(GUI_ControlPanel::Instance().ClassesButton());
  OpenAdultSchool();
  ClickOn(Window()->Strips()[0]);
  Frame();
  ASSERT_TRUE(Window()->Details()->EnrolButton()->IsEnabled());
  ClickOn(Window()->Details()->EnrolButton());
  EXPECT_EQ(Window(), nullptr);
  ASSERT_EQ(EnrolledEveningClasses().size(), 1u);
  EXPECT_EQ(EnrolledEveningClasses().front(), Class("course1"));
  EXPECT_EQ(sim.GetActsUsed(), 1);
  // A week of entries (six class days) and no note yet: the slot coming is not the last.
  EXPECT_FALSE(Class("course1")->HasNote());
  // Enrolled already: no second enrolment.
  Frame();
  ClickOn(GUI_ControlPanel::Instance().ClassesButton());
  OpenAdultSchool();
  ClickOn(Window()->Strips()[0]);
  Frame();
  EXPECT_TRUE(Window()->Details()->EnrolButton()->IsVisible());
  EXPECT_FALSE(Window()->Details()->EnrolButton()->IsEnabled());
  // In the day's second part the panel's window enrols in nothing.
  ClickOn(Window()->Strips()[1]);
  Frame();
  EXPECT_TRUE(Window()->Details()->EnrolButton()->IsEnabled());
  sim.SetActs(3, 3);
  sim.DayOver();
  Frame();
  EXPECT_FALSE(Window()->Details()->EnrolButton()->IsEnabled());
  Window()->Enrol();
  EXPECT_EQ(EnrolledEveningClasses().size(), 1u);
  EXPECT_EQ(sim.GetActsUsed(), 3);
}

TEST_F(ClassesScreenTest, FromTheActivityOnTheLastSlotEnrollingUsesNoFurtherSlot) {
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetPhase(PHASE_ACTIVITIES);
  sim.SetActs(2, 1);
  CurrentDate().SetDayOfWeek(1);  // a weekday: the enrolment activity is offered
  Frame();
  ClickOn(GUI_ControlPanel::Instance().SoloButton());
  GUI_SoloActivityChooser::SelectByName("eveningclasses");
  ASSERT_EQ(GUI_SoloActivityChooser::Instance()->Current()->GetName(), "eveningclasses");
  Frame();
  ClickOn(GUI_SoloActivityChooser::Instance()->StartButton());
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(Window()->IsFromActivity());
  EXPECT_EQ(sim.GetActsUsed(), 2);  // the activity's slot, the day's last
  EXPECT_EQ(sim.GetPhase(), PHASE_DAYOVER);
  OpenAdultSchool();
  ClickOn(Window()->Strips()[0]);  // the shipped table's first adult class
  Frame();
  ASSERT_TRUE(Window()->Details()->EnrolButton()->IsEnabled());
  ClickOn(Window()->Details()->EnrolButton());
  EXPECT_EQ(EnrolledEveningClasses().size(), 1u);
  EXPECT_EQ(sim.GetActsUsed(), 2);
  EXPECT_EQ(sim.GetPhase(), PHASE_DAYOVER);
}

TEST_F(ClassesScreenTest, TheLastSlotOffersTheClassAndItsResultEndsNoSlot) {
  LoadElevenAdultClasses();
  Class("course1")->Enrol();
  Class("finished")->Enrol();
  SIM_SIM& sim = SIM_SIM::Instance();
  CurrentDate().SetDayOfWeek(0);
  sim.SetPhase(PHASE_ACTIVITIES);
  sim.SetActs(2, 0);
  Frame();
  ClickOn(GUI_ControlPanel::Instance().SoloButton());
  for (const SIM_SoloActivityType* type : GUI_SoloActivityChooser::Instance()->Available())
    EXPECT_NE(type, Class("course1"));  // not before the last slot
  GUI_SoloActivityChooser::Close();
  sim.SetActs(2, 1);
  Frame();
  ClickOn(GUI_ControlPanel::Instance().SoloButton());
  GUI_SoloActivityChooser::SelectByName("course1");
  ASSERT_EQ(GUI_SoloActivityChooser::Instance()->Current(), Class("course1"));
  const int attended = SIM_Statistics::Instance().GetInt(1);
  // The skills panel shows what the class taught as soon as it is over.
  auto onSkillsPanel = [](const std::string& skill) {
    for (const auto& row : GUI_Skills::Instance()->Rows())
      if (row->GetName() == skill) return true;
    return false;
  };
  ASSERT_NE(GUI_Skills::Instance(), nullptr);
  EXPECT_FALSE(onSkillsPanel("course1"));
  Frame();
  ClickOn(GUI_SoloActivityChooser::Instance()->StartButton());
  EXPECT_EQ(sim.GetActsUsed(), 2);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(1), attended + 1);
  EXPECT_TRUE(onSkillsPanel("course1"));
  GUI_EveningClassPostMortem* result = GUI_EveningClassPostMortem::Instance();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->GetMode(), GUI_EveningClassPostMortem::kInProgress);
  Frame();
  EXPECT_TRUE(Queued(result->ProgressText()));
  EXPECT_EQ(result->ProgressText(), "nv_course1 (50.00%)");
  EXPECT_TRUE(Queued(Translate("class_concentration_high")));
  ClickOn(result->GetCloseButton());
  EXPECT_EQ(GUI_EveningClassPostMortem::Instance(), nullptr);
  EXPECT_EQ(sim.GetActsUsed(), 2);

  // A course finished tonight shows the diploma, and a new game closes it without a slot.
  sim.SetPhase(PHASE_ACTIVITIES);
  sim.SetActs(2, 1);
  Class("finished")->Start();
  result = GUI_EveningClassPostMortem::Instance();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->GetMode(), GUI_EveningClassPostMortem::kCompleted);
  EXPECT_EQ(result->GetResultText(), Translate("class_course_finished"));
  EXPECT_EQ(CountSound("data/sounds/applause.ogg"), 1);
  Frame();
  sim.NewGame();
  screen.StartGame();
  EXPECT_EQ(GUI_EveningClassPostMortem::Instance(), nullptr);
  EXPECT_EQ(sim.GetActsUsed(), 0);
  EXPECT_TRUE(EnrolledEveningClasses().empty());
}

// The class's report is the end of the evening: while it is open the next-day button waits,
// says why, and points at nothing; once it is closed the night can come.
TEST_F(ClassesScreenTest, TheNextDayWaitsUntilTheClassReportIsClosed) {
  LoadElevenAdultClasses();
  Class("course1")->Enrol();
  SIM_SIM& sim = SIM_SIM::Instance();
  CurrentDate().SetDayOfWeek(0);
  const int today = CurrentDate().GetDay();
  sim.SetPhase(PHASE_ACTIVITIES);
  sim.SetActs(2, 1);
  Frame();
  ClickOn(GUI_ControlPanel::Instance().SoloButton());
  GUI_SoloActivityChooser::SelectByName("course1");
  Frame();
  ClickOn(GUI_SoloActivityChooser::Instance()->StartButton());
  ASSERT_EQ(sim.GetPhase(), PHASE_DAYOVER);
  GUI_EveningClassPostMortem* report = GUI_EveningClassPostMortem::Instance();
  ASSERT_NE(report, nullptr);

  GUI_IconButton* nextDay = GUI_ControlPanel::Instance().NextDayButton();
  Frame();
  EXPECT_FALSE(nextDay->IsEnabled());
  EXPECT_FALSE(Queued(Translate("ENDDAY_HINT")));
  ASSERT_NE(nextDay->GetTooltip(), nullptr);
  EXPECT_EQ(nextDay->GetTooltip()->GetText(), Translate("WHY_CLOSE_CLASS_REPORT_FIRST"));
  ClickOn(nextDay);
  GUI_ControlPanel::NextDay();  // nor does any other way to bed
  EXPECT_EQ(CurrentDate().GetDay(), today);
  EXPECT_EQ(GUI_EveningClassPostMortem::Instance(), report);

  ClickOn(report->OkButton());
  EXPECT_EQ(GUI_EveningClassPostMortem::Instance(), nullptr);
  Frame();
  EXPECT_TRUE(nextDay->IsEnabled());
  EXPECT_TRUE(Queued(Translate("ENDDAY_HINT")));
  EXPECT_EQ(nextDay->GetTooltip()->GetText(), Translate("TOOLTIP_NEXTDAY"));
  ClickOn(nextDay);
  EXPECT_NE(CurrentDate().GetDay(), today);
}

TEST_F(ClassesScreenTest, TheResultNamesTheConcentrationAndTheProgressAndHoverSoundsOnce) {
  LoadElevenAdultClasses();
  HOOK_EveningClassType* course = Class("course2");
  SIM_Vesk::Instance()->SetValue("course2", 0.456f);
  const std::pair<float, const char*> bands[] = {{0.2f, "class_concentration_low"},
                                                 {0.3f, "class_concentration_med"},
                                                 {0.59f, "class_concentration_med"},
                                                 {0.6f, "class_concentration_high"}};
  for (const auto& [concentration, key] : bands) {
    GUI_EveningClassPostMortem::Open(course, concentration);
    ASSERT_NE(GUI_EveningClassPostMortem::Instance(), nullptr);
    EXPECT_EQ(GUI_EveningClassPostMortem::Instance()->GetResultText(), Translate(key)) << concentration;
  }
  EXPECT_EQ(GUI_EveningClassPostMortem::Instance()->ProgressText(), "nv_course2 (45.60%)");
  GUI_EveningClassPostMortem::Close();
  GUI_EveningClassPostMortem::Open(nullptr, 0.5f);  // reported, and nothing opens
  EXPECT_EQ(assertions.size(), 1u);
  EXPECT_EQ(GUI_EveningClassPostMortem::Instance(), nullptr);
  assertions.clear();

  // The mouse entering a school plays the hover sound once, however long it rests there.
  GUI_EveningClasses::Open();
  Frame();
  const auto& r = Window()->SchoolButtons()[1]->GetRect();
  GUI_Services::SetMouseForTesting((r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f, false);
  Frame();
  Frame();
  EXPECT_EQ(CountSound("data/sounds/mouseover.ogg"), 1);
  GUI_Services::SetMouseForTesting(0, 0, false);
  Frame();
  GUI_Services::SetMouseForTesting((r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f, false);
  Frame();
  EXPECT_EQ(CountSound("data/sounds/mouseover.ogg"), 2);
}

TEST_F(ClassesScreenTest, APetsDetailsOpenFromItsIconAndItsNameIsTypedInTheTitle) {
  SIM_PetBase* dog = Pets[PET_DOG];
  ASSERT_NE(dog, nullptr);
  dog->Buy();
  PetFoodStock[PET_DOG] = 6;
  Frame();
  ClickOn(GUI_Assets::Instance()->IconOf(dog));
  GUI_PetDetails* details = GUI_PetDetails::Instance();
  ASSERT_NE(details, nullptr);
  EXPECT_EQ(details->GetTitle(), "Rover");
  Frame();
  EXPECT_TRUE(Queued(Translate("DOG_DETAILS_TEXT")));
  EXPECT_TRUE(Queued(Translate("DOG_BURGLARSATTACKED")));
  EXPECT_TRUE(Queued("6"));
  // A click on the title starts the editing; the keys go to the window.
  const auto& r = details->GetRect();
  Click(r.left + 40, r.top + 20);
  EXPECT_TRUE(details->IsEditing());
  EXPECT_EQ(screen.GetKeyCapture(), details);
  for (int i = 0; i < 5; ++i) Key(kBackspace);
  EXPECT_EQ(dog->GetPetName(), "");
  Key(kShift);
  Key(kB);
  Release(kShift);
  Key(kO);
  Key(kOne);  // digits are ignored
  Key(kB);
  EXPECT_EQ(dog->GetPetName(), "Bob");
  EXPECT_EQ(details->GetTitle(), "Bob");
  Frame();
  Key(kEscape);
  EXPECT_FALSE(details->IsEditing());
  EXPECT_EQ(screen.GetKeyCapture(), nullptr);
  Key(kO);  // no longer typed into the name
  EXPECT_EQ(dog->GetPetName(), "Bob");

  // Closing the details while the solo chooser holds the keys leaves them with it.
  ClickOn(GUI_ControlPanel::Instance().SoloButton());
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  ASSERT_EQ(screen.GetKeyCapture(), chooser);
  Frame();
  ClickOn(GUI_Assets::Instance()->IconOf(dog));
  ASSERT_NE(GUI_PetDetails::Instance(), nullptr);
  Frame();
  ClickOn(GUI_PetDetails::Instance()->GetCloseButton());
  EXPECT_EQ(GUI_PetDetails::Instance(), nullptr);
  EXPECT_EQ(screen.GetKeyCapture(), chooser);

  // The parrot greets whoever opens its details; a pet that is gone closes them.
  Pets[PET_PARROT]->Buy();
  Frame();
  ClickOn(GUI_Assets::Instance()->IconOf(Pets[PET_PARROT]));
  ASSERT_NE(GUI_PetDetails::Instance(), nullptr);
  EXPECT_EQ(CountSound("data/sounds/parrot.wav"), 1);
  EXPECT_EQ(GUI_PetDetails::Instance()->GetTitle(), "Polly");
  Pets[PET_PARROT]->Sell();
  Frame();
  EXPECT_EQ(GUI_PetDetails::Instance(), nullptr);
}

}  // namespace
}  // namespace guitest

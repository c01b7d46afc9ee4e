// The career windows in a started game: the career panel, the job search, the job details and
// the commute chooser, what they show and what closing them costs; and the way from the
// career button through an application and its offer to the new job, by input events only.
#include <gtest/gtest.h>

#include <algorithm>

#include <climits>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "engine/GdiText.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Career.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Money.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_CommuteMethodChooser.h"
#include "gui/windows/GUI_JobInstanceDetails.h"
#include "gui/windows/GUI_JobOffer.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/GUI_Email.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

constexpr int kEscape = 1;

class CareerTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    screen.StartGame();
    SIM_SIM::Instance().SetPhase(1);
    SIM_SIM::Instance().SetActs(2, 0);
    GUI_Services::SetRecording(true);
  }
  void TearDown() override {
    GUI_JobSearch::SetHideUnsuitable(false);
    GUI_CommuteMethodChooser::Close();
    GUI_JobInstanceDetails::Close();
    GUI_JobSearch::Close();
    SIM_CommuteMethod::DeleteAll();
    PlayTest::TearDown();
  }
  // A frame as the game draws it; the first-time hints a window opened are closed first, as
  // the player would (they lie over the windows' buttons).
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
  // A job of the first industry, open today, that the test shapes further.
  SIM_JobBase* AddJob(const std::string& name) {
    if (SIM_Industry::All().empty()) return nullptr;
    auto job = std::make_unique<SIM_JobBase>(name);
    job->SetIndustryName(SIM_Industry::All().front()->GetName());
    job->SetOpenToday(true);
    job->SetSalaryRange(12000, 30000);
    job->SetCommuteDistance(2.5f);
    return SIM_JobBase::Add(std::move(job));
  }
  static bool PanelShows(const std::string& text) {
    const GdiTextList& texts = GUI_Career::Instance()->Texts();
    for (size_t i = 0; i < texts.Size(); ++i)
      if (texts.Item(i).text == text) return true;
    return false;
  }

  GUI_GUI& screen = GUI_GUI::Instance();
};

// The job search lists the industries of the shipped table.
#define REQUIRE_INDUSTRIES() \
  if (SIM_Industry::All().empty()) GTEST_SKIP() << "no industries table"

TEST_F(CareerTest, MoneyIsWholePoundsWithItsSignAndNeverOverflows) {
  EXPECT_EQ(FormatWholePounds(1234567.9, true), "\xA3 1,234,567");
  EXPECT_EQ(FormatWholePounds(-1234.7, false), "\xA3-1,234");
  EXPECT_EQ(WholePounds(1e12), INT_MAX);
  EXPECT_EQ(WholePounds(-1e12), INT_MIN);
  EXPECT_EQ(WholePounds(std::nan("")), 0);
  EXPECT_EQ(WholePounds(HUGE_VAL), INT_MAX);
}

TEST_F(CareerTest, ThePanelDescribesTheJobAndCutsOnlyLongNames) {
  EXPECT_EQ(GUI_Career::Shorten(std::string(14, 'a'), 14), std::string(14, 'a'));
  EXPECT_EQ(GUI_Career::Shorten(std::string(15, 'a'), 14), std::string(14, 'a') + "...");

  ASSERT_TRUE(GUI_WindowManager::Instance().Contains(GUI_Career::Instance()));
  const SIM_JobInstance* instance = SIM_Vesk::Instance()->GetJobInstance();
  ASSERT_NE(instance, nullptr);
  EXPECT_TRUE(PanelShows(FormatWholePounds(instance->GetSalary(), true)));
  EXPECT_TRUE(PanelShows(Translate("CAREER_SALARY")));
  EXPECT_FALSE(PanelShows(Translate("UNEMPLOYED_TEXT")));
  Frame();
  EXPECT_TRUE(GUI_Career::Instance()->DetailsButton()->IsVisible());
  EXPECT_TRUE(GUI_Career::Instance()->CommuteButton()->IsEnabled());

  // A chosen way to work the list does not hold shows an empty name, not a crash.
  SIM_CommuteMethod::SetChosenIndex(7);
  GUI_Career::Refresh();
  EXPECT_TRUE(PanelShows(""));

  // Losing the job: no job lines, the note instead, and no buttons.
  SIM_Vesk::Instance()->SetJob(nullptr);
  EXPECT_FALSE(PanelShows(Translate("CAREER_SALARY")));
  EXPECT_TRUE(PanelShows(Translate("UNEMPLOYED_TEXT")));
  Frame();
  EXPECT_FALSE(GUI_Career::Instance()->DetailsButton()->IsVisible());
  EXPECT_FALSE(GUI_Career::Instance()->CommuteButton()->IsEnabled());
  // Details cannot open without a job.
  GUI_JobInstanceDetails::Open();
  EXPECT_EQ(GUI_JobInstanceDetails::Instance(), nullptr);
}

TEST_F(CareerTest, ClosingTheSearchUsesOneSlotExceptWhenANewGameClosesIt) {
  Frame();
  ClickOn(GUI_ControlPanel::Instance().CareerButton());
  GUI_JobSearch* search = GUI_JobSearch::Instance();
  ASSERT_NE(search, nullptr);
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(search));
  EXPECT_EQ(screen.GetKeyCapture(), search);
  Frame();
  Key(kEscape);
  EXPECT_EQ(GUI_JobSearch::Instance(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_EQ(screen.GetKeyCapture(), nullptr);
  EXPECT_TRUE(GUI_WindowManager::Instance().ModalWindows().empty());

  // The close button costs the same.
  GUI_JobSearch::Open();
  Frame();
  ClickOn(GUI_JobSearch::Instance()->GetCloseButton());
  EXPECT_EQ(GUI_JobSearch::Instance(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 2);

  SIM_SIM::Instance().SetActs(2, 0);
  GUI_JobSearch::Open();
  screen.StartGame();
  EXPECT_EQ(GUI_JobSearch::Instance(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
}

TEST_F(CareerTest, ScrollButtonsFollowTheIndustriesLeftBelow) {
  REQUIRE_INDUSTRIES();
  const int count = static_cast<int>(SIM_Industry::All().size());
  ASSERT_GE(count, 10);
  GUI_JobSearch::Open();
  GUI_JobSearch* search = GUI_JobSearch::Instance();
  for (int offset = 0;; ++offset) {
    Frame();
    EXPECT_EQ(search->ScrollUpButton()->IsEnabled(), offset > 0) << offset;
    EXPECT_EQ(search->ScrollDownButton()->IsEnabled(), count > offset + 9) << offset;
    EXPECT_EQ(search->IndustryButtons().size(), static_cast<size_t>(std::min(9, count - offset)));
    EXPECT_EQ(search->IndustryButtons().front()->GetIndustry(),
              SIM_Industry::All()[static_cast<size_t>(offset)]);
    if (!search->ScrollDownButton()->IsEnabled()) break;
    ClickOn(search->ScrollDownButton());
  }
  EXPECT_EQ(search->GetScrollOffset(), count - 9);
  // The industry icons name their pictures and hovering plays the hover sound once.
  const GUI_IndustryButton* first = search->IndustryButtons().front();
  EXPECT_EQ(first->GetPictureName(), "jobs_" + first->GetIndustry()->GetName() + ".bmp");
  MoveMouse((first->GetRect().left + first->GetRect().right) / 2, first->GetRect().top + 20);
  GUI_Services::RecordedSounds().clear();
  Frame();
  Frame();
  EXPECT_EQ(CountSound(GUI_JobSearch::kHoverSound), 1);
}

TEST_F(CareerTest, TheFilterBoxHiddenUnderApplyTakesNoClickAndALockedJobCannotBeApplied) {
  REQUIRE_INDUSTRIES();
  SIM_JobBase* locked = AddJob("test_locked");
  locked->SetLocked(true);
  GUI_JobSearch::Open();
  GUI_JobSearch* search = GUI_JobSearch::Instance();
  Frame();
  // On the first page the box toggles the filter, which outlives the dialog.
  const GUI_CheckButton* box = search->HideUnsuitableButton();
  Click(box->GetRect().left + 5, box->GetRect().top + 5);
  EXPECT_TRUE(GUI_JobSearch::HidesUnsuitable());
  ClickOn(search->IndustryButtons().front());
  ASSERT_EQ(search->GetPage(), 1);
  // Filtered: the locked job is not listed.
  for (SIM_JobBase* job : SIM_JobBase::SearchResult()) EXPECT_NE(job, locked);
  ClickOn(search->BackButton());
  Click(box->GetRect().left + 5, box->GetRect().top + 5);
  EXPECT_FALSE(GUI_JobSearch::HidesUnsuitable());

  // Unfiltered, the locked job is listed but cannot be applied for.
  ClickOn(search->IndustryButtons().front());
  while (search->GetSelectedJob() != locked && search->NextButton()->IsEnabled()) {
    ClickOn(search->NextButton());
    Frame();
  }
  ASSERT_EQ(search->GetSelectedJob(), locked);
  Frame();
  EXPECT_FALSE(search->ApplyButton()->IsEnabled());
  EXPECT_FALSE(search->HideUnsuitableButton()->IsVisible());
  Click(box->GetRect().left + 5, box->GetRect().top + 5);
  EXPECT_FALSE(GUI_JobSearch::HidesUnsuitable());
  EXPECT_EQ(GUI_JobSearch::Instance(), search);
  EXPECT_EQ(locked->GetApplyCooldown(), 0);
}

// A job the search cannot give is never shown as one the player could apply for: a locked job
// carries a crossed requirement of its own, and the dead apply button says why.
TEST_F(CareerTest, AJobThatCannotBeAppliedForIsCrossedAndApplySaysWhy) {
  REQUIRE_INDUSTRIES();
  SIM_Vesk::Instance()->SetValue("confidence", 0.2f);
  SIM_JobBase* locked = AddJob("test_locked");  // its one shown requirement is met
  locked->SetLocked(true);
  locked->AddPrerequisite("confidence,0.1", false, false);
  SIM_JobBase* demanding = AddJob("test_demanding");
  demanding->AddPrerequisite("confidence,0.5", false, false);
  GUI_JobSearch::Open();
  GUI_JobSearch* search = GUI_JobSearch::Instance();
  Frame();
  ClickOn(search->IndustryButtons().front());
  Frame();
  auto showJob = [&](SIM_JobBase* job) {
    while (search->GetSelectedJob() != job && search->NextButton()->IsEnabled()) {
      ClickOn(search->NextButton());
      Frame();
    }
    Frame();
    return search->GetSelectedJob() == job;
  };
  GUI_ButtonText* apply = search->ApplyButton();

  ASSERT_TRUE(showJob(locked));
  const auto rows = GUI_JobSearch::RequirementRows(*locked);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_TRUE(rows[0].met);
  EXPECT_EQ(rows[1].label, Translate("JOB_LOCKED_REQUIREMENT"));
  EXPECT_FALSE(rows[1].met);
  EXPECT_TRUE(Queued(Translate("JOB_LOCKED_REQUIREMENT")));
  EXPECT_FALSE(apply->IsEnabled());
  ASSERT_NE(apply->GetTooltip(), nullptr);
  EXPECT_EQ(apply->GetTooltip()->GetText(), Translate("WHY_JOB_LOCKED"));

  // Unqualified: its own cross, and the reason; qualified, the usual tooltip comes back.
  ASSERT_TRUE(showJob(demanding));
  EXPECT_FALSE(Queued(Translate("JOB_LOCKED_REQUIREMENT")));
  EXPECT_FALSE(apply->IsEnabled());
  EXPECT_EQ(apply->GetTooltip()->GetText(), Translate("WHY_JOB_REQUIREMENTS_UNMET"));
  SIM_Vesk::Instance()->SetValue("confidence", 0.6f);
  Frame();
  EXPECT_TRUE(apply->IsEnabled());
  EXPECT_EQ(apply->GetTooltip()->GetText(), Translate("CHOOSE_JOB_TOOLTIP"));
  // A locked job stays locked whatever the player's qualities.
  EXPECT_EQ(GUI_JobSearch::WhyCannotApply(*locked), Translate("WHY_JOB_LOCKED"));
  EXPECT_TRUE(GUI_JobSearch::WhyCannotApply(*demanding).empty());
}

// Every requirement the apply button tests has its row: a job with none says so.
TEST_F(CareerTest, AJobWithoutRequirementsSaysSoUnderTheHeadingAndEveryOtherListsThem) {
  REQUIRE_INDUSTRIES();
  SIM_JobBase* open = AddJob("test_open");
  SIM_JobBase* flagged = AddJob("test_flagged");  // as a band's instrument is flagged
  flagged->AddPrerequisite("confidence,0.1", true, false);
  SIM_JobBase* demanding = AddJob("test_demanding");
  demanding->AddPrerequisite("confidence,0.3", false, false);
  GUI_JobSearch::Open();
  GUI_JobSearch* search = GUI_JobSearch::Instance();
  Frame();
  ClickOn(search->IndustryButtons().front());
  Frame();
  const struct {
    SIM_JobBase* job;
    bool none;
  } cases[] = {{open, true}, {flagged, false}, {demanding, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.job->GetName());
    while (search->GetSelectedJob() != c.job && search->NextButton()->IsEnabled()) {
      ClickOn(search->NextButton());
      Frame();
    }
    ASSERT_EQ(search->GetSelectedJob(), c.job);
    Frame();
    // The words under the heading: "none", or the requirement itself.
    const auto& texts = GUI_Services::RecordedTexts();
    auto heading = std::find_if(texts.begin(), texts.end(),
                                [](const auto& t) { return t.text == Translate("REQUIREMENTS"); });
    ASSERT_NE(heading, texts.end());
    ASSERT_NE(heading + 1, texts.end());
    EXPECT_NEAR((heading + 1)->y, heading->y + 20.0f, 0.5f);
    EXPECT_EQ((heading + 1)->text == Translate("REQUIREMENTS_NONE"), c.none) << (heading + 1)->text;
    // Back to the first job, so the next case pages forward to its own.
    while (search->PreviousButton()->IsEnabled()) {
      ClickOn(search->PreviousButton());
      Frame();
    }
  }
}

TEST_F(CareerTest, DetailsFollowThePlayersJobAsItIsNow) {
  REQUIRE_INDUSTRIES();
  SIM_JobBase* first = AddJob("test_first");
  first->AddModifier("happiness,0.1,0.5");
  first->AddModifier("xp_acting,0.2,0.5");
  SIM_Vesk::Instance()->SetJob(first);
  GUI_JobInstanceDetails::Open();
  GUI_JobInstanceDetails* details = GUI_JobInstanceDetails::Instance();
  ASSERT_NE(details, nullptr);
  Frame();
  EXPECT_TRUE(Queued(Translate("JOBINSTANCE_GRADE") + std::string(" 1 (1/6)")));
  EXPECT_TRUE(Queued(Translate("nv_happiness")));
  EXPECT_FALSE(Queued(Translate("nv_xp_acting")));

  SIM_JobInstance* instance = SIM_Vesk::Instance()->GetJobInstance();
  instance->SetLevel(5);
  EXPECT_EQ(details->ProspectsText(*instance), Translate("JOBINSTANCE_TOPGRADE"));
  instance->SetLevel(2);
  instance->SetDaysSincePromotion(0);
  EXPECT_EQ(details->ProspectsText(*instance),
            Translate("JOBINSTANCE_PROSPECTS") + std::string(" ") +
                Translate("JOBINSTANCE_PROSPECTS_TOOSOON"));

  // Never promoted in this job: the gap counts from the first day, so it is the days in the
  // job that are too few, not a promotion that came too recently.
  instance->SetLevel(0);
  instance->SetDaysSincePromotion(30);
  const std::string tooNew =
      Translate("JOBINSTANCE_PROSPECTS") + std::string(" ") + Translate("JOBINSTANCE_PROSPECTS_TOONEW");
  EXPECT_EQ(details->ProspectsText(*instance), tooNew);
  // Drawn as the window draws it: a centred line wrapped to the window, so it begins the line.
  Frame();
  const auto& texts = GUI_Services::RecordedTexts();
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const auto& t) {
    return t.text.size() > std::string(Translate("JOBINSTANCE_PROSPECTS")).size() &&
           tooNew.compare(0, t.text.size(), t.text) == 0;
  }));
  // Past the gap but without ten days of work on record: still too few days.
  instance->SetDaysSincePromotion(60);
  EXPECT_EQ(details->ProspectsText(*instance), tooNew);
  // Ten days worked and past the gap: the work decides (poor work, so no promotion comes).
  SIM_Vesk::Instance()->SetValue("confidence", 0.1f);
  for (int day = 0; day < SIM_JobInstance::kHistory; ++day) instance->DailyUpdate();
  ASSERT_EQ(instance->GetLevel(), 0);
  EXPECT_EQ(details->ProspectsText(*instance),
            Translate("JOBINSTANCE_PROSPECTS") + std::string(" ") +
                GetNumberedString(instance->GetAveragePerformance(), "PROMOTION_PROSPECTS"));

  // A new job of one fixed salary while the window is open: its title, no grade.
  SIM_JobBase* fixed = AddJob("test_fixed");
  fixed->SetSalaryRange(9000, 9000);
  SIM_Vesk::Instance()->SetJob(fixed);
  Frame();
  EXPECT_TRUE(Queued("test_fixed"));
  EXPECT_FALSE(Queued("test_first"));
  EXPECT_FALSE(Queued(Translate("JOB_AVE_PERFORMANCE")));
  // And no job at all leaves only the frame.
  SIM_Vesk::Instance()->SetJob(nullptr);
  Frame();
  EXPECT_FALSE(Queued("test_fixed"));
}

TEST_F(CareerTest, TheCommuteChooserPagesFromTheChosenMethod) {
  // With no ways to work there is nothing to show or choose.
  SIM_CommuteMethod::DeleteAll();
  GUI_CommuteMethodChooser::Open();
  GUI_CommuteMethodChooser* chooser = GUI_CommuteMethodChooser::Instance();
  Frame();
  EXPECT_EQ(chooser->Current(), nullptr);
  EXPECT_FALSE(chooser->ChooseButton()->IsEnabled());
  EXPECT_FALSE(chooser->NextArrow()->IsEnabled());
  EXPECT_FALSE(chooser->PreviousArrow()->IsEnabled());
  EXPECT_FALSE(Queued(Translate("COMMUTECHOOSER_RANGE")));

  SIM_CommuteMethod::Add(std::make_unique<SIM_CommuteMethod>("walk", "d", "p.dds", 100.0f, 0.0f));
  SIM_CommuteMethod::Add(std::make_unique<SIM_CommuteMethod>("taxi", "d", "p.dds", -1.0f, 0.1f));
  checkShippedTexts = false;  // ways to work made here, without texts
  SIM_CommuteMethod::Add(std::make_unique<SIM_CommuteMethod>("bike", "d", "p.dds", 0.01f, 0.0f));
  SIM_CommuteMethod::SetChosenIndex(1);
  GUI_CommuteMethodChooser::Open();
  chooser = GUI_CommuteMethodChooser::Instance();
  Frame();
  EXPECT_EQ(chooser->Current()->GetName(), "taxi");
  EXPECT_TRUE(Queued(Translate("UNLIMITED")));
  EXPECT_TRUE(Queued("\xA3:0.10"));
  EXPECT_EQ(chooser->RangeText(3.9f), "3 " + std::string(Translate("MILES")));
  ClickOn(chooser->PreviousArrow());
  Frame();
  EXPECT_FALSE(chooser->PreviousArrow()->IsEnabled());
  ClickOn(chooser->NextArrow());
  ClickOn(chooser->NextArrow());
  Frame();
  // Out of range: seen but not chosen.
  EXPECT_EQ(chooser->Current()->GetName(), "bike");
  EXPECT_FALSE(chooser->NextArrow()->IsEnabled());
  EXPECT_FALSE(chooser->ChooseButton()->IsEnabled());
  chooser->Choose();
  EXPECT_EQ(SIM_CommuteMethod::GetChosenIndex(), 1);
  ClickOn(chooser->PreviousArrow());
  ClickOn(chooser->PreviousArrow());
  Frame();
  ClickOn(chooser->ChooseButton());
  EXPECT_EQ(GUI_CommuteMethodChooser::Instance(), nullptr);
  EXPECT_EQ(SIM_CommuteMethod::GetChosenIndex(), 0);
  EXPECT_TRUE(PanelShows("walk"));
}


// The way by input: the career button, an industry, a job, Apply; a new game closing the
// search; the next days until the offer arrives as a mail item; the offer accepted; the new
// job in the career panel and its two buttons.
TEST_F(CareerTest, FromTheCareerButtonThroughAnApplicationToTheNewJobsWindows) {
  REQUIRE_INDUSTRIES();
  SIM_JobBase* wanted = AddJob("test_wanted");
  // A player the interview cannot fault.
  for (const auto& [name, value] :
       {std::pair<const char*, float>{"alcohol", 0.0f}, {"confidence", 1.0f}, {"tiredness", 0.0f},
        {"happiness", 1.0f}})
    SIM_Vesk::Instance()->SetValue(name, value);
  GUI_ControlPanel& panel = GUI_ControlPanel::Instance();

  // A new game closing the search uses no slot and gives the keys back.
  Frame();
  ClickOn(panel.CareerButton());
  ASSERT_NE(GUI_JobSearch::Instance(), nullptr);
  screen.StartGame();
  EXPECT_EQ(GUI_JobSearch::Instance(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
  EXPECT_EQ(screen.GetKeyCapture(), nullptr);
  SIM_SIM::Instance().SetPhase(1);

  Frame();
  ClickOn(panel.CareerButton());
  GUI_JobSearch* search = GUI_JobSearch::Instance();
  ASSERT_NE(search, nullptr);
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(search));
  EXPECT_EQ(screen.GetKeyCapture(), search);
  Frame();
  ClickOn(search->IndustryButtons().front());
  Frame();
  while (search->GetSelectedJob() != wanted && search->NextButton()->IsEnabled()) {
    ClickOn(search->NextButton());
    Frame();
  }
  ASSERT_EQ(search->GetSelectedJob(), wanted);
  EXPECT_TRUE(Queued(Translate("REQUIREMENTS")));
  ASSERT_TRUE(search->ApplyButton()->IsEnabled());
  const int used = SIM_SIM::Instance().GetActsUsed();
  ClickOn(search->ApplyButton());
  EXPECT_EQ(GUI_JobSearch::Instance(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  EXPECT_EQ(screen.GetKeyCapture(), nullptr);
  EXPECT_EQ(wanted->GetApplyCooldown(), SIM_JobBase::kApplyCooldownDays);

  ASSERT_EQ(SIM_JobOffer::All().size(), 1u);
  ASSERT_TRUE(SIM_JobOffer::All().front()->IsSuccess());

  // The answer comes as a mail item after the next days; the day's slots go on looking.
  GUI_Email* letter = nullptr;
  for (int day = 0; day < 4 && !letter; ++day) {
    while (SIM_SIM::Instance().GetPhase() == 1) {
      Frame();
      ClickOn(panel.CareerButton());
      ASSERT_NE(GUI_JobSearch::Instance(), nullptr);
      Key(kEscape);
    }
    Frame();
    ClickOn(panel.NextDayButton());
    ASSERT_TRUE(GUI_WorkDay::Instance()->IsOpen());
    Frame();
    ClickOn(GUI_WorkDay::Instance()->ContinueButton());
    for (GUI_Email* item : GUI_Email::Items())
      if (item->GetType() == EMAIL_JOBOFFER) letter = item;
  }
  ASSERT_NE(letter, nullptr);
  auto* offer = static_cast<SIM_JobOffer*>(letter->GetData());
  EXPECT_EQ(offer->GetJob(), wanted);
  // The letter slides in from the right edge; once in place, clicking it opens the offer.
  for (int frame = 0; frame < 600 && letter->GetRect().left > letter->GetTargetX(); ++frame)
    Frame();
  ASSERT_LE(letter->GetRect().left, letter->GetTargetX());
  EXPECT_EQ(GUI_JobOffer::Instance(), nullptr);
  ClickOn(letter);
  ASSERT_NE(GUI_JobOffer::Instance(), nullptr);
  EXPECT_EQ(GUI_JobOffer::HeldItem(), letter);
  EXPECT_TRUE(letter->IsOpened());
  Frame();
  ClickOn(GUI_JobOffer::Instance()->GetAcceptButton());
  EXPECT_EQ(GUI_JobOffer::Instance(), nullptr);
  ASSERT_EQ(SIM_Vesk::Instance()->GetJob(), wanted);
  Frame();
  EXPECT_TRUE(PanelShows("test_wanted"));
  ClickOn(GUI_Career::Instance()->DetailsButton());
  ASSERT_NE(GUI_JobInstanceDetails::Instance(), nullptr);
  Frame();
  EXPECT_TRUE(Queued("test_wanted"));
  ClickOn(GUI_JobInstanceDetails::Instance()->GetCloseButton());
  EXPECT_EQ(GUI_JobInstanceDetails::Instance(), nullptr);
  // The game's own ways to work. A job this far away is too far to walk to: the chooser opens
  // on the bus the game fell back to, and walking is seen but cannot be chosen.
  SIM_Vesk::Instance()->GetJobInstance()->SetCommuteDistance(6.0f);
  SIM_CommuteMethod::SelectByName("walk");
  SIM_CommuteMethod::ValidateChoice();
  ClickOn(GUI_Career::Instance()->CommuteButton());
  GUI_CommuteMethodChooser* chooser = GUI_CommuteMethodChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  Frame();
  ASSERT_NE(chooser->Current(), nullptr);
  EXPECT_EQ(chooser->Current()->GetId(), "bus");
  ClickOn(chooser->PreviousArrow());
  Frame();
  ASSERT_EQ(chooser->Current()->GetId(), "walk");
  EXPECT_FALSE(chooser->ChooseButton()->IsEnabled());
  ClickOn(chooser->NextArrow());
  Frame();
  ASSERT_EQ(chooser->Current()->GetId(), "bus");
  ASSERT_TRUE(chooser->ChooseButton()->IsEnabled());
  ClickOn(chooser->ChooseButton());
  EXPECT_EQ(GUI_CommuteMethodChooser::Instance(), nullptr);
  ASSERT_NE(SIM_CommuteMethod::GetChosen(), nullptr);
  EXPECT_EQ(SIM_CommuteMethod::GetChosen()->GetId(), "bus");
  Frame();
  EXPECT_TRUE(PanelShows(Translate("COMMUTE_NAME_BUS")));
  // A car is seen but cannot be chosen without one in the garage.
  ClickOn(GUI_Career::Instance()->CommuteButton());
  chooser = GUI_CommuteMethodChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  ClickOn(chooser->NextArrow());
  Frame();
  ASSERT_EQ(chooser->Current()->GetId(), "car");
  EXPECT_FALSE(chooser->ChooseButton()->IsEnabled());
}

}  // namespace
}  // namespace guitest

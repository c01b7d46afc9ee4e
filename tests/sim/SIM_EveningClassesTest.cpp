// Evening classes: the table's rows, enrolling, attending (concentration, completion, the one
// slot), the reminder notes and calendar entries.
#include <algorithm>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/CallTrace.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "SimTestWorld.h"
#include "support/RecordingScreens.h"

namespace {

int Count(const std::string& prefix) {
  const auto& calls = TracedCalls();
  return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) {
    return c.rfind(prefix, 0) == 0;
  }));
}

int EntriesOf(const std::string& text) {
  const auto& entries = SIM_EventCalendar::Instance().Entries();
  return static_cast<int>(std::count_if(entries.begin(), entries.end(),
                                        [&](const SIM_EventCalendar::Entry& e) { return e.text == text; }));
}

// A class that meets every day, studying `study` a night.
std::string EveryDay(const std::string& name, const std::string& study) {
  return "#,ADULT," + name + ",D,,5,-1,-1,1,1,1,1,1,1,1,0,#," + study;
}

class EveningClassesTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    SIM_Finances::Instance().SetCash(1000.0f);
    SIM_Vesk::Instance()->SetValue("tiredness", 0.0f);
    SIM_Vesk::Instance()->SetValue("stress", 0.0f);
    SIM_Vesk::Instance()->SetValue("alcohol", 0.0f);
  }
  // A table of the given rows, read as the game reads its own.
  void Load(const std::string& rows) {
    const std::string path = dir.Str() + "/classes.csv";
    std::ofstream(path) << rows;
    HOOK_EveningClassType::LoadAll(path);
  }
  static void LastSlot() {
    SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
    SIM_SIM::Instance().SetActs(2, 1);
  }
};

TEST_F(EveningClassesTest, TheShippedTableIsReadAtANewGameIntoItsSchools) {
  ASSERT_GE(HOOK_EveningClassType::All().size(), 15u);
  for (int c = 0; c < HOOK_EveningClassType::kCategoryCount; ++c)
    EXPECT_GE(HOOK_EveningClassType::InCategory(c).size(), 3u) << c;
  HOOK_EveningClassType* cookery = HOOK_EveningClassType::FindByName("cookery");
  ASSERT_NE(cookery, nullptr);
  EXPECT_EQ(cookery->GetDisplayText(), "Cookery");
  EXPECT_EQ(cookery->GetPanelKind(), "default");
  EXPECT_EQ(cookery->GetDescriptionKey(), "CLASS_COOKERY_DESC");
  EXPECT_FLOAT_EQ(cookery->GetMeetFriendChance(), 0.25f);
  ASSERT_EQ(cookery->GetModifiers().size(), 3u);
  EXPECT_EQ(cookery->GetModifiers()[0]->name, "cookery");
  EXPECT_FLOAT_EQ(cookery->GetModifiers()[0]->limit, 1.0f);
  EXPECT_EQ(cookery->GetModifiers()[1]->name, "boredom");
  EXPECT_FLOAT_EQ(cookery->GetModifiers()[1]->amount, -0.1f);  // "-0.1f" read with its "f"
  EXPECT_FLOAT_EQ(cookery->GetModifiers()[1]->limit, 0.25f);
  EXPECT_EQ(cookery->GetModifiers()[2]->name, "loneliness");
  HOOK_EveningClassType* advanced = HOOK_EveningClassType::FindByName("advancedcookery");
  ASSERT_NE(advanced, nullptr);
  ASSERT_EQ(advanced->GetPrerequisites().size(), 1u);
  EXPECT_EQ(advanced->GetPrerequisites()[0]->GetName(), "cookery");
  EXPECT_FLOAT_EQ(advanced->GetPrerequisites()[0]->GetThreshold(), 1.0f);
  EXPECT_FALSE(advanced->ArePrerequisitesMet());
  EXPECT_EQ(HOOK_EveningClassType::FindByName("nosuchclass"), nullptr);
}

TEST_F(EveningClassesTest, BadFieldsAreSkippedAndCompletionReadsTheClassName) {
  Load("#,SCHOOL,nowhere,D,,5,-1,-1,1,0,0,0,0,0,0,0,#,0.1\n"
       "#,LAW,reqs,D,,5,-1,-1,1,0,0,0,0,0,0,0,ab,c,xyz,\"longer,2\",#,0.2\n"
       "#,LAW,negative,D,,5,-1,-1,1,1,1,1,1,1,1,0,#,-0.1f\n"
       "#,LAW,onechar,D,,5,-1,-1,1,0,0,0,0,0,0,0,#,5\n"
       "#,LAW,dot,D,,5,-1,-1,1,0,0,0,0,0,0,0,#,.5\n"
       "#,LAW,letter,D,,5,-1,-1,1,0,0,0,0,0,0,0,#,abc\n"
       "#,TECHNICAL ,nohash,D,,5,-1,-1,1,0,0,0,0,0,0,0,xyz\n"
       "#,LAW,dear,D,,1" + std::string(59, '0') + ",-1,-1,1,0,0,0,0,0,0,0,#,0.1\n"
       "#,LAW,fast,D,,5,-1,-1,1,0,0,0,0,0,0,0,#,1e39\n");
  // Found by fuzzing: a cost too large for a float was infinite, and enrolling made the
  // player's cash infinite. Such a row is left out, as is a study amount too large.
  EXPECT_EQ(HOOK_EveningClassType::FindByName("dear"), nullptr);
  EXPECT_EQ(HOOK_EveningClassType::FindByName("fast"), nullptr);
  ASSERT_EQ(HOOK_EveningClassType::All().size(), 7u);
  EXPECT_EQ(HOOK_EveningClassType::FindByName("nowhere")->GetCategory(), -1);
  EXPECT_EQ(HOOK_EveningClassType::InCategory(HOOK_EveningClassType::LAW).size(), 5u);
  // Requirements of two characters or fewer are ignored; the text before a ',' counts.
  const auto& reqs = HOOK_EveningClassType::FindByName("reqs")->GetPrerequisites();
  ASSERT_EQ(reqs.size(), 2u);
  EXPECT_EQ(reqs[0]->GetName(), "xyz");
  EXPECT_EQ(reqs[1]->GetName(), "longer");
  // Study fields of one character or starting with '-' or '.' are ignored: the boredom
  // modifier comes first. One starting with a letter studies nothing.
  for (const char* name : {"negative", "onechar", "dot"}) {
    const HOOK_EveningClassType* type = HOOK_EveningClassType::FindByName(name);
    ASSERT_EQ(type->GetModifiers().size(), 2u) << name;
    EXPECT_EQ(type->GetModifiers()[0]->name, "boredom") << name;
  }
  const HOOK_EveningClassType* letter = HOOK_EveningClassType::FindByName("letter");
  ASSERT_EQ(letter->GetModifiers().size(), 3u);
  EXPECT_FLOAT_EQ(letter->GetModifiers()[0]->amount, 0.0f);
  // No '#' field: every later field is a requirement and nothing is studied; a trailing blank
  // after the school's word is dropped.
  const HOOK_EveningClassType* nohash = HOOK_EveningClassType::FindByName("nohash");
  EXPECT_EQ(nohash->GetCategory(), HOOK_EveningClassType::TECHNICAL);
  EXPECT_EQ(nohash->GetModifiers().size(), 2u);
  // Completion is the class's own value, never the boredom of its first modifier.
  HOOK_EveningClassType* negative = HOOK_EveningClassType::FindByName("negative");
  SIM_Vesk::Instance()->SetValue("boredom", 1.0f);
  EXPECT_FALSE(negative->IsCompleted());
  SIM_Vesk::Instance()->SetValue("negative", 1.0f);
  EXPECT_TRUE(negative->IsCompleted());
}

TEST_F(EveningClassesTest, ConcentrationScalesTheLessonAndAQuarterCompletesOnTheFourthNight) {
  Load(EveryDay("quarter", "0.25") + "\n" + EveryDay("tired", "0.25") + "\n");
  HOOK_EveningClassType* tired = HOOK_EveningClassType::FindByName("tired");
  // Alertness about 0.1: the class still gives a fifth of its lesson.
  SIM_Vesk::Instance()->SetValue("tiredness", 0.974f);
  ASSERT_NEAR(SIM_Vesk::Instance()->GetAlertness(), 0.1f, 0.01f);
  tired->Enrol();
  LastSlot();
  ClearTracedCalls();
  tired->Start();
  EXPECT_NEAR(tired->GetProgress(), 0.05f, 1e-5f);
  EXPECT_EQ(Count("GUI_EveningClassPostMortem::Open 0.20"), 1);
  SIM_Vesk::Instance()->SetValue("tiredness", 0.0f);

  HOOK_EveningClassType* quarter = HOOK_EveningClassType::FindByName("quarter");
  quarter->Enrol();
  const int attended = SIM_Statistics::Instance().GetInt(1);
  for (int night = 1; night <= 4; ++night) {
    LastSlot();
    const float cash = SIM_Finances::Instance().GetCash();
    ClearTracedCalls();
    quarter->Start();
    EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 2) << night;  // exactly one slot
    EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_DAYOVER);
    EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), cash - 5.0f);
    EXPECT_EQ(Count("GUI_EveningClassPostMortem::Open 1.00"), 1);
    EXPECT_EQ(quarter->IsCompleted(), night == 4) << night;
    EXPECT_EQ(quarter->IsEnrolled(), night < 4) << night;
  }
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(1), attended + 4);
  EXPECT_EQ(EntriesOf("nv_quarter"), 0);  // completion takes its calendar entries away
  EXPECT_TRUE(tired->IsEnrolled());
}

TEST_F(EveningClassesTest, EnrollingOnAClassDayMakesAWeekOfEntriesAndTheNoteWaitsForTheLastSlot) {
  // Meets on Monday and Thursday.
  Load("#,ADULT,twice,D,,5,-1,-1,1,0,0,1,0,0,0,0,#,0.1\n");
  HOOK_EveningClassType* twice = HOOK_EveningClassType::FindByName("twice");
  CurrentDate().SetDayOfWeek(0);
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetPhase(PHASE_ACTIVITIES);
  sim.SetActs(3, 0);
  ClearTracedCalls();
  twice->Enrol();
  twice->Enrol();  // once only
  EXPECT_EQ(EnrolledEveningClasses().size(), 1u);
  EXPECT_EQ(EntriesOf("nv_twice"), 2);  // today and Thursday
  EXPECT_FALSE(twice->HasNote());
  EXPECT_EQ(Count("GUI_Postit::AddPostit"), 0);
  sim.EndAct();  // one slot left after this one: no note yet
  EXPECT_FALSE(twice->HasNote());
  sim.EndAct();  // the last slot comes: the note goes up
  EXPECT_TRUE(twice->HasNote());
  EXPECT_EQ(Count("GUI_Postit::AddPostit Evening class tonight!|3|twice"), 1);
  // A refresh before a slot that is not the last takes it down again and leaves it down.
  sim.SetActs(3, 0);
  RefreshEveningClassReminders();
  EXPECT_FALSE(twice->HasNote());
  EXPECT_EQ(EntriesOf("nv_twice"), 2);
  // The next day without a class takes it down; the calendar keeps the week.
  sim.SetActs(1, 0);
  RefreshEveningClassReminders();
  EXPECT_TRUE(twice->HasNote());
  CurrentDate().SetDayOfWeek(1);
  RefreshEveningClassReminders();
  EXPECT_FALSE(twice->HasNote());
  // A deleted type takes its note along.
  CurrentDate().SetDayOfWeek(0);
  RefreshEveningClassReminders();
  ASSERT_TRUE(twice->HasNote());
  HOOK_EveningClassType::DeleteAll();
  EXPECT_TRUE(EnrolledEveningClasses().empty());
  EXPECT_EQ(Count("GUI_Postit::Delete"), 3);
}

TEST_F(EveningClassesTest, TheActivityOpensTheWindowAndTheHeadlessAnswerEnrolsWithoutASlot) {
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetPhase(PHASE_ACTIVITIES);
  sim.SetActs(2, 0);
  ClearTracedCalls();
  SIM_SoloActivityType::FindByName("eveningclasses")->Start();
  EXPECT_EQ(Count("GUI_EveningClasses::Open activity"), 1);
  EXPECT_EQ(sim.GetActsUsed(), 1);  // the activity's own slot
  testsupport::RecordingScreens::Instance().AnswerHobbyWindows();
  ASSERT_EQ(EnrolledEveningClasses().size(), 1u);
  EXPECT_EQ(EnrolledEveningClasses().front(), HOOK_EveningClassType::All().front().get());
  EXPECT_EQ(sim.GetActsUsed(), 1);  // enrolling used none
  // With a class enrolled the answer enrols in no other.
  SIM_SoloActivityType::FindByName("eveningclasses")->Start();
  testsupport::RecordingScreens::Instance().AnswerHobbyWindows();
  EXPECT_EQ(EnrolledEveningClasses().size(), 1u);
  EXPECT_EQ(testsupport::RecordingScreens::Instance().OpenWindows(), 0);
}

}  // namespace

// A reminder note as its owner holds it: by id, up once, down on reset.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/CallTrace.h"
#include "sim/SIM_ReminderNote.h"
#include "sim/SIM_Screens.h"
#include "support/RecordingScreens.h"

namespace {

int Count(const std::string& prefix) {
  const auto& calls = TracedCalls();
  return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) {
    return c.rfind(prefix, 0) == 0;
  }));
}

TEST(SIM_ReminderNoteTest, ShownOnceAndDroppedOnce) {
  testsupport::ScopedScreens screens(&testsupport::RecordingScreens::Instance());
  ClearTracedCalls();
  SIM_ReminderNote note;
  EXPECT_FALSE(note.IsShown());
  note.Drop();  // an owner resetting before it ever showed its note
  EXPECT_EQ(Count("GUI_Postit::Delete"), 0);

  ASSERT_TRUE(note.Show("Class tonight", 1, "readnovel"));
  EXPECT_EQ(Count("GUI_Postit::AddPostit Class tonight|1|readnovel"), 1);
  // A reminder refreshed every slot keeps its one note.
  EXPECT_TRUE(note.Show("Class tonight", 1, "readnovel"));
  EXPECT_EQ(Count("GUI_Postit::AddPostit"), 1);

  const int id = note.GetId();
  note.Drop();
  note.Drop();
  EXPECT_FALSE(note.IsShown());
  EXPECT_EQ(Count("GUI_Postit::Delete " + std::to_string(id)), 1);
  EXPECT_EQ(Count("GUI_Postit::Delete"), 1);
}

TEST(SIM_ReminderNoteTest, ARefusedNoteIsAskedForAgain) {
  // The headless screens show nothing and give no id.
  testsupport::ScopedScreens screens(&SIM_HeadlessScreens::Instance());
  SIM_ReminderNote note;
  EXPECT_FALSE(note.Show("Buy cat food", 0));
  EXPECT_FALSE(note.IsShown());
  testsupport::ScopedScreens recording(&testsupport::RecordingScreens::Instance());
  EXPECT_TRUE(note.Show("Buy cat food", 0));
  note.Drop();
}

}  // namespace

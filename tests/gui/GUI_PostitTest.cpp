// The post-it notes of a started game: their slots, their clicks through input events, their
// look, and how they outlive the windows a new game closes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/CallTrace.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Postit.h"
#include "gui/GUI_SimScreens.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"
#include "support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::WriteFile;

namespace guitest {
namespace {

class PostitTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    GUI_Postit::DeleteAll();
    // The chooser's one-time hint is modal: these tests meet it already read.
    WriteFile(user.Path() / "hints.txt", "[hints]\nsolo_dialog = 1\n");
    LoadHints();
    SIM_SIM::Instance().SetActs(1, 0);
    SIM_SIM::Instance().SetPhase(1);
  }
  void TearDown() override {
    GUI_Postit::DeleteAll();
    PlayTest::TearDown();
  }
  static std::string Shown() {
    GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
    return chooser && chooser->Current() ? chooser->Current()->GetName() : "";
  }
  // The warnings logged while `step` runs.
  std::string LogOf(const std::function<void()>& step) {
    std::filesystem::create_directories(user.Path() / "debugdata");
    const std::string before = DebugLog::Instance().GetPath();
    const std::string path = (user.Path() / "debugdata" / "debug.txt").string();
    DebugLog::Instance().SetPath(path);
    DebugLog::Instance().Open();
    step();
    DebugLog::Instance().Close();
    DebugLog::Instance().SetPath(before);
    return ReadFile(path);
  }
};

TEST_F(PostitTest, AClassNoteTakesTheFirstFreeSlotAndItsClickOpensTheChooserOnItsActivity) {
  GUI_Postit* note = GUI_Postit::AddPostit("Class tonight", kPostitSoloActivity);
  ASSERT_NE(note, nullptr);
  note->SetSecondText("readnovel");
  EXPECT_EQ(note->GetSlot(), 0);
  EXPECT_EQ(GUI_Postit::InSlot(0), note);
  EXPECT_EQ(note->GetRect().left, 292);
  EXPECT_EQ(note->GetRect().top, 32);
  EXPECT_EQ(note->GetRect().right, 292 + 155);
  EXPECT_EQ(note->GetRect().bottom, 32 + 155);

  InGameFrame();
  ClickOn(note);
  ASSERT_NE(GUI_SoloActivityChooser::Instance(), nullptr);
  EXPECT_EQ(Shown(), "readnovel");
  // The click never removes the note.
  EXPECT_EQ(GUI_Postit::Find(note->GetId()), note);

  // A second note turns the chooser to its own activity, not the list's first.
  GUI_Postit* jog = GUI_Postit::AddPostit("Run!", kPostitSoloActivity);
  ASSERT_NE(jog, nullptr);
  jog->SetSecondText("jogging");
  EXPECT_EQ(jog->GetSlot(), 1);
  GUI_SoloActivityChooser::Close();
  ClickOn(jog);
  EXPECT_EQ(Shown(), "jogging");
}

TEST_F(PostitTest, AFifthNoteIsRefusedWithAWarningAndADeletedNoteFreesItsSlot) {
  int ids[4] = {};
  for (int i = 0; i < 4; ++i) {
    GUI_Postit* note = GUI_Postit::AddPostit("note " + std::to_string(i), kPostitBowlingMatch);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetSlot(), i);
    EXPECT_EQ(note->GetRect().left, GUI_Postit::kSlotLeft[i]);
    EXPECT_EQ(note->GetRect().top, GUI_Postit::kSlotTop[i]);
    ids[i] = note->GetId();
  }
  GUI_Postit* fifth = reinterpret_cast<GUI_Postit*>(1);
  const std::string log = LogOf([&] { fifth = GUI_Postit::AddPostit("fifth", 0); });
  EXPECT_EQ(fifth, nullptr);
  EXPECT_NE(log.find("Not enough postit slots:GUI_Postit"), std::string::npos);
  ASSERT_EQ(GUI_Postit::All().size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(GUI_Postit::InSlot(i)->GetId(), ids[i]);

  // The lowest free slot goes to the next note; an id never comes back.
  EXPECT_TRUE(GUI_Postit::Delete(ids[1]));
  EXPECT_FALSE(GUI_Postit::Delete(ids[1]));
  EXPECT_EQ(GUI_Postit::Find(ids[1]), nullptr);
  GUI_Postit* again = GUI_Postit::AddPostit("again", 0);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->GetSlot(), 1);
  EXPECT_NE(again->GetId(), ids[1]);
}

TEST_F(PostitTest, OnAnEightHundredPixelScreenEveryNoteCanBeSeenAndClicked) {
  engine.Release();
  ASSERT_TRUE(engine.InitOffscreen(800, 600));
  for (int i = 0; i < 4; ++i) {
    GUI_Postit* note = GUI_Postit::AddPostit("x", kPostitSoloActivity);
    ASSERT_NE(note, nullptr);
    const GUI_Rect& r = note->GetRect();
    EXPECT_GE(r.left, 0);
    EXPECT_LE(r.right, 800) << "slot " << i;
    EXPECT_LE(r.bottom, 600) << "slot " << i;
    EXPECT_EQ(r.right - r.left, 155);
    EXPECT_EQ(r.bottom - r.top, 155);
  }
  // The first two places fit as they are.
  EXPECT_EQ(GUI_Postit::InSlot(1)->GetRect().left, 92);
  EXPECT_EQ(GUI_Postit::InSlot(1)->GetRect().top, 203);
  EXPECT_EQ(GUI_Postit::InSlot(3)->GetRect().top, 600 - 155);
}

TEST_F(PostitTest, ANoteSurvivesCloseAllWindowsAndANewGame) {
  GUI_Postit* note = GUI_Postit::AddPostit("Feed the cat", kPostitShopping);
  ASSERT_NE(note, nullptr);
  const int id = note->GetId();
  GUI_WindowManager::Instance().CloseAllWindows();
  EXPECT_EQ(GUI_Postit::Find(id), note);
  GUI_GUI::Instance().StartGame();
  EXPECT_EQ(GUI_Postit::Find(id), note);
  EXPECT_TRUE(GUI_WindowManager::Instance().Contains(note));
  EXPECT_EQ(GUI_Postit::InSlot(0), note);
}

TEST_F(PostitTest, TheShoppingNoteOpensThePetsTabOrNothingWithoutAShop) {
  GUI_Postit* note = GUI_Postit::AddPostit("Pet food", kPostitShopping);
  ASSERT_NE(note, nullptr);
  ClearTracedCalls();
  ClickOn(note);
  EXPECT_EQ(TracedCount("GUI_Shopping::Open"), 1);
  EXPECT_EQ(TracedCount("GUI_Shopping::SelectTab 2"), 1);

  // While a page fills the screen instead of the main scene, the unseen note takes no click.
  GUI_EndGame::Instance()->Show();
  ClearTracedCalls();
  ClickOn(note);
  EXPECT_EQ(TracedCount("GUI_Shopping::Open"), 0);
  GUI_EndGame::Instance()->Close();

  // A table with neither shop: asking whether one exists must not stop the game, and the
  // click is still the note's.
  WriteFile(user.Path() / "solo.csv",
            "#,jogging,J,J text,,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,0,#\n");
  SIM_SoloActivityType::Reload((user.Path() / "solo.csv").string());
  ClearTracedCalls();
  const auto& r = note->GetRect();
  EXPECT_TRUE(note->OnClick((r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f));
  EXPECT_EQ(TracedCount("GUI_Shopping::Open"), 0);
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
}

TEST_F(PostitTest, NotesAreMirroredByTheLooksGeneratorAndTheirTextFollows) {
  const uint32_t game = GetRandomState();
  int flipped = 0;
  for (int i = 0; i < 64; ++i) {
    GUI_Postit* note = GUI_Postit::AddPostit("x", 0);
    ASSERT_NE(note, nullptr);
    flipped += note->IsFlipped() ? 1 : 0;
    EXPECT_EQ(note->TextX(), note->GetRect().left + (note->IsFlipped() ? 34 : 25));
    GUI_Postit::DeleteAll();
  }
  EXPECT_GT(flipped, 16);
  EXPECT_LT(flipped, 48);
  // A look never moves the game's own numbers.
  EXPECT_EQ(GetRandomState(), game);
}

// A dialog lying where the first note goes.
class Cover : public GUI_Dialog {
 public:
  Cover() : GUI_Dialog(false) { SetRect(250, 0, 500, 250); }
};

TEST_F(PostitTest, NotesAreDrawnOverTheWindowsWithTheirHandwritingAndTheHighlight) {
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  auto* cover = new Cover();
  GUI_Postit* note = GUI_Postit::AddPostit("Bowling at eight", kPostitBowlingMatch);
  ASSERT_NE(note, nullptr);
  GUI_Services::SetMouseForTesting(10, 700, false);
  GUI_Services::RecordedTexts().clear();
  InGameFrame();
  // The note's yellow, not the dialog's green, in the middle of the note.
  const uint32_t middle = Pixel(292 + 77, 32 + 100);
  EXPECT_GT((middle >> 16) & 0xFF, 200u);
  EXPECT_GT((middle >> 8) & 0xFF, 180u);
  EXPECT_LT(middle & 0xFF, 140u);
  const GUI_Services::TextItem* text = FindText("Bowling at eight");
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->italic);
  EXPECT_EQ(text->font, "Wee Bairn");
  EXPECT_EQ(text->size, 24);
  EXPECT_EQ(text->wrapWidth, 110);
  EXPECT_EQ(text->r + text->g + text->b, 0);
  EXPECT_EQ(text->y, 32 + 32);

  // Just outside the note: the dialog, until the mouse rests on the note and its glow shows.
  const uint32_t before = Pixel(292 - 2, 32 + 77);
  GUI_Services::SetMouseForTesting(292 + 77, 32 + 77, false);
  InGameFrame();
  const uint32_t glow = Pixel(292 - 2, 32 + 77);
  EXPECT_NE(glow, before);
  EXPECT_GT((glow >> 16) & 0xFF, 220u);
  delete cover;
}

TEST_F(PostitTest, TheSimulationHoldsNotesByIdThroughTheScreens) {
  GUI_SimScreens& screens = GUI_SimScreens::Instance();
  const int id = screens.AddPostit("Class", kPostitSoloActivity, "jogging");
  ASSERT_NE(id, 0);
  ASSERT_NE(GUI_Postit::Find(id), nullptr);
  EXPECT_EQ(GUI_Postit::Find(id)->GetSecondText(), "jogging");
  for (int i = 0; i < 3; ++i) EXPECT_NE(screens.AddPostit("more", 0, ""), 0);
  EXPECT_EQ(screens.AddPostit("too many", 0, ""), 0);
  screens.DeletePostit(id);
  EXPECT_EQ(GUI_Postit::Find(id), nullptr);
  // An id already dropped (an owner resetting twice) deletes nothing else.
  screens.DeletePostit(id);
  EXPECT_EQ(GUI_Postit::All().size(), 3u);
}

}  // namespace
}  // namespace guitest

// The post-it notes of a started game: their slots, their clicks through input events, their
// look, and how they outlive the windows a new game closes.
#include <gtest/gtest.h>

#include <string>

#include "engine/CallTrace.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "gui/windows/GUI_Shopping.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Postit.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_ReminderNote.h"
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
};

TEST_F(PostitTest, AClassNoteTakesTheFirstFreeSlotAndItsClickOpensTheChooserOnItsActivity) {
  GUI_Postit* note = GUI_Postit::AddPostit("Class tonight", kPostitSoloActivity);
  ASSERT_NE(note, nullptr);
  note->SetSecondText("readnovel");
  EXPECT_EQ(GUI_Postit::InSlot(0), note);
  EXPECT_EQ(note->GetRect().left, 292);
  EXPECT_EQ(note->GetRect().bottom, 32 + 155);
  InGameFrame();
  ClickOn(note);
  EXPECT_EQ(Shown(), "readnovel");
  EXPECT_EQ(GUI_Postit::Find(note->GetId()), note);  // a click never removes the note

  // The next note turns the chooser to its own activity, not to the list's first.
  GUI_Postit* jog = GUI_Postit::AddPostit("Run!", kPostitSoloActivity);
  ASSERT_NE(jog, nullptr);
  jog->SetSecondText("jogging");
  EXPECT_EQ(jog->GetSlot(), 1);
  ClickOn(jog);
  EXPECT_EQ(Shown(), "jogging");
}

// A class's note opens its class, not the solo activity of its name; earlier, says it is tonight.
TEST_F(PostitTest, AClassNoteOpensItsClassOnTheLastSlotAndOnlySaysSoBefore) {
  CurrentDate().CopyDate(SIM_Date(0, 5, CurrentDate().GetYear()));
  CurrentDate().SetDayOfWeek(5);  // a Saturday in June: the class and the window boxes both
  SIM_SIM::Instance().SetActs(2, 1);
  HOOK_EveningClassType* gardening = HOOK_EveningClassType::FindByName("gardening");
  gardening->Enrol();
  RefreshEveningClassReminders();
  ClickOn(GUI_Postit::InSlot(0));
  ASSERT_NE(GUI_SoloActivityChooser::Instance(), nullptr);
  EXPECT_EQ(GUI_SoloActivityChooser::Instance()->Current(), gardening);
  GUI_SoloActivityChooser::Close();
  SIM_SIM::Instance().SetActs(2, 0);
  ClickOn(GUI_Postit::InSlot(0));
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
  const auto* box = dynamic_cast<const GUI_Message*>(GUI_WindowManager::Instance().TopModal());
  EXPECT_EQ(box ? box->GetText() : "", Translate("EVENINGCLASS_TONIGHT"));
}

// The class is missed once the day's last slot has gone to something else: on a day of two
// slots or of one, its note goes, and no click on it says "tonight" or opens a greyed start.
TEST_F(PostitTest, AClassNoteGoesWhenTheLastSlotGoesToSomethingElse) {
  CurrentDate().CopyDate(SIM_Date(0, 5, CurrentDate().GetYear()));
  CurrentDate().SetDayOfWeek(5);  // a Saturday in June, a gardening day
  HOOK_EveningClassType::FindByName("gardening")->Enrol();
  for (int slots : {2, 1}) {
    SIM_SIM::Instance().RestorePhase(PHASE_ACTIVITIES);
    SIM_SIM::Instance().SetActs(slots, slots - 1);
    RefreshEveningClassReminders();
    ASSERT_EQ(GUI_Postit::All().size(), 1u) << slots;
    SIM_SIM::Instance().EndAct();
    EXPECT_TRUE(GUI_Postit::All().empty()) << slots;
  }
}

TEST_F(PostitTest, AFifthNoteIsRefusedWithAWarningAndADeletedNoteFreesItsSlot) {
  for (int i = 0; i < 4; ++i) ASSERT_NE(GUI_Postit::AddPostit("n", kPostitBowlingMatch), nullptr);
  EXPECT_EQ(GUI_Postit::InSlot(3)->GetRect().top, 618);
  const std::string log = (user.Path() / "debug.txt").string();
  const std::string before = DebugLog::Instance().GetPath();
  DebugLog::Instance().SetPath(log);
  DebugLog::Instance().Open();
  EXPECT_EQ(GUI_Postit::AddPostit("fifth", 0), nullptr);
  DebugLog::Instance().Close();
  DebugLog::Instance().SetPath(before);
  EXPECT_NE(ReadFile(log).find("Not enough postit slots:GUI_Postit"), std::string::npos);
  EXPECT_EQ(GUI_Postit::All().size(), 4u);

  const int second = GUI_Postit::InSlot(1)->GetId();
  EXPECT_TRUE(GUI_Postit::Delete(second));
  EXPECT_FALSE(GUI_Postit::Delete(second));
  GUI_Postit* again = GUI_Postit::AddPostit("again", 0);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->GetSlot(), 1);
  EXPECT_NE(again->GetId(), second);  // an old id never finds the new note
}

TEST_F(PostitTest, ANoteSurvivesCloseAllWindowsAndANewGame) {
  GUI_Postit* note = GUI_Postit::AddPostit("Feed the cat", kPostitShopping);
  ASSERT_NE(note, nullptr);
  const int id = note->GetId();
  GUI_WindowManager::Instance().CloseAllWindows();
  GUI_GUI::Instance().StartGame();
  EXPECT_EQ(GUI_Postit::Find(id), note);
  EXPECT_TRUE(GUI_WindowManager::Instance().Contains(note));
}

TEST_F(PostitTest, TheShoppingNoteOpensThePetsTabOrNothing) {
  GUI_Postit* note = GUI_Postit::AddPostit("Pet food", kPostitShopping);
  ASSERT_NE(note, nullptr);
  ClickOn(note);
  ASSERT_NE(GUI_Shopping::Instance(), nullptr);
  ASSERT_NE(GUI_Shopping::Instance()->SelectedPage(), nullptr);
  EXPECT_EQ(GUI_Shopping::Instance()->SelectedPage(), GUI_Shopping::Instance()->Page(2));
  EXPECT_EQ(GUI_Shopping::Instance()->SelectedPage()->GetCategory(), "pets");
  GUI_Shopping::Close();

  // While a page fills the screen instead of the main scene, the unseen note takes no click.
  GUI_EndGame::Instance()->Show();
  ClickOn(note);
  GUI_EndGame::Instance()->Hide();
  EXPECT_EQ(GUI_Shopping::Instance(), nullptr);

  // Without either shop, asking whether one exists must not stop the game.
  WriteFile(user.Path() / "solo.csv", "#,jogging,J,J,,0,default,0,0,0,-1,-1,1,1,1,1,1,1,1,0,#\n");
  SIM_SoloActivityType::Reload((user.Path() / "solo.csv").string());
  ClickOn(note);
  EXPECT_EQ(GUI_Shopping::Instance(), nullptr);
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
}

// The shopping note opens the shop whenever the town's shop or the online one can be used
// today: the online shop stands in for the town's on a day the town's is shut or missing.
TEST_F(PostitTest, TheShoppingNoteFallsBackToTheOnlineShopAndOpensNothingWithoutEither) {
  // A solo activity open every day, or none.
  auto row = [](const char* name, bool open) {
    const char* days = open ? "1,1,1,1,1,1,1" : "0,0,0,0,0,0,0";
    return std::string("#,") + name + ",T,T,,0,default,0,0,0,-1,-1," + days + ",0,#\n";
  };
  struct Case {
    const char* what;
    std::string table;
    bool opens;
  };
  const Case cases[] = {
      {"the town's shop", row("shopping", true) + row("jogging", true), true},
      {"only the online shop", row("jogging", true) + row("shoponline", true), true},
      {"the town's shut, online open", row("shopping", false) + row("shoponline", true), true},
      {"both open", row("shopping", true) + row("shoponline", true), true},
      {"the town's shut, none online", row("shopping", false) + row("jogging", true), false},
      {"both shut", row("shopping", false) + row("shoponline", false), false},
      {"online shut, none in town", row("shoponline", false), false},
  };
  GUI_Postit* note = GUI_Postit::AddPostit("Pet food", kPostitShopping);
  ASSERT_NE(note, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(user.Path() / "solo.csv", c.table);
    SIM_SoloActivityType::Reload((user.Path() / "solo.csv").string());
    ClickOn(note);
    EXPECT_EQ(GUI_Shopping::Instance() != nullptr, c.opens);
    if (c.opens && GUI_Shopping::Instance()) {
      EXPECT_EQ(GUI_Shopping::Instance()->SelectedPage()->GetCategory(), "pets");
    }
    EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
    GUI_Shopping::Close();
  }
}

// A dialog lying over the right part of the first note's place.
class Cover : public GUI_Dialog {
 public:
  Cover() : GUI_Dialog(false) { SetRect(400, 0, 650, 250); }
};

// Notes lie on the panels and under the dialogs: the part of a note under a dialog is hidden,
// the rest shows yellow with its handwriting. A note glows under the mouse, but not while a
// modal window holds the screen, when a click would not reach it.
TEST_F(PostitTest, NotesLieUnderDialogsInHandwritingAndGlowOnlyWhenTheyWouldTakeTheClick) {
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  auto* cover = new Cover();
  const uint32_t gameRandom = GetRandomState();
  GUI_Postit* note = GUI_Postit::AddPostit("Bowling at eight", kPostitBowlingMatch);
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(GetRandomState(), gameRandom);  // mirroring is a look, not a game draw
  GUI_Services::SetMouseForTesting(10, 700, false);
  InGameFrame();
  auto yellow = [](uint32_t p) { return ((p >> 8) & 0xFF) > 180u && (p & 0xFF) < 140u; };
  EXPECT_TRUE(yellow(Pixel(292 + 50, 32 + 100)));  // the note's own yellow
  EXPECT_FALSE(yellow(Pixel(292 + 140, 32 + 100))) << "the note lies over the dialog";
  const GUI_Services::TextItem* text = FindText("Bowling at eight");
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->italic);
  EXPECT_EQ(text->font, "Wee Bairn");
  EXPECT_EQ(text->r + text->g + text->b, 0);
  EXPECT_EQ(text->x, 292 + (note->IsFlipped() ? 34 : 25));

  const uint32_t before = Pixel(292 - 2, 32 + 77);
  GUI_Services::SetMouseForTesting(292 + 40, 32 + 77, false);
  NewFrame();
  InGameFrame();
  EXPECT_NE(Pixel(292 - 2, 32 + 77), before);
  cover->MakeModal();
  NewFrame();
  InGameFrame();
  EXPECT_EQ(Pixel(292 - 2, 32 + 77), before) << "the note glows under a modal window";
  delete cover;
}

TEST_F(PostitTest, OnAnEightHundredPixelScreenEveryNoteCanBeSeen) {
  engine.Release();
  ASSERT_TRUE(engine.InitOffscreen(800, 600));
  for (int i = 0; i < 4; ++i) {
    GUI_Postit* note = GUI_Postit::AddPostit("x", kPostitSoloActivity);
    ASSERT_NE(note, nullptr);
    EXPECT_LE(note->GetRect().right, 800);
    EXPECT_LE(note->GetRect().bottom, 600);
  }
  EXPECT_EQ(GUI_Postit::InSlot(1)->GetRect().left, 92);  // places that fit stay
}

TEST_F(PostitTest, AnOwnerHoldsItsNoteByIdThroughTheScreens) {
  SIM_ReminderNote owner;
  ASSERT_TRUE(owner.Show("Class", kPostitSoloActivity, "jogging"));
  ASSERT_TRUE(owner.Show("Class", kPostitSoloActivity, "jogging"));  // still one note
  ASSERT_EQ(GUI_Postit::All().size(), 1u);
  EXPECT_EQ(GUI_Postit::Find(owner.GetId())->GetSecondText(), "jogging");
  for (int i = 0; i < 3; ++i) GUI_Postit::AddPostit("more", 0);
  owner.Drop();
  EXPECT_EQ(GUI_Postit::All().size(), 3u);
  owner.Drop();  // resetting twice takes down nothing else
  EXPECT_EQ(GUI_Postit::All().size(), 3u);
  GUI_Postit::AddPostit("full", 0);
  SIM_ReminderNote late;
  EXPECT_FALSE(late.Show("No room", 0));
  EXPECT_FALSE(late.IsShown());
}

}  // namespace
}  // namespace guitest

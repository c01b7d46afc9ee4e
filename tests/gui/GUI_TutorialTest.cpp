// The tutorial played through the input, as the player would: the main menu's button starts
// it, each step gates the buttons and moves on by the next button, Return or an allowed
// button, and it ends back at the main menu. Also its script and region readers, and the
// highlighter's picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/Game.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_DragIcon.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_NPC.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SIM.h"
#include "support/TestSupport.h"

namespace guitest {
namespace {

constexpr int kEscape = 1;
constexpr int kReturn = 28;

class TutorialTest : public PlayTest {
 protected:
  void TearDown() override {
    delete GUI_TutorialWindow::Instance();
    GUI_TutHighlighter::Instance().Off();
    GUI_SocialActivityChooser::Close();
    GUI_JobSearch::Close();
    PlayTest::TearDown();
  }

  // The main menu's tutorial button, clicked as the player would.
  void StartFromTheMainMenu() {
    Game::Instance().SetInGame(false);
    Game::Instance().SetMode(GAMEMODE_MAINMENU);
    ClickOn(GUI_MenuMain::Instance().GetButton(GUI_MenuMain::TUTORIAL));
  }
  // The index of the first step holding the command.
  static int StepWith(const std::string& command) {
    const auto& steps = GUI_Tutorial::Steps();
    for (size_t i = 0; i < steps.size(); ++i)
      if (steps[i].commands.find(command) != std::string::npos) return static_cast<int>(i);
    return -1;
  }
  // Presses Next (or an allowed button) until the step is reached.
  void PlayTo(int step) {
    for (int guard = 0; GUI_Tutorial::CurrentStep() < step && guard < 100; ++guard) PressWhatIsAllowed();
    ASSERT_EQ(GUI_Tutorial::CurrentStep(), step);
  }
  // The next button when the step has one, else the first button the step allows.
  void PressWhatIsAllowed() {
    GUI_TutorialWindow* window = GUI_TutorialWindow::Instance();
    ASSERT_NE(window, nullptr);
    if (window->GetNextButton()) {
      ClickOn(window->GetNextButton());
      return;
    }
    ASSERT_FALSE(GUI_Tutorial::Allowed().empty()) << "step " << GUI_Tutorial::CurrentStep();
    const auto* button = static_cast<const GUI_ButtonBase*>(GUI_Tutorial::Allowed().front());
    InGameFrame();  // the panel enables its buttons as it draws
    ClickOn(button);
  }
};

TEST_F(TutorialTest, TheMainMenuButtonStartsAGameWithTheFirstAvatarAndShowsTheFirstStep) {
  StartFromTheMainMenu();
  ASSERT_TRUE(GUI_Tutorial::IsActive());
  EXPECT_TRUE(Game::Instance().IsInGame());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  FileList avatars;
  avatars.AddFiles("data/bitmaps/avatars/*.dds");
  ASSERT_FALSE(avatars.files.empty());
  EXPECT_EQ(SIM_GameConfig::Instance().GetAvatarName(), avatars.files.front());
  EXPECT_EQ(GUI_Avatar::Instance().GetTextureName(), avatars.files.front());
  EXPECT_EQ(SIM_GameConfig::Instance().GetName(), "Bea");  // the name stays
  ASSERT_NE(GUI_TutorialWindow::Instance(), nullptr);
  EXPECT_EQ(GUI_TutorialWindow::Instance()->GetStep().title, GUI_Tutorial::Steps().front().title);
  GUI_Services::SetRecording(true);
  InGameFrame();
  EXPECT_TRUE(Queued(Translate(GUI_Tutorial::Steps().front().title.c_str())));
  GUI_Services::SetRecording(false);
}

TEST_F(TutorialTest, WithNothingAllowedThePanelIgnoresClicksAndOnlyNextMovesOn) {
  StartFromTheMainMenu();
  ASSERT_EQ(GUI_Tutorial::Steps().front().commands, "");
  ASSERT_EQ(GUI_Tutorial::Allowed().size(), 1u);  // the next button alone
  InGameFrame();
  ASSERT_TRUE(GUI_ControlPanel::Instance().SoloButton()->IsEnabled());
  ClickOn(GUI_ControlPanel::Instance().SoloButton());
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
  EXPECT_EQ(GUI_Tutorial::CurrentStep(), 0);
  ClickOn(GUI_TutorialWindow::Instance()->GetNextButton());
  EXPECT_EQ(GUI_Tutorial::CurrentStep(), 1);
  EXPECT_EQ(GUI_TutorialWindow::Instance()->GetStep().title, GUI_Tutorial::Steps()[1].title);
}

TEST_F(TutorialTest, ReturnMovesOnOnlyFromAStepThatOffersNext) {
  StartFromTheMainMenu();
  Key(kReturn);
  EXPECT_EQ(GUI_Tutorial::CurrentStep(), 1);
  const int solo = StepWith("ALLOW_SOLOBUTTON");
  ASSERT_GT(solo, 1);
  PlayTo(solo);
  ASSERT_FALSE(GUI_Tutorial::Steps()[static_cast<size_t>(solo)].hasNext);
  EXPECT_EQ(GUI_TutorialWindow::Instance()->GetNextButton(), nullptr);
  Key(kReturn);
  Key(30);  // any other key is swallowed too
  EXPECT_EQ(GUI_Tutorial::CurrentStep(), solo);
}

TEST_F(TutorialTest, AnAllowedSoloButtonOpensTheChooserAndMovesOn) {
  StartFromTheMainMenu();
  const int solo = StepWith("ALLOW_SOLOBUTTON");
  PlayTo(solo);
  GUI_IconButton* button = GUI_ControlPanel::Instance().SoloButton();
  EXPECT_TRUE(GUI_Tutorial::IsAllowed(button));
  EXPECT_FALSE(GUI_Tutorial::IsAllowed(GUI_ControlPanel::Instance().SocialButton()));
  // The step also frames the button it allows.
  const GUI_Rect& r = button->GetRect();
  EXPECT_EQ(GUI_TutHighlighter::Instance().GetRect().left, r.left - 4);
  EXPECT_EQ(GUI_TutHighlighter::Instance().GetRect().bottom, r.bottom + 4);
  InGameFrame();
  ClickOn(button);
  EXPECT_NE(GUI_SoloActivityChooser::Instance(), nullptr);
  EXPECT_EQ(GUI_Tutorial::CurrentStep(), solo + 1);
  EXPECT_FALSE(GUI_Tutorial::IsAllowed(button));  // each step allows only its own
}

// A step over a chooser lets the player try what its text names without moving on (the arrows,
// the contacts dragged onto the evening, the industries), but never its start or apply.
TEST_F(TutorialTest, AChoosersStepLetsItsNamedControlsActButNotItsStart) {
  StartFromTheMainMenu();
  int step = StepWith("USE_SOLOARROWS");
  auto use = [&](const GUI_ButtonBase* control) {
    InGameFrame();
    ClickOn(control);
    EXPECT_EQ(GUI_Tutorial::CurrentStep(), step);
  };
  PlayTo(step);
  GUI_SoloActivityChooser* solo = GUI_SoloActivityChooser::Instance();
  use(solo->NextArrow());
  EXPECT_EQ(solo->Current(), solo->Available()[1]);
  EXPECT_FALSE(GUI_Tutorial::IsAllowed(solo->StartButton()));
  PlayTo(step = StepWith("USE_CONTACTS"));
  GUI_SocialActivityChooser* social = GUI_SocialActivityChooser::Instance();
  use(social->NextArrow());
  EXPECT_EQ(social->Current(), social->Available()[1]);
  for (const GUI_NPCIcon* icon : AllNPCIcons()) {
    if (!icon->IsShown() || !icon->GetNPC()->IsIntroduced()) continue;
    PressLeft(static_cast<int>(icon->GetCentreX()), static_cast<int>(icon->GetCentreY()));
    EXPECT_NE(GUI_DragIcon::Current(), nullptr);  // not under the step's window
    ReleaseLeft(150, 400);  // on the evening, at the screen's left edge
  }
  EXPECT_FALSE(social->Invitees().empty());
  EXPECT_FALSE(GUI_Tutorial::IsAllowed(social->StartButton()));
  PlayTo(step = StepWith("USE_JOBBROWSING"));
  use(GUI_JobSearch::Instance()->IndustryButtons().front());
  EXPECT_EQ(GUI_JobSearch::Instance()->GetPage(), 1);
  EXPECT_FALSE(GUI_Tutorial::IsAllowed(GUI_JobSearch::Instance()->ApplyButton()));
}

// The person's window would refuse its close button and tabs for the rest of the tour, so a
// contact the step lets the player try opens none, by a double click or a right click.
TEST_F(TutorialTest, AContactsStepOpensNoPersonsWindow) {
  StartFromTheMainMenu();
  PlayTo(StepWith("USE_CONTACTS"));
  for (const GUI_NPCIcon* icon : AllNPCIcons()) {
    if (!icon->IsShown() || !icon->GetNPC()->IsIntroduced()) continue;
    const int x = static_cast<int>(icon->GetCentreX()), y = static_cast<int>(icon->GetCentreY());
    InGameFrame();
    Click(x, y);
    Click(x, y);
    GUI_GUI::Instance().OnRightButtonDown();  // the mouse is still on the face
    EXPECT_EQ(GUI_NPC::FindFor(icon->GetNPC()), nullptr);
  }
}

TEST_F(TutorialTest, HighlightingAWindowThatIsNotOpenIsSkipped) {
  StartFromTheMainMenu();
  GUI_SoloActivityChooser::Close();
  GUI_TutHighlighter::Instance().Off();
  GUI_Tutorial::PerformCommand("HIGHLIGHT_SOLOACTIVITY");
  GUI_Tutorial::PerformCommand("HIGHLIGHT_SOCIAL");
  GUI_Tutorial::PerformCommand("HIGHLIGHT_JOBCHOOSER");
  EXPECT_FALSE(GUI_TutHighlighter::Instance().IsActive());
  InGameFrame();  // and drawing is safe
  // Several commands run left to right: the last highlight is the one shown.
  for (const std::string& command : SplitTutorialCommands(" HIGHLIGHT_MONEY ,, HIGHLIGHT_TOVEL"))
    GUI_Tutorial::PerformCommand(command);
  EXPECT_EQ(GUI_TutHighlighter::Instance().GetRect().left,
            GUI_TutHighlighter::Instance().Regions()[4].left);
  GUI_SoloActivityChooser::Open();
  GUI_Tutorial::PerformCommand("HIGHLIGHT_SOLOACTIVITY");
  EXPECT_TRUE(GUI_TutHighlighter::Instance().IsActive());
  EXPECT_EQ(GUI_TutHighlighter::Instance().GetRect().top,
            GUI_SoloActivityChooser::Instance()->GetRect().top - 4);
}

TEST_F(TutorialTest, EscapeEndsAtTheMainMenuWithNoGameRunning) {
  StartFromTheMainMenu();
  Key(kEscape);
  EXPECT_FALSE(GUI_Tutorial::IsActive());
  EXPECT_FALSE(Game::Instance().IsInGame());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
  EXPECT_EQ(GUI_TutorialWindow::Instance(), nullptr);
  EXPECT_FALSE(GUI_TutHighlighter::Instance().IsActive());
  // Buttons answer again.
  EXPECT_TRUE(GUI_Tutorial::IsAllowed(GUI_ControlPanel::Instance().SocialButton()));
}

TEST_F(TutorialTest, AnEmptyScriptOpensNoWindowIgnoresReturnAndEndsOnEscape) {
  testsupport::TempDir data;
  testsupport::WriteFile(data.Path() / "tutorial.csv", "Only a header line\n");
  GUI_Tutorial::Load((data.Path() / "tutorial.csv").string());
  EXPECT_EQ(assertions.size(), 1u);  // reported, not fatal
  EXPECT_TRUE(GUI_Tutorial::IsActive());
  EXPECT_TRUE(GUI_Tutorial::Steps().empty());
  EXPECT_EQ(GUI_TutorialWindow::Instance(), nullptr);
  Key(kReturn);
  Click(512, 384);
  InGameFrame();
  EXPECT_TRUE(GUI_Tutorial::IsActive());
  Key(kEscape);
  EXPECT_FALSE(GUI_Tutorial::IsActive());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
}

// The shipped script from its first step to its end, pressing only what each step allows:
// every command and region it names works on the real screen.
TEST_F(TutorialTest, TheShippedScriptPlaysToItsEnd) {
  StartFromTheMainMenu();
  const auto steps = GUI_Tutorial::Steps();
  ASSERT_GE(steps.size(), 10u);
  for (size_t i = 0; i < steps.size(); ++i) {
    ASSERT_TRUE(GUI_Tutorial::IsActive());
    ASSERT_EQ(GUI_Tutorial::CurrentStep(), static_cast<int>(i));
    const bool highlights = steps[i].commands.find("HIGHLIGHT_") != std::string::npos;
    EXPECT_EQ(GUI_TutHighlighter::Instance().IsActive(), highlights) << "step " << i;
    if (highlights) {
      // The framed place is on the screen and not empty.
      const GUI_Rect& r = GUI_TutHighlighter::Instance().GetRect();
      EXPECT_LT(r.left, r.right) << "step " << i;
      EXPECT_LT(r.top, r.bottom) << "step " << i;
      EXPECT_GE(r.right, 0);
      EXPECT_LE(r.left, 1024);
    }
    // The window stays on the screen.
    const GUI_Rect& w = GUI_TutorialWindow::Instance()->GetRect();
    EXPECT_GE(w.top, 0) << "step " << i;
    EXPECT_LE(w.bottom, 768) << "step " << i;
    EXPECT_LE(w.right, 1024) << "step " << i;
    InGameFrame();
    PressWhatIsAllowed();
  }
  EXPECT_FALSE(GUI_Tutorial::IsActive());
  EXPECT_FALSE(Game::Instance().IsInGame());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), nullptr);
  EXPECT_EQ(GUI_JobSearch::Instance(), nullptr);
}

// A step that waits for a button shows what the button opens in the step after: the window
// the player has just opened is still there to be read, not shut by the next step's commands.
TEST_F(TutorialTest, AWindowOpenedByAnAllowedButtonStaysOpenForTheNextStep) {
  StartFromTheMainMenu();
  const auto steps = GUI_Tutorial::Steps();
  auto dialogs = [] {
    std::vector<const GUI_WindowBase*> open;
    for (const GUI_WindowBase* w : GUI_WindowManager::Instance().Windows())
      if (w->IsDialog()) open.push_back(w);
    return open;
  };
  int opened = 0;
  for (size_t i = 0; i + 1 < steps.size(); ++i) {
    ASSERT_EQ(GUI_Tutorial::CurrentStep(), static_cast<int>(i));
    const bool waitsForAButton = !steps[i].hasNext;
    const auto before = dialogs();
    InGameFrame();
    PressWhatIsAllowed();
    if (!waitsForAButton) continue;
    ++opened;
    const auto after = dialogs();
    EXPECT_GT(after.size(), before.size()) << "step " << i + 1 << " closed what step " << i
                                           << " opened";
    // The next step names the window it lies over: it is framed, not the whole screen.
    EXPECT_TRUE(GUI_TutHighlighter::Instance().IsActive()) << "step " << i + 1;
  }
  EXPECT_GE(opened, 4);  // solo, social, classes, job search
}

TEST_F(TutorialTest, TheWindowFitsItsTextAndSitsWhereTheStepSays) {
  TutorialStep step;
  step.body = std::string(200, 'x');  // 8 px a character: four lines at 420 px
  checkShippedTexts = false;  // a body made here, not a key
  step.hasNext = true;
  auto* centred = new GUI_TutorialWindow(step);
  const int textHeight = GUI_Services::MeasureHeight("tahoma", 16, step.body, 420);
  const GUI_Rect& c = centred->GetRect();
  EXPECT_EQ(c.right - c.left, 450);
  EXPECT_EQ(c.bottom - c.top, 40 + textHeight + 50);
  EXPECT_EQ(c.left, 1024 / 2 - 225);
  EXPECT_EQ(c.top, 768 / 2 - (c.bottom - c.top) / 2);  // centred at the height it shows
  const GUI_Rect& next = centred->GetNextButton()->GetRect();
  EXPECT_EQ(next.left, c.right - 120);
  EXPECT_EQ(next.bottom, c.bottom - 15);
  step.x = 100.0f;
  step.y = 50.0f;
  step.hasNext = false;
  auto* placed = new GUI_TutorialWindow(step);  // replaces the first
  EXPECT_EQ(GUI_TutorialWindow::Instance(), placed);
  EXPECT_EQ(placed->GetRect().left, 100);
  EXPECT_EQ(placed->GetRect().top, 50);
  EXPECT_EQ(placed->GetNextButton(), nullptr);
}

TEST_F(TutorialTest, TheHighlighterShadesAroundItsRectangleAndFramesIt) {
  engine.BeginRender();
  engine.FillRect(0, 0, 1024, 768, 0xFFFFFFFF);
  GUI_TutHighlighter& highlighter = GUI_TutHighlighter::Instance();
  highlighter.HighlightRect(200, 200, 400, 300);
  highlighter.Draw();
  const uint32_t inside = Pixel(300, 250), shaded = Pixel(100, 100), frame = Pixel(198, 250);
  engine.EndScene();
  EXPECT_EQ(inside & 0xFFFFFF, 0xFFFFFFu);
  // Black at 192/255 over white.
  EXPECT_NEAR(static_cast<int>(shaded & 0xFF), 63, 3);
  // 0xA0B0E6 at 220/255 over the shade.
  EXPECT_NEAR(static_cast<int>((frame >> 16) & 0xFF), 0xA0 * 220 / 255 + 63 * 35 / 255, 4);
  EXPECT_NEAR(static_cast<int>(frame & 0xFF), 0xE6 * 220 / 255 + 63 * 35 / 255, 4);
  highlighter.Off();
}

TEST(TutorialScriptTest, QuotedCommandsStayTogetherAndHeadersAreNotSteps) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir.Path() / "t.csv",
                         "Columns: #,title,...\r\n"
                         "#,T1,B1,\"HIGHLIGHT_MONEY, ALLOW_SOLOBUTTON\",1,-1,-1\r\n"
                         "#,T2,B2,,0,12.5,40\n"
                         "#,T3\n");
  const auto steps = ReadTutorialScript((dir.Path() / "t.csv").string());
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].title, "T1");
  EXPECT_EQ(steps[0].commands, "HIGHLIGHT_MONEY, ALLOW_SOLOBUTTON");
  EXPECT_TRUE(steps[0].hasNext);
  EXPECT_FLOAT_EQ(steps[0].x, -1.0f);
  EXPECT_FALSE(steps[1].hasNext);
  EXPECT_FLOAT_EQ(steps[1].x, 12.5f);
  EXPECT_FLOAT_EQ(steps[1].y, 40.0f);
  EXPECT_EQ(steps[2].body, "");  // a short row gives empty fields
  EXPECT_FALSE(steps[2].hasNext);
}

TEST(TutorialScriptTest, RegionsReadFourNumbersAndAMissingOrBadKeyGivesZeros) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir.Path() / "t.ini",
                         "[regions]\nNPCICONS=1,2,3,4\nMONEY=a,b,c,d\nTOVEL=5,6\n");
  const TutorialRegions regions = ReadTutorialRegions((dir.Path() / "t.ini").string());
  EXPECT_EQ(regions[0].left, 1);
  EXPECT_EQ(regions[0].bottom, 4);
  EXPECT_EQ(regions[1].right, 0);  // MINDSTATE missing
  EXPECT_EQ(regions[4].top, 6);
  EXPECT_EQ(regions[4].right, 0);
  EXPECT_EQ(regions[5].left, 0);
}

}  // namespace
}  // namespace guitest

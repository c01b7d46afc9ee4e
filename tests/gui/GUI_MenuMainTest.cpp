// The main menu: its column, which buttons show in and out of a game, the mode each button
// sets, the quit question, Alt+Return, and a frame read back with the shipped art.
#include <string>

#include "app/CInput.h"
#include "app/Game.h"
#include "app/MainWindow.h"
#include "engine/CallTrace.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_Shell.h"
#include "gui/GUI_MenuInternet.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_MenuOptions.h"
#include "gui/GUI_MenuSave.h"
#include "gui/GuiFixture.h"
#include "gui/GUI_Tutorial.h"
#include "gui/PlayFixture.h"
#include "engine/Translate.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "platform/Window.h"

namespace {

using guitest::GuiTest;

class MenuMainTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    ResetAppFlags();
    ClearTracedCalls();
    menu.Layout(768);
    CInput::Instance().keys.fill(0);
    GUI_GUI::SetToggleWindowedHandler([this] { ++toggles; });
  }
  void TearDown() override {
    GUI_GUI::SetToggleWindowedHandler(nullptr);
    CInput::Instance().keys.fill(0);
    Game::Instance().SetCurrentMode(nullptr);
    ResetAppFlags();
    GuiTest::TearDown();
  }
  // Clicks the middle of row n of the column.
  void ClickRow(int n) {
    GUI_Services::SetMouseForTesting(690.0f, static_cast<float>(768 - 480 + 35 * n + 12), false);
    menu.OnLeftButtonDown();
  }
  GUI_MenuMain& menu = GUI_MenuMain::Instance();
  int toggles = 0;
};

TEST_F(MenuMainTest, ColumnFollowsTheScreenHeight) {
  const GUI_ButtonText* first = menu.GetButton(GUI_MenuMain::TUTORIAL);
  EXPECT_EQ(first->GetRect().left, 600);
  EXPECT_EQ(first->GetRect().right, 780);
  EXPECT_EQ(first->GetRect().top, 288);
  EXPECT_EQ(first->GetRect().bottom, 313);
  EXPECT_EQ(menu.GetButton(GUI_MenuMain::INTERNET)->GetRect().top, 288 + 7 * 35);
  menu.Layout(600);
  EXPECT_EQ(first->GetRect().top, 120);
  EXPECT_EQ(menu.GetButton(GUI_MenuMain::QUITGAME)->GetRect().top, 120 + 5 * 35);
}

TEST_F(MenuMainTest, SaveAndResumeShowOnlyInAGame) {
  Game::Instance().SetInGame(false);
  menu.RefreshButtons();
  for (int i = 0; i < GUI_MenuMain::kEntries; ++i) {
    const bool gameOnly = i == GUI_MenuMain::SAVEGAME || i == GUI_MenuMain::RESUMEGAME;
    EXPECT_EQ(menu.GetButton(static_cast<GUI_MenuMain::Entry>(i))->IsVisible(), !gameOnly) << i;
    EXPECT_EQ(menu.GetButton(static_cast<GUI_MenuMain::Entry>(i))->IsEnabled(), !gameOnly) << i;
  }
  // The hidden rows stay gaps: a click there does nothing.
  ClickRow(GUI_MenuMain::SAVEGAME);
  ClickRow(GUI_MenuMain::RESUMEGAME);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), nullptr);

  Game::Instance().SetInGame(true);
  menu.RefreshButtons();
  EXPECT_TRUE(menu.GetButton(GUI_MenuMain::SAVEGAME)->IsVisible());
  EXPECT_TRUE(menu.GetButton(GUI_MenuMain::RESUMEGAME)->IsEnabled());
}

TEST_F(MenuMainTest, EachButtonSetsItsMode) {
  Game::Instance().SetInGame(true);
  menu.RefreshButtons();
  const std::pair<int, GUI_GameModeBase*> rows[] = {
      {GUI_MenuMain::OPTIONS, &GUI_MenuOptions::Instance()},
      {GUI_MenuMain::SAVEGAME, &GUI_MenuSave::Instance()},
      {GUI_MenuMain::LOADGAME, &GUI_MenuLoad::Instance()},
      {GUI_MenuMain::RESUMEGAME, &GUI_GUI::Instance()},
      {GUI_MenuMain::INTERNET, &GUI_MenuInternet::Instance()},
  };
  for (const auto& [row, mode] : rows) {
    Game::Instance().SetCurrentMode(&menu);
    ClickRow(row);
    EXPECT_EQ(Game::Instance().GetCurrentMode(), mode) << "row " << row;
  }
  // The tutorial and new-game buttons ask first over a running game (below).
}

TEST_F(MenuMainTest, QuitAsksFirstAndTheDialogTakesTheClicks) {
  ClickRow(GUI_MenuMain::QUITGAME);
  GUI_ConfirmDialog* confirm = GUI_ConfirmDialog::Instance();
  ASSERT_NE(confirm, nullptr);
  EXPECT_FALSE(g_quitRequested);
  // While the question is open the column takes no clicks.
  Game::Instance().SetCurrentMode(&menu);
  ClickRow(GUI_MenuMain::OPTIONS);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &menu);
  // Escape answers the open question: Cancel.
  menu.OnKeyDown(1);
  EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
  EXPECT_FALSE(g_quitRequested);
  // Cancel closes a new one; OK of the next one quits.
  menu.OnKeyDown(1);
  ASSERT_NE(GUI_ConfirmDialog::Instance(), nullptr);
  GUI_ButtonText* cancel = GUI_ConfirmDialog::Instance()->GetCancelButton();
  GUI_Services::SetMouseForTesting(static_cast<float>(cancel->GetRect().left + 2),
                                   static_cast<float>(cancel->GetRect().top + 2), false);
  menu.OnLeftButtonDown();
  EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
  EXPECT_FALSE(g_quitRequested);
  menu.OnKeyDown(1);
  GUI_ButtonText* ok = GUI_ConfirmDialog::Instance()->GetOkButton();
  GUI_Services::SetMouseForTesting(static_cast<float>(ok->GetRect().left + 2),
                                   static_cast<float>(ok->GetRect().top + 2), false);
  menu.OnLeftButtonDown();
  EXPECT_TRUE(g_quitRequested);
}

// A running game, left for the main menu by the player.
class MenuMainPlayTest : public guitest::PlayTest {
 protected:
  void TearDown() override {
    delete GUI_TutorialWindow::Instance();
    GUI_TutHighlighter::Instance().Off();
    GUI_Tutorial::SetActive(false);
    GUI_ConfirmDialog::Close();
    guitest::PlayTest::TearDown();
  }
};

TEST_F(MenuMainPlayTest, TutorialAndNewGameAskBeforeThrowingARunningGameAway) {
  const struct {
    GUI_MenuMain::Entry row;
    bool (*happened)();
    const char* title;
    const char* text;
  } rows[] = {
      {GUI_MenuMain::TUTORIAL, [] { return GUI_Tutorial::IsActive(); },
       "CONFIRM_LEAVE_FOR_TUTORIAL_TITLE", "CONFIRM_LEAVE_FOR_TUTORIAL_TEXT"},
      {GUI_MenuMain::STARTGAME,
       [] { return Game::Instance().GetCurrentMode() == &GUI_MenuNew::Instance(); },
       "CONFIRM_LEAVE_FOR_NEWGAME_TITLE", "CONFIRM_LEAVE_FOR_NEWGAME_TEXT"},
  };
  GUI_MenuMain& menu = GUI_MenuMain::Instance();
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    Game::Instance().SetInGame(true);
    Game::Instance().SetMode(GAMEMODE_INGAME);
    Key(1);  // Escape: the in-game question to leave for the main menu
    ASSERT_NE(GUI_ConfirmDialog::Instance(), nullptr);
    Key(28);  // Return: its OK
    ASSERT_EQ(Game::Instance().GetCurrentMode(), &menu);
    ASSERT_TRUE(Game::Instance().IsInGame());

    ClickOn(menu.GetButton(r.row));
    GUI_ConfirmDialog* confirm = GUI_ConfirmDialog::Instance();
    ASSERT_NE(confirm, nullptr);
    // The question says what the button starts and that the running game goes unsaved; the
    // player is on the main menu already, so it is not the in-game "return to the menu?".
    EXPECT_EQ(confirm->GetTitle(), Translate(r.title));
    EXPECT_EQ(confirm->GetText(), Translate(r.text));
    EXPECT_NE(confirm->GetText().find("without saving"), std::string::npos);
    EXPECT_EQ(confirm->GetText().find("main menu"), std::string::npos);
    EXPECT_FALSE(r.happened());
    // Escape is the question's Cancel; it does not become the quit question.
    Key(1);
    EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
    EXPECT_FALSE(r.happened());
    EXPECT_EQ(Game::Instance().GetCurrentMode(), &menu);
    ClickOn(menu.GetButton(r.row));
    ASSERT_NE(GUI_ConfirmDialog::Instance(), nullptr);
    ClickOn(GUI_ConfirmDialog::Instance()->GetCancelButton());
    EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
    EXPECT_FALSE(r.happened());

    // Return is its OK.
    ClickOn(menu.GetButton(r.row));
    ASSERT_NE(GUI_ConfirmDialog::Instance(), nullptr);
    Key(28);
    EXPECT_TRUE(r.happened());
    EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
    delete GUI_TutorialWindow::Instance();
    GUI_Tutorial::SetActive(false);

    // With no game running there is nothing to lose: the button acts at once.
    Game::Instance().SetInGame(false);
    Game::Instance().SetMode(GAMEMODE_MAINMENU);
    ClickOn(menu.GetButton(r.row));
    EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
    EXPECT_TRUE(r.happened());
    delete GUI_TutorialWindow::Instance();
    GUI_Tutorial::SetActive(false);
  }
}

TEST_F(MenuMainPlayTest, AltReturnSwitchesFullScreenOnEveryFrontEndScreenAndStaysThere) {
  int toggles = 0;
  GUI_GUI::SetToggleWindowedHandler([&toggles] { ++toggles; });
  auto keyUp = [](int scanCode) {
    plat::Event e;
    e.type = plat::EventType::KeyUp;
    e.key = scanCode;
    CInput::Instance().QueueEvent(e);
    CInput::Instance().Update();
  };
  // The typed names are what a key could change on the screens that type.
  auto typed = [] { return GUI_MenuNew::Instance().GetName() + "|" + GUI_MenuSave::Instance().GetName(); };
  const struct {
    int mode;
    int alt;
  } screens[] = {
      {GAMEMODE_MAINMENU, 56}, {GAMEMODE_OPTIONS, 56}, {GAMEMODE_OPTIONS, 184},
      {GAMEMODE_NEWGAME, 56},  {GAMEMODE_INTRO, 184},  {GAMEMODE_SAVE, 56},
      {GAMEMODE_LOAD, 184},    {GAMEMODE_INTERNET, 56},
  };
  Game::Instance().SetInGame(true);
  for (const auto& screen : screens) {
    SCOPED_TRACE(screen.mode);
    Game::Instance().SetMode(screen.mode);
    GUI_GameModeBase* const shown = Game::Instance().GetCurrentMode();
    const std::string before = typed();
    const int toggled = toggles;
    Key(screen.alt);
    Key(28);
    keyUp(28);
    keyUp(screen.alt);
    EXPECT_EQ(toggles, toggled + 1);
    EXPECT_EQ(Game::Instance().GetCurrentMode(), shown);
    EXPECT_EQ(typed(), before);
  }
  // Return alone still leaves the options for the running game.
  Game::Instance().SetMode(GAMEMODE_OPTIONS);
  const int toggled = toggles;
  Key(28);
  EXPECT_EQ(toggles, toggled);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  GUI_GUI::SetToggleWindowedHandler(nullptr);
}

TEST_F(MenuMainTest, AltReturnTogglesWindowedAndOtherKeysDoNothing) {
  menu.OnKeyDown(28);
  EXPECT_EQ(toggles, 0);
  CInput::Instance().keys[56] = 0x80;
  menu.OnKeyDown(28);
  EXPECT_EQ(toggles, 1);
  CInput::Instance().keys[56] = 0;
  CInput::Instance().keys[184] = 0x80;
  menu.OnKeyDown(28);
  EXPECT_EQ(toggles, 2);
  menu.OnKeyDown(57);
  EXPECT_EQ(toggles, 2);
  EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
}

TEST_F(MenuMainTest, FrameShowsTheBackgroundAndSixButtonsWithRowsThreeAndSixEmpty) {
  ASSERT_FALSE(Shell().IsInGame());
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  // The mouse away from every button: no hover and no tooltip is left from an earlier frame.
  GUI_Services::SetMouseForTesting(5.0f, 5.0f, false);
  GUI_Services::SetRestFramesForTesting(0);
  menu.Update();
  // A tooltip shown by an earlier frame fades out over the next two draws.
  for (int i = 0; i < 2; ++i) {
    engine.BeginRender();
    menu.Draw();
    engine.EndScene();
  }
  // The background alone, for comparison.
  engine.BeginRender();
  engine.DrawFullScreenImage(GUI_MenuMain::kBackground);
  engine.EndScene();
  std::vector<uint32_t> background;
  int w = 0, h = 0;
  std::string error;
  ASSERT_TRUE(engine.GetDevice()->ReadPixels(background, w, h, error)) << error;
  ASSERT_EQ(w, 1024);
  auto bg = [&](int x, int y) { return background[static_cast<size_t>(y * w + x)]; };
  // Not a plain fill: the picture was found.
  EXPECT_NE(bg(100, 100), bg(900, 700));

  engine.BeginRender();
  menu.Draw();
  engine.EndScene();
  for (const auto& [x, y] : {std::pair{300, 300}, {590, 400}, {800, 300}, {690, 200}, {900, 700}})
    EXPECT_EQ(Pixel(x, y), bg(x, y)) << x << "," << y;
  for (int n = 0; n < GUI_MenuMain::kEntries; ++n) {
    const int top = 768 - 480 + 35 * n;
    int differing = 0;
    for (int x = 602; x < 778; x += 4)
      for (int y = top + 2; y < top + 23; y += 4) differing += Pixel(x, y) != bg(x, y) ? 1 : 0;
    if (n == GUI_MenuMain::SAVEGAME || n == GUI_MenuMain::RESUMEGAME)
      EXPECT_EQ(differing, 0) << "row " << n << " should be empty ";
    else
      EXPECT_GT(differing, 100) << "row " << n << " should show a button";
  }
  const GUI_Services::TextItem* version = FindText(Game::Instance().GetVersion());
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->x, 6.0f);
  EXPECT_EQ(version->y, 753.0f);
  EXPECT_EQ(version->size, 14);
}

}  // namespace

// The save, load and options menus driven the way the player drives them: keys typed into
// the mode, clicks at the controls' places.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/GUI_Sounds.h"
#include "app/Game.h"
#include "engine/CallTrace.h"
#include "engine/D3DEngine.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_MenuInternet.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuOptions.h"
#include "gui/GUI_MenuSave.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_SliderControl.h"
#include "gui/GUI_Tooltip.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Statistics.h"
#include "sim/SaveGameTestSupport.h"
#include "gui/GuiFixture.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// Scan codes of the letters typed below.
constexpr int kG = 34, kA = 30, kM = 50, kE = 18, kBackspace = 14, kEscape = 1, kReturn = 28;

class MenuTest : public SaveWorldTest {
 protected:
  void SetUp() override {
    SaveWorldTest::SetUp();
    // A screen of the usual size, so the controls lie where the player sees them.
    D3DEngine& engine = D3DEngine::Instance();
    engine.ResetForTesting();
    engine.SetLogPath((logDir.Path() / "drawdebug.txt").string());
    engine.SetErrorBoxHandler([](const std::string&, const std::string&) {});
    ASSERT_TRUE(engine.InitOffscreen(1024, 768));
    GUI_Services::SetRecording(true);
    Game::Instance().SetInGame(false);
  }
  void TearDown() override {
    GUI_Services::ResetForTesting();
    Game::Instance().SetCurrentMode(nullptr);
    Game::Instance().SetInGame(false);
    // A loaded game starts the play timer, and clicks may build the sound manager: neither
    // may reach the next test.
    SIM_Statistics::Instance().PausePlayTimer();
    SIM_Statistics::Instance().SetPlayTime(0.0);
    DrawTooltips();
    GUI_Sounds::DestroyInstanceForTesting();
    D3DEngine& engine = D3DEngine::Instance();
    engine.Release();
    engine.ResetForTesting();
    engine.SetErrorBoxHandler(nullptr);
    engine.SetLogPath(D3DEngine::kLogFile);
    SaveWorldTest::TearDown();
  }
  testsupport::TempDir logDir;

  // The menus keep their first row between visits; the tests start from the top.
  template <typename Menu>
  static void ToTop(Menu& menu) {
    while (menu.GetFirstRow() > 0) menu.PageUp();
  }

  // A left click at the centre of the element, through the current mode.
  // Through the shell, as the input forwards a click to the current mode.
  static void ClickAt(float x, float y, GUI_GameModeBase& mode) {
    ASSERT_EQ(Game::Instance().GetCurrentMode(), &mode);
    GUI_Services::SetMouseForTesting(x, y, false);
    Game::Instance().OnLeftButtonDown();
  }
  static void Key(int scanCode) { Game::Instance().OnKeyDown(scanCode); }
  static void Click(const GUI_BaseElement* element, GUI_GameModeBase& mode) {
    const GUI_Rect& r = element->GetRect();
    ClickAt(static_cast<float>(r.left + r.right) / 2.0f, static_cast<float>(r.top + r.bottom) / 2.0f, mode);
  }
  static void Enter(int mode) { Game::Instance().SetMode(mode); }
  void WriteSaves(int count) {
    for (int i = 0; i < count; ++i) {
      const std::string name = std::string("game") + static_cast<char>('a' + i / 10) +
                               static_cast<char>('0' + i % 10);
      ASSERT_TRUE(SIM_SaveGame::Save(name));
    }
  }
};

// ---- Save menu ----

TEST_F(MenuTest, TheSaveMenuTypesANameAndSavesUnderIt) {
  GUI_MenuSave& menu = GUI_MenuSave::Instance();
  Enter(GAMEMODE_SAVE);
  ASSERT_EQ(Game::Instance().GetCurrentMode(), &menu);
  menu.SetName("");
  Key(kBackspace);  // nothing to drop
  EXPECT_EQ(menu.GetName(), "");
  for (int key : {kG, kA, kM, kE, kE}) Key(key);
  Key(kBackspace);
  Key(59);  // a key without a character types nothing
  EXPECT_EQ(menu.GetName(), "game");

  Click(menu.GetSaveButton(), menu);
  EXPECT_TRUE(fs::exists(saves.Path() / "game.xml"));
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
}

TEST_F(MenuTest, TheSaveMenuKeepsThePlayerWhenTheNameIsRefused) {
  GUI_MenuSave& menu = GUI_MenuSave::Instance();
  Enter(GAMEMODE_SAVE);
  menu.SetName("");
  Click(menu.GetSaveButton(), menu);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &menu);
  EXPECT_TRUE(fs::is_empty(saves.Path()));
  EXPECT_EQ(SIM_SaveGame::LastError(), "SAVEGAME_NAME_EMPTY");

  menu.SetName(std::string(70, 'x'));
  EXPECT_EQ(menu.GetName().size(), 63u);
  Key(kA);  // a 64th character is refused
  EXPECT_EQ(menu.GetName().size(), 63u);
  Key(kEscape);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
}

TEST_F(MenuTest, TheSaveMenuListsTheSavesAndARowGivesItsName) {
  WriteSaves(3);
  GUI_MenuSave& menu = GUI_MenuSave::Instance();
  Enter(GAMEMODE_SAVE);
  ToTop(menu);
  ASSERT_EQ(menu.Rows().size(), 10u);
  EXPECT_EQ(menu.Rows()[0]->GetName(), "gamea0");
  EXPECT_EQ(menu.Rows()[2]->GetName(), "gamea2");
  for (size_t i = 3; i < 10; ++i) EXPECT_EQ(menu.Rows()[i]->GetName(), Translate("SAVEGAME_EMPTY"));
  menu.SetName("typed");
  Click(menu.Rows()[1], menu);
  EXPECT_EQ(menu.GetName(), "gamea1");
  // Paging down has no end; up stops at the first row.
  Click(menu.GetDownButton(), menu);
  EXPECT_EQ(menu.GetFirstRow(), 1);
  EXPECT_EQ(menu.Rows()[0]->GetName(), "gamea1");
  menu.PageUp();
  menu.PageUp();
  EXPECT_EQ(menu.GetFirstRow(), 0);
}

// ---- Load menu ----

TEST_F(MenuTest, TheLoadMenuPagesThroughTwelveSaves) {
  WriteSaves(12);
  GUI_MenuLoad& menu = GUI_MenuLoad::Instance();
  Enter(GAMEMODE_LOAD);
  ToTop(menu);
  ASSERT_EQ(menu.Files().size(), 12u);
  EXPECT_EQ(menu.GetFirstRow(), 0);
  EXPECT_EQ(menu.Rows()[0]->GetName(), "gamea0");
  EXPECT_EQ(menu.DeleteButtons().size(), 10u);
  EXPECT_FALSE(menu.CanPageUp());
  EXPECT_TRUE(menu.CanPageDown());
  Click(menu.GetDownButton(), menu);
  Click(menu.GetDownButton(), menu);
  EXPECT_EQ(menu.GetFirstRow(), 2);
  EXPECT_EQ(menu.Rows()[9]->GetName(), "gameb1");
  EXPECT_FALSE(menu.CanPageDown());
  menu.PageDown();
  EXPECT_EQ(menu.GetFirstRow(), 2);
  menu.PageUp();
  menu.PageUp();
  menu.PageUp();
  EXPECT_EQ(menu.GetFirstRow(), 0);
}

TEST_F(MenuTest, ARescanKeepsTheFirstRowWhereThePlayerLeftIt) {
  WriteSaves(12);
  GUI_MenuLoad& menu = GUI_MenuLoad::Instance();
  Enter(GAMEMODE_LOAD);
  ToTop(menu);
  menu.PageDown();
  menu.PageDown();
  ASSERT_EQ(menu.GetFirstRow(), 2);
  for (int i = 0; i < 10; ++i) fs::remove(saves.Path() / ("gamea" + std::to_string(i) + ".xml"));
  Enter(GAMEMODE_LOAD);
  EXPECT_EQ(menu.GetFirstRow(), 2);  // past the end of the two files left: empty rows
  EXPECT_TRUE(menu.DeleteButtons().empty());
  EXPECT_TRUE(menu.CanPageUp());
  ToTop(menu);
  EXPECT_EQ(menu.Rows()[0]->GetName(), "gameb0");
}

TEST_F(MenuTest, AClickedRowLoadsItsGameAndEntersIt) {
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
  SIM_Finances::Instance().SetCash(4321.0f);
  ASSERT_TRUE(SIM_SaveGame::Save("mine"));
  PlayDays(3);
  SIM_Finances::Instance().SetCash(1.0f);

  GUI_MenuLoad& menu = GUI_MenuLoad::Instance();
  Enter(GAMEMODE_LOAD);
  ASSERT_EQ(menu.Rows()[0]->GetName(), "mine");
  Click(menu.Rows()[0], menu);
  EXPECT_EQ(SIM_Finances::Instance().GetCash(), 4321.0f);
  EXPECT_TRUE(CurrentDate().Equals(3, 3, 2006));
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  EXPECT_TRUE(Game::Instance().IsInGame());
}

TEST_F(MenuTest, ABadSaveKeepsThePlayerInTheLoadMenuWithTheGameIntact) {
  ASSERT_TRUE(SIM_SaveGame::Save("broken"));
  const fs::path file = saves.Path() / "broken.xml";
  const std::string text = testsupport::ReadFile(file);
  testsupport::WriteFile(file, text.substr(0, text.size() / 2));
  SIM_Finances::Instance().SetCash(77.0f);

  GUI_MenuLoad& menu = GUI_MenuLoad::Instance();
  Enter(GAMEMODE_LOAD);
  // The box speaks of the game the player was in only when there is one.
  const auto told = [](const char* key) {
    const std::string box = std::string("ShowErrorBox ") + Translate("LOADGAME_TITLE") + "|" +
                            Translate(key) + "\n" + SIM_LoadGame::LastError();
    return std::count(TracedCalls().begin(), TracedCalls().end(), box) == 1;
  };
  ClearTracedCalls();
  Click(menu.Rows()[0], menu);
  EXPECT_TRUE(told("LOADGAME_FAILED_NO_GAME"));
  Game::Instance().SetInGame(true);
  Click(menu.Rows()[0], menu);
  EXPECT_TRUE(told("LOADGAME_FAILED"));
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &menu);
  EXPECT_EQ(SIM_Finances::Instance().GetCash(), 77.0f);
  EXPECT_FALSE(SIM_LoadGame::LastError().empty());
  // An empty row does nothing.
  Click(menu.Rows()[5], menu);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &menu);
}

TEST_F(MenuTest, TheDeleteIconRemovesItsFileAndTheListIsRebuilt) {
  WriteSaves(3);
  GUI_MenuLoad& menu = GUI_MenuLoad::Instance();
  Enter(GAMEMODE_LOAD);
  ASSERT_EQ(menu.DeleteButtons().size(), 3u);
  Click(menu.DeleteButtons()[1], menu);  // the clicked button is rebuilt away after the click
  EXPECT_FALSE(fs::exists(saves.Path() / "gamea1.xml"));
  EXPECT_TRUE(fs::exists(saves.Path() / "gamea0.xml"));
  ASSERT_EQ(menu.DeleteButtons().size(), 2u);
  EXPECT_EQ(menu.Rows()[1]->GetName(), "gamea2");
  EXPECT_EQ(menu.Rows()[2]->GetName(), "");
  Click(menu.GetMainMenuButton(), menu);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
}

// ---- Online page ----

TEST_F(MenuTest, TheOnlinePageShowsItsTitleOverAnEmptyPanelAndLeadsBackToTheMainMenu) {
  GUI_MenuInternet& menu = GUI_MenuInternet::Instance();
  Enter(GAMEMODE_INTERNET);
  GUI_Services::SetRecording(true);
  menu.Update();
  menu.Draw();
  bool title = false, heading = false;
  for (const auto& item : GUI_Services::RecordedTexts()) {
    title |= item.text == Translate("INTERNET_TITLE");
    heading |= item.text == Translate("INTERNET_MOD") || item.text == Translate("INTERNET_AUTHOR");
  }
  EXPECT_TRUE(title);
  EXPECT_FALSE(heading);  // nothing is fetched before the player asks
  EXPECT_TRUE(menu.Strips().empty());
  Key(kEscape);  // as the full page will, it ignores keys: its button is the way back
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &menu);
  const GUI_Rect& r = menu.GetMainMenuButton()->GetRect();
  EXPECT_EQ(r.right, 1024 - 20);
  EXPECT_EQ(r.bottom, 768 - 40);
  Click(menu.GetMainMenuButton(), menu);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
}

TEST(SaveSlotNameTest, ShortTextsShowNothingRatherThanUnderflow) {
  EXPECT_EQ(SaveSlotShownName("game.xml"), "game");
  EXPECT_EQ(SaveSlotShownName(".xml"), "");
  EXPECT_EQ(SaveSlotShownName("ab"), "");
}

// ---- Options menu ----

TEST_F(MenuTest, TheOptionsMenuShowsAndSetsTheOptionsAndSavesThemOnLeaving) {
  SIM_PlayerOptions& options = SIM_PlayerOptions::Instance();
  GUI_MenuOptions& menu = GUI_MenuOptions::Instance();
  for (float d : {0.0f, 0.5f, 1.0f}) {
    options.SetConfig(SIM_PlayerOptions::kDifficulty, d);
    Enter(GAMEMODE_OPTIONS);
    EXPECT_EQ(menu.GetCheck(GUI_MenuOptions::kEasy)->IsChecked(), d == 0.0f);
    EXPECT_EQ(menu.GetCheck(GUI_MenuOptions::kNormal)->IsChecked(), d == 0.5f);
    EXPECT_EQ(menu.GetCheck(GUI_MenuOptions::kHard)->IsChecked(), d == 1.0f);
  }
  options.SetConfig(SIM_PlayerOptions::kDifficulty, 0.3f);  // neither end: normal
  Enter(GAMEMODE_OPTIONS);
  EXPECT_TRUE(menu.GetCheck(GUI_MenuOptions::kNormal)->IsChecked());

  // Clicks on the boxes.
  auto clickBox = [&menu](GUI_CheckButton* check) {
    const GUI_Rect& r = check->GetRect();
    ClickAt(static_cast<float>(r.left + 13), static_cast<float>(r.top + 13), menu);
  };
  clickBox(menu.GetCheck(GUI_MenuOptions::kEasy));
  EXPECT_EQ(options.GetConfig(SIM_PlayerOptions::kDifficulty), 0.0f);
  EXPECT_TRUE(menu.GetCheck(GUI_MenuOptions::kEasy)->IsChecked());
  EXPECT_FALSE(menu.GetCheck(GUI_MenuOptions::kNormal)->IsChecked());
  const bool autosave = options.GetToggle(SIM_PlayerOptions::kEnableAutosave);
  clickBox(menu.GetCheck(GUI_MenuOptions::kAutosave));
  EXPECT_EQ(options.GetToggle(SIM_PlayerOptions::kEnableAutosave), !autosave);
  const bool sameSex = options.GetToggle(SIM_PlayerOptions::kEnableSameSex);
  clickBox(menu.GetCheck(GUI_MenuOptions::kSameSex));
  EXPECT_EQ(options.GetToggle(SIM_PlayerOptions::kEnableSameSex), !sameSex);
  const bool music = options.GetToggle(SIM_PlayerOptions::kEnableMusic);
  clickBox(menu.GetCheck(GUI_MenuOptions::kMusic));
  EXPECT_EQ(options.GetToggle(SIM_PlayerOptions::kEnableMusic), !music);
  clickBox(menu.GetCheck(GUI_MenuOptions::kMusic));
  EXPECT_EQ(options.GetToggle(SIM_PlayerOptions::kEnableMusic), music);
  // The slider edits the option in place.
  EXPECT_EQ(menu.GetSlider(GUI_MenuOptions::kSnowfall)->GetValuePointer(),
            options.ConfigPointer(SIM_PlayerOptions::kSnowfall));

  // Return with no game running goes to the main menu, and the options are written.
  const fs::path file = dir.Path() / SIM_PlayerOptions::kFileName;
  fs::remove(file);
  Key(kReturn);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
  ASSERT_TRUE(fs::exists(file));

  // Read back: what the menu set is what the file holds.
  const bool autosaveSet = options.GetToggle(SIM_PlayerOptions::kEnableAutosave);
  options.SetToggle(SIM_PlayerOptions::kEnableAutosave, !autosaveSet);
  options.SetConfig(SIM_PlayerOptions::kDifficulty, 1.0f);
  options.Load();
  EXPECT_EQ(options.GetToggle(SIM_PlayerOptions::kEnableAutosave), autosaveSet);
  EXPECT_EQ(options.GetConfig(SIM_PlayerOptions::kDifficulty), 0.0f);

  // With a game running, Return goes back to it; Escape always to the main menu.
  Game::Instance().SetInGame(true);
  Enter(GAMEMODE_OPTIONS);
  Key(kReturn);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  Enter(GAMEMODE_OPTIONS);
  Key(kEscape);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
}

}  // namespace

namespace {

// The three menus drawn on the offscreen renderer: titles, rows, the typed name and the caret.
using MenuDrawTest = guitest::GuiTest;

TEST_F(MenuDrawTest, TheMenusDrawTheirRowsTitlesAndName) {
  testsupport::TempDir saves;
  testsupport::WriteFile(saves.Path() / "first.xml", "x");
  testsupport::WriteFile(saves.Path() / "Second.XML", "x");
  testsupport::WriteFile(saves.Path() / ".third.xml", "x");
  SIM_SaveGame::SetFolder(saves.Str());

  GUI_MenuLoad& load = GUI_MenuLoad::Instance();
  load.OnEnter();
  ASSERT_EQ(load.Files().size(), 3u);  // any case, dot-files included
  load.Draw();
  EXPECT_TRUE(Queued(".third"));
  EXPECT_TRUE(Queued("first"));
  EXPECT_TRUE(Queued("Second"));
  EXPECT_TRUE(Queued(Translate("LOADGAME_TITLE")));
  // Only the two named rows have delete icons; the up arrow is off on the first page.
  EXPECT_EQ(load.DeleteButtons().size(), 3u);
  EXPECT_FALSE(load.GetUpButton()->IsEnabled());
  EXPECT_FALSE(load.GetDownButton()->IsEnabled());
  // A row outline is drawn where the first row lies.
  const GUI_Rect& row = load.Rows()[0]->GetRect();
  EXPECT_NE(Pixel(row.left, row.top + 5) & 0x00FFFFFF, 0u);

  GUI_Services::SetRecording(true);
  GUI_MenuSave& save = GUI_MenuSave::Instance();
  save.OnEnter();
  save.SetName("abc");
  save.Draw();
  EXPECT_TRUE(Queued("abc"));
  EXPECT_TRUE(Queued(Translate("SAVEGAME_TITLE")));
  EXPECT_TRUE(Queued(Translate("SAVEGAME_EMPTY")));

  // The options: check labels drawn at once beside their boxes, slider labels under their
  // bars, the track and the knob at the option's value, and the way back.
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kSnowfall, 0.5f);
  GUI_Services::SetRecording(true);
  GUI_MenuOptions& options = GUI_MenuOptions::Instance();
  options.OnEnter();
  options.Update();
  engine.BeginRender();
  options.Draw();
  engine.EndScene();
  // The labels are the menu's own, translated once when the menu was made (perhaps by an
  // earlier test in another folder).
  const GUI_Services::TextItem* mail =
      FindText(options.GetCheck(GUI_MenuOptions::kNewMail)->GetLabel());
  ASSERT_NE(mail, nullptr);
  EXPECT_TRUE(mail->immediate);
  const GUI_Rect& box = options.GetCheck(GUI_MenuOptions::kNewMail)->GetRect();
  EXPECT_EQ(mail->x, static_cast<float>(box.left + 39));
  const GUI_Services::TextItem* snow =
      FindText(options.GetSlider(GUI_MenuOptions::kSnowfall)->GetLabel());
  ASSERT_NE(snow, nullptr);
  const GUI_Rect& bar = options.GetSlider(GUI_MenuOptions::kSnowfall)->GetRect();
  EXPECT_EQ(snow->y, static_cast<float>(bar.top + 20));
  const int mid = (bar.top + bar.bottom) / 2;
  EXPECT_EQ(Pixel((bar.left + bar.right) / 2, mid) & 0xFFFFFF, 0xC0C0C0u);  // the knob at 0.5
  EXPECT_EQ(Pixel(bar.left + 20, mid) & 0xFFFFFF, 0x808080u);               // the track
  EXPECT_TRUE(Queued(static_cast<GUI_ButtonText*>(options.GetMainMenuButton())->GetText()));
  SIM_SaveGame::SetFolder("");
}

// Every front-end screen draws the game's own pointer: the system's is hidden for the run.
TEST_F(MenuDrawTest, EveryFrontEndScreenDrawsThePointer) {
  testsupport::TempDir saves;
  testsupport::WriteFile(saves.Path() / "first.xml", "x");
  SIM_SaveGame::SetFolder(saves.Str());
  GUI_MenuOptions::Instance().OnEnter();
  GUI_MenuSave::Instance().OnEnter();
  GUI_MenuLoad::Instance().OnEnter();
  GUI_MenuInternet::Instance().OnEnter();
  const std::pair<const char*, GUI_GameModeBase*> screens[] = {
      {"main", &GUI_MenuMain::Instance()},    {"options", &GUI_MenuOptions::Instance()},
      {"save", &GUI_MenuSave::Instance()},    {"load", &GUI_MenuLoad::Instance()},
      {"online", &GUI_MenuInternet::Instance()}};
  for (const auto& [name, screen] : screens)
    EXPECT_TRUE(FrameShowsCursor([screen = screen] { screen->Draw(); }, 40, 300)) << name;
  SIM_SaveGame::SetFolder("");
}

// The text queued at a given height, or null.
const GUI_Services::TextItem* TextAt(float y) {
  for (const auto& item : GUI_Services::RecordedTexts())
    if (item.y == y) return &item;
  return nullptr;
}

int Width(const std::string& text, int size) {
  return GUI_Services::MeasureWidth("tahoma bold", size, text);
}

// Names longer than their boxes, measured in the real font: a row shows the beginning of its
// name and "...", the typed name "..." and its end, centred, with the caret right after it.
TEST_F(MenuDrawTest, LongNamesAreCutToTheirBoxesAndTheCaretFollowsTheShownEnd) {
  GUI_Services::SetMeasurer(nullptr, nullptr);
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  ManualTimerClock clock;  // the caret shows from the menu's entry until the clock moves
  std::string name;
  while (name.size() < 63) name += "Weekend-at-Bea's ";
  name.resize(63);
  testsupport::TempDir saves;
  testsupport::WriteFile(saves.Path() / (name + ".xml"), "x");
  SIM_SaveGame::SetFolder(saves.Str());
  const float w = static_cast<float>(engine.GetWidth()), h = static_cast<float>(engine.GetHeight());

  GUI_MenuLoad& load = GUI_MenuLoad::Instance();
  load.OnEnter();
  load.Draw();
  const GUI_Rect& row = load.Rows()[0]->GetRect();
  const int rowWidth = row.right - row.left;
  const GUI_Services::TextItem* inRow = TextAt(static_cast<float>(row.top + 3));
  ASSERT_NE(inRow, nullptr);
  const std::string cut = inRow->text;
  ASSERT_GT(cut.size(), 3u);
  EXPECT_EQ(cut, name.substr(0, cut.size() - 3) + "...");
  EXPECT_LE(Width(cut, 20), rowWidth);
  // Cut no shorter than it must be: a character more would leave no room at the edges.
  EXPECT_GT(Width(name.substr(0, cut.size() - 2) + "...", 20), rowWidth - 10);
  EXPECT_EQ(inRow->wrapWidth, rowWidth);  // centred in the row as before
  EXPECT_EQ(inRow->align, 1);

  GUI_Services::SetRecording(true);
  GUI_MenuSave& save = GUI_MenuSave::Instance();
  save.OnEnter();
  save.SetName(name);
  save.Draw();
  EXPECT_TRUE(Queued(cut));  // the save list cuts its rows the same way
  const GUI_Services::TextItem* typed = TextAt(h / 2 + 170);
  ASSERT_NE(typed, nullptr);
  const std::string end = typed->text;
  ASSERT_GT(end.size(), 3u);
  EXPECT_EQ(end, "..." + name.substr(name.size() - (end.size() - 3)));
  EXPECT_LE(Width(end, 24), kSaveNameShownWidth);
  EXPECT_EQ(typed->align, 1);
  EXPECT_EQ(typed->wrapWidth, static_cast<int>(w));
  // The caret blinks just right of the shown text's end: 200 ms later only it has changed.
  const int caretX = static_cast<int>(w / 2) + Width(end, 24) / 2 + 3;
  const int caretY = static_cast<int>(h / 2 + 182);
  const uint32_t shown = Pixel(caretX, caretY);
  clock.Advance(200);
  save.Draw();
  EXPECT_NE(Pixel(caretX, caretY), shown);
  SIM_SaveGame::SetFolder("");
}

}  // namespace

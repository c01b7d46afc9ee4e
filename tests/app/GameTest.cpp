// The application shell: display settings, user folders, modes, the frame, focus and the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

#include "app/CInput.h"
#include "gui/GUI_GameModeBase.h"
#include "app/GUI_Sounds.h"
#include "app/Game.h"
#include "app/MainWindow.h"
#include "engine/CBaseInputManager.h"
#include "engine/CallTrace.h"
#include "engine/ConfigFile.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/DisplaySettings.h"
#include "engine/GdiText.h"
#include "engine/InternetRequest.h"
#include "engine/Utilities.h"
#include "gui/GUI_Assets.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_LoadScreen.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_MenuInternet.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuOptions.h"
#include "gui/GUI_Postit.h"
#include "gui/GUI_Rain.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_Message.h"
#include "platform/MessageBox.h"
#include "platform/Audio.h"
#include "platform/Profile.h"
#include "platform/Http.h"
#include "platform/Window.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Weather.h"
#include "support/HttpTestServer.h"
#include "support/RecordingSounds.h"
#include "support/TestSupport.h"
#include "sim/SIM_Screens.h"
#include "support/RecordingScreens.h"

using testsupport::FatalCatcher;
using testsupport::FatalStop;
using testsupport::ReadFile;
using testsupport::ScopedChdir;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

// A mode that counts its calls; a key press asks the game to quit.
class RecordingMode : public GUI_GameModeBase {
 public:
  int updates = 0, draws = 0, enters = 0, keys = 0;
  void Update() override { ++updates; }
  void Draw() override { ++draws; }
  void OnEnter() override { ++enters; }
  void OnKeyDown(int) override {
    ++keys;
    Game::Instance().Quit();
  }
};

// Whether the renderer holds a texture of that name, read from its file.
bool HasTexture(const std::string& name) {
  for (const auto& record : D3DEngine::Instance().GetTextureRecords())
    if (record->fileName == name && record->texture) return true;
  return false;
}

// The game has shut down: screen resources, simulation and renderer are all gone, the
// screens' notes and the rumours with them.
void ExpectShutDownInOrder() {
  EXPECT_FALSE(GUI_GUI::Instance().AreResourcesLoaded());
  EXPECT_TRUE(GUI_Postit::All().empty());
  EXPECT_FALSE(SIM_SIM::Instance().IsInitialised());
  EXPECT_FALSE(D3DEngine::Instance().IsInitialised());
  EXPECT_TRUE(SIM_Rumour::All().empty());
}

std::string Muf(int w, int h, int windowed = 1) {
  return "[pref]\r\nSCREEN_WIDTH=" + std::to_string(w) + "\r\nSCREEN_HEIGHT=" + std::to_string(h) +
         "\r\nColorDepth=16\r\n\r\n[config]\r\nIsWindowed=" + std::to_string(windowed) +
         "\r\nUseRGB=1\r\n";  // the headless video driver has only the software renderer
}

// A game folder with data/ and debugdata/, a HOME without Documents, and an injected desktop.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir.Path() / "data/config.muf", Muf(1024, 768));
    WriteFile(dir.Path() / "data/config.txt",
              "[config]\nSLEEP_DURATION=0\nGV_STARTINGCASH=1500\nGV_MAXDIRTSPRITES=12\n");
    // The simulation's start-up reads the shipped tables.
    std::filesystem::copy(std::filesystem::path(TOVEL_SOURCE_DIR) / "data/simulation",
                          dir.Path() / "data/simulation", std::filesystem::copy_options::recursive);
    // The texts too, and the pictures this folder lacks are not said in boxes over the menus.
    std::filesystem::copy_file(std::filesystem::path(TOVEL_SOURCE_DIR) / "data/strings.ini",
                               dir.Path() / "data/strings.ini");
    D3DEngine::Instance().SetErrorBoxHandler([](const std::string&, const std::string&) {});
    std::filesystem::create_directory(dir.Path() / "debugdata");
    // One of the shared GUI textures, to see the surfaces rebuilt.
    std::filesystem::create_directories(dir.Path() / "data/bitmaps");
    std::filesystem::copy_file(std::filesystem::path(TOVEL_SOURCE_DIR) / "data/bitmaps/gui/window_shadow.dds",
                               dir.Path() / "data/bitmaps/window_shadow.dds");
    std::filesystem::create_directory(dir.Path() / "home");
    // The player's own display settings, where start-up keeps them.
    std::filesystem::create_directories(UserFolder());
    DisplaySettings::SetUserFolder(UserFolder().string());
    plat::OverrideDesktopSize(1280, 1024);
    OverrideDocumentsFolderSupport(-1);
    ResetAppFlags();
    ClearTracedCalls();
    // The renderer opens its device on the main window (SDL's software renderer, headless).
    std::string error;
    ASSERT_TRUE(plat::InitVideo(error)) << error;
    g_mainWindow = plat::CreatePlatformWindow("Tovel", 640, 480, "", error);
    ASSERT_NE(g_mainWindow, nullptr) << error;
  }
  void TearDown() override {
    Game::Instance().Shutdown();
    plat::SetHttpCancelCheck(nullptr);  // start-up installed the game's
    // What start-up and a new game left behind goes too, so later tests find the process as
    // it started: the simulation records its sounds again, no player's attributes can be
    // found, no mode (perhaps one on this test's stack) is current, no folder of this test's
    // temporary tree is remembered, and the sound manager and queued texts are gone.
    SIM_Sounds::SetBackend(testsupport::RecordingSounds());
    InstallScreens(&testsupport::RecordingScreens::Instance());  // start-up installed the real ones
    SIM_PlayerOptions::Instance().SetMouseSpeedSink(nullptr);
    CInput::Instance().sensitivity = savedSensitivity;
    SIM_Attribute::ClearRegistry();
    Game::Instance().SetCurrentMode(nullptr);
    Game::Instance().SetInGame(false);
    SIM_PlayerOptions::Instance().SetFolder("");
    SIM_PortraitDatabase::SetUserFolder("");
    DisplaySettings::SetUserFolder("");
    GUI_Sounds::DestroyInstanceForTesting();
    ResetGdiTextState();
    D3DEngine::Instance().Release();
    D3DEngine::Instance().SetErrorBoxHandler(nullptr);
    CInput::Instance().Init(nullptr);  // the window it reads goes next
    plat::DestroyPlatformWindow(g_mainWindow);
    g_mainWindow = nullptr;
    DebugLog::Instance().Close();
    plat::OverrideDesktopSize(0, 0);
    OverrideDocumentsFolderSupport(-1);
    ResetAppFlags();
  }

  std::filesystem::path UserFolder() const { return dir.Path() / "home/Documents/tovel"; }
  // The full-screen setting as the player's own copy holds it; -1 when it holds none.
  int UserWindowedSetting() const {
    const std::string value =
        plat::ReadProfileString("config", "IsWindowed", "", (UserFolder() / "config.muf").string());
    return value.empty() ? -1 : ParseIntPrefix(value.c_str());
  }

  void StartGame() {
    ASSERT_TRUE(Game::Instance().Init());
    g_appActive = true;
    g_appInitialised = true;
  }

  float savedSensitivity = CInput::Instance().sensitivity;
  TempDir dir;
  ScopedChdir cd{dir.Path()};
  ScopedEnv home{"HOME", (dir.Path() / "home").c_str()};
  ScopedEnv docs{"XDG_DOCUMENTS_DIR", nullptr};
  ScopedEnv config{"XDG_CONFIG_HOME", nullptr};
};

TEST_F(GameTest, DisplayUsesTheConfiguredSizeAndLeavesTheFileAlone) {
  const std::string before = ReadFile("data/config.muf");
  Game::Instance().InitDisplay();
  EXPECT_EQ(D3DEngine::Instance().GetWidth(), 1024);
  EXPECT_EQ(D3DEngine::Instance().GetHeight(), 768);
  EXPECT_EQ(D3DEngine::Instance().GetDepth(), 16);
  EXPECT_FLOAT_EQ(Game::Instance().GetUIScale(), 1.0f);
  EXPECT_EQ(ReadFile("data/config.muf"), before);
}

TEST_F(GameTest, DisplayZeroWidthTakesTheDesktopAndGoesFullScreen) {
  WriteFile("data/config.muf", Muf(0, 768));
  Game::Instance().InitDisplay();
  EXPECT_EQ(D3DEngine::Instance().GetWidth(), 1280);
  EXPECT_EQ(D3DEngine::Instance().GetHeight(), 1024);
  EXPECT_EQ(UserWindowedSetting(), 0);
  EXPECT_EQ(ReadFile("data/config.muf"), Muf(0, 768));  // the shipped defaults stay as shipped
}

TEST_F(GameTest, DisplayIsClampedToTheDesktop) {
  WriteFile("data/config.muf", Muf(3000, 700));
  Game::Instance().InitDisplay();
  EXPECT_EQ(D3DEngine::Instance().GetWidth(), 1280);
  EXPECT_EQ(D3DEngine::Instance().GetHeight(), 700);
  EXPECT_EQ(UserWindowedSetting(), -1);
}

TEST_F(GameTest, DisplayHeightOfTheDesktopForcesFullScreen) {
  WriteFile("data/config.muf", Muf(800, 1024));
  Game::Instance().InitDisplay();
  EXPECT_EQ(D3DEngine::Instance().GetWidth(), 800);
  EXPECT_EQ(UserWindowedSetting(), 0);
  EXPECT_EQ(ReadFile("data/config.muf"), Muf(800, 1024));
  EXPECT_FLOAT_EQ(Game::Instance().GetUIScale(), 0.78125f);
}

TEST_F(GameTest, DisplayNegativeSizesFallBackTo800x600x32) {
  DebugLog::Instance().Open();
  for (const auto& [w, h] : {std::pair{-5, 600}, std::pair{1024, -3}}) {
    WriteFile("data/config.muf", Muf(w, h));
    Game::Instance().InitDisplay();
    EXPECT_EQ(D3DEngine::Instance().GetWidth(), 800);
    EXPECT_EQ(D3DEngine::Instance().GetHeight(), 600);
    EXPECT_EQ(D3DEngine::Instance().GetDepth(), 32);
  }
  DebugLog::Instance().Close();
  const std::string log = ReadFile("debugdata/debug.txt");
  EXPECT_NE(log.find("invalid screen res config\ninvalid screen res config\n"), std::string::npos);
}

// The setting goes into the player's own copy, which the next start reads over the shipped
// defaults; the game folder is never written.
TEST_F(GameTest, TogglingWindowedFlipsThePlayersSettingAndTheNextStartKeepsIt) {
  const std::string shipped = ReadFile("data/config.muf");
  StartGame();
  Game::Instance().ToggleWindowed();
  EXPECT_EQ(UserWindowedSetting(), 0);
  // The display is started again with the new setting and every surface rebuilt.
  EXPECT_FALSE(D3DEngine::Instance().IsWindowed());
  EXPECT_TRUE(HasTexture("window_shadow.dds"));
  Game::Instance().ToggleWindowed();
  EXPECT_EQ(UserWindowedSetting(), 1);
  EXPECT_TRUE(D3DEngine::Instance().IsWindowed());
  WriteFile(UserFolder() / "config.muf", "[config]\r\nIsWindowed=5\r\n");
  Game::Instance().ToggleWindowed();
  EXPECT_EQ(UserWindowedSetting(), 1);
  EXPECT_TRUE(D3DEngine::Instance().IsInitialised());
  EXPECT_TRUE(HasTexture("window_shadow.dds"));
  Game::Instance().ToggleWindowed();
  EXPECT_EQ(ReadFile("data/config.muf"), shipped);

  // The next start comes up in full screen.
  Game::Instance().Shutdown();
  SIM_Attribute::ClearRegistry();
  DisplaySettings::SetUserFolder("");
  ResetAppFlags();
  StartGame();
  EXPECT_FALSE(D3DEngine::Instance().IsWindowed());
  EXPECT_EQ(ReadFile("data/config.muf"), shipped);
}

// Where the player's copy cannot be written, Alt+Return on the options screen still switches
// the display, the full-screen box follows it both ways, and the log says the setting was not
// kept.
TEST_F(GameTest, AltReturnSwitchesTheDisplayWhereTheSettingCannotBeWritten) {
  const std::string shipped = ReadFile("data/config.muf");
  std::filesystem::create_directories(UserFolder() / "config.muf");  // in the way of the file
  StartGame();
  Game::Instance().SetMode(GAMEMODE_OPTIONS);
  const GUI_CheckButton* box = GUI_MenuOptions::Instance().GetCheck(GUI_MenuOptions::kFullScreen);
  ASSERT_FALSE(box->IsChecked());
  CInput::Instance().keys[56] = 0x80;  // Alt held
  Game::Instance().OnKeyDown(28);
  EXPECT_FALSE(D3DEngine::Instance().IsWindowed());
  EXPECT_TRUE(box->IsChecked());
  CInput::Instance().keys[56] = 0x80;  // the input started again with the display
  Game::Instance().OnKeyDown(28);
  EXPECT_TRUE(D3DEngine::Instance().IsWindowed());
  EXPECT_FALSE(box->IsChecked());
  CInput::Instance().keys[56] = 0;
  EXPECT_EQ(ReadFile("data/config.muf"), shipped);
  Game::Instance().Shutdown();
  const std::string log = ReadFile("debugdata/debug.txt");
  EXPECT_NE(log.find("Failed to write IsWindowed=0 to " + (UserFolder() / "config.muf").string()),
            std::string::npos)
      << log;
}

// A box over a menu takes a bare Return as its answer, but Alt+Return still switches the display.
TEST_F(GameTest, AltReturnOverABoxOnAMenuSwitchesTheDisplayAndLeavesTheBox) {
  StartGame();
  Game::Instance().ShowBox("Save game", "The autosave failed.");
  ASSERT_EQ(Game::Instance().OpenBoxes().size(), 1u);
  const bool windowed = D3DEngine::Instance().IsWindowed();
  CInput::Instance().keys[56] = 0x80;  // Alt held
  Game::Instance().OnKeyDown(28);
  EXPECT_NE(D3DEngine::Instance().IsWindowed(), windowed);
  EXPECT_EQ(Game::Instance().OpenBoxes().size(), 1u);
  CInput::Instance().keys[56] = 0;
  Game::Instance().OnKeyDown(28);
  EXPECT_TRUE(Game::Instance().OpenBoxes().empty());
}

TEST_F(GameTest, UserFoldersAreMadeUnderTheDocumentsFolder) {
  Game::Instance().InitUserFolders();
  const auto base = dir.Path() / "home/Documents/tovel";
  EXPECT_EQ(Game::Instance().GetUserFolder(), base.string());
  EXPECT_EQ(Game::Instance().GetSaveFolder(), (base / "savegames").string());
  for (const char* sub : {"savegames", "mods", "mods/avatars", "mods/jobs", "mods/portraits_m",
                          "mods/portraits_f"})
    EXPECT_TRUE(std::filesystem::is_directory(base / sub)) << sub;
}

TEST_F(GameTest, StartUpRemovesDownloadsThatNeverFinished) {
  const auto base = dir.Path() / "home/Documents/tovel";
  for (const char* part : {"files.txt.part", "motd.txt.part", "mods/avatars/m_x.dds.part"})
    WriteFile(base / part, "half a file");
  WriteFile(base / "mods/avatars/m_x.dds", "whole");
  Game::Instance().InitUserFolders();
  for (const char* part : {"files.txt.part", "motd.txt.part", "mods/avatars/m_x.dds.part"})
    EXPECT_FALSE(std::filesystem::exists(base / part)) << part;
  EXPECT_EQ(ReadFile(base / "mods/avatars/m_x.dds"), "whole");
}

TEST_F(GameTest, UserFoldersFallBackToUserdir) {
  OverrideDocumentsFolderSupport(0);
  Game::Instance().InitUserFolders();
  EXPECT_EQ(Game::Instance().GetUserFolder(), "userdir/tovel");
  EXPECT_TRUE(std::filesystem::is_directory("userdir/tovel/mods/portraits_f"));
}

TEST_F(GameTest, NoHomeIsFatal) {
  ScopedEnv noHome("HOME", nullptr);
  FatalCatcher catcher;
  try {
    Game::Instance().InitUserFolders();
    FAIL() << "no fatal stop";
  } catch (const FatalStop& stop) {
    EXPECT_EQ(stop.text, "Failed to get mydocuments:Game 275");
  }
}

TEST_F(GameTest, InitLeavesTheMainMenuCurrentButNotEntered) {
  const long presented = D3DEngine::Instance().GetFramesPresented();
  StartGame();
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
  EXPECT_FALSE(Game::Instance().IsInGame());
  const auto& calls = TracedCalls();
  EXPECT_EQ(std::find(calls.begin(), calls.end(), "GUI_MenuMain::OnEnter"), calls.end());
  // The loading screen shows (at least) its four steps, ending full; the simulation starts
  // before the screens' resources load.
  EXPECT_GE(D3DEngine::Instance().GetFramesPresented(), presented + 4);
  EXPECT_FLOAT_EQ(GUI_LoadScreen::Instance().GetLastProgress(), 1.0f);
  EXPECT_TRUE(SIM_SIM::Instance().IsInitialised());
  EXPECT_TRUE(GUI_GUI::Instance().AreResourcesLoaded());
  for (int species = 0; species < kPetSpeciesCount; ++species) EXPECT_NE(Pets[species], nullptr);
  EXPECT_EQ(ReadFile("debugdata/debug.txt").rfind("----DEBUG FILE----\n", 0), 0u);
}

TEST_F(GameTest, StartUpSetsTheMouseSpeedFromThePlayerOptions) {
  Game::Instance().InitUserFolders();
  WriteFile(std::filesystem::path(Game::Instance().GetUserFolder()) / "player_options.txt",
            "[config]\nMOUSESPEED = 0.20\n\n[toggles]\n\n[ID]\nid = 123456789\n");
  StartGame();
  EXPECT_FLOAT_EQ(CInput::Instance().sensitivity, 0.2f * 2.5f + 0.6f);

  // Loading the options again tells the input again.
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kMouseSpeed, 1.0f);
  ASSERT_TRUE(SIM_PlayerOptions::Instance().Save());
  SIM_PlayerOptions::Instance().Load();
  EXPECT_FLOAT_EQ(CInput::Instance().sensitivity, 3.1f);
}

TEST_F(GameTest, SleepComesFromTheGameVariablesAndIsNeverNegative) {
  WriteFile("data/config.txt", "[config]\nSLEEP_DURATION=-20\n");
  StartGame();
  EXPECT_EQ(Game::Instance().GetSleepMs(), 0);
  Game::Instance().Shutdown();  // the simulation initialises once per run
  WriteFile("data/config.txt", "[config]\nSLEEP_DURATION=7.9\n");
  StartGame();
  EXPECT_EQ(Game::Instance().GetSleepMs(), 7);
}

TEST_F(GameTest, MissingSleepVariableIsFatal) {
  WriteFile("data/config.txt", "[config]\nOTHER=1\n");
  FatalCatcher catcher;
  EXPECT_THROW(Game::Instance().Init(), FatalStop);
}

TEST_F(GameTest, UnusedAndUnknownModesReEnterTheCurrentMode) {
  StartGame();
  Game::Instance().SetMode(GAMEMODE_OPTIONS);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuOptions::Instance());
  RecordingMode mode;
  Game::Instance().SetCurrentMode(&mode);
  Game::Instance().SetMode(7);
  Game::Instance().SetMode(42);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &mode);
  EXPECT_EQ(mode.enters, 2);
}

TEST_F(GameTest, NewGameEntersTheInGameScreen) {
  // A new game makes the starting friends, which needs the shipped tuning values.
  std::string config = ReadFile(std::filesystem::path(TOVEL_SOURCE_DIR) / "data/config.txt");
  ReplaceSubstring(config, "SLEEP_DURATION=10", "SLEEP_DURATION=0");
  WriteFile("data/config.txt", config);
  StartGame();
  ClearTracedCalls();
  Game::Instance().StartNewGame();
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  EXPECT_TRUE(Game::Instance().IsInGame());
  // The simulation's new game, then the screen's start, then the play timer.
  EXPECT_TRUE(GUI_WindowManager::Instance().Contains(GUI_Assets::Instance()));
  EXPECT_EQ(GUI_GUI::Instance().GetMode(), GUI_GUI::kMainScreen);
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_ACTIVITIES);
  EXPECT_TRUE(SIM_Statistics::Instance().IsPlayTimerRunning());
}

TEST_F(GameTest, TheRainLoopStopsOutsideTheInGameScreenAndComesBackWithIt) {
  std::filesystem::create_directories(dir.Path() / "data/sounds");
  std::filesystem::copy_file(std::filesystem::path(TOVEL_SOURCE_DIR) / "data/sounds/rain_loop.ogg",
                             dir.Path() / "data/sounds/rain_loop.ogg");
  StartGame();
  SIM_PlayerOptions& options = SIM_PlayerOptions::Instance();
  const bool effects = options.GetToggle(SIM_PlayerOptions::kEnableWeatherEffects);
  options.SetToggle(SIM_PlayerOptions::kEnableWeatherEffects, true);
  SIM_Weather::Instance().SetWeather(WEATHER_RAIN, 0.5f);
  GUI_Rain::Instance().ResetForTesting();
  // The room (and its rain) is drawn while the day's activities are open, whatever day an
  // earlier test left the simulation on.
  const int phase = SIM_SIM::Instance().GetPhase();
  SIM_SIM::Instance().RestorePhase(PHASE_ACTIVITIES);
  Game::Instance().SetCurrentMode(&GUI_GUI::Instance());
  Game::Instance().Frame();
  EXPECT_TRUE(plat::IsChannelPlaying(plat::kRainChannel));
  // To the main menu: silent from its first frame.
  Game::Instance().SetMode(GAMEMODE_MAINMENU);
  Game::Instance().Frame();
  EXPECT_FALSE(plat::IsChannelPlaying(plat::kRainChannel));
  EXPECT_FALSE(GUI_Rain::Instance().IsPlaying());
  // And back: the rain's own rule starts the loop again.
  Game::Instance().SetMode(GAMEMODE_INGAME);
  Game::Instance().Frame();
  EXPECT_TRUE(plat::IsChannelPlaying(plat::kRainChannel));
  GUI_Rain::Instance().ResetForTesting();
  SIM_Weather::Instance().Clear();
  SIM_SIM::Instance().RestorePhase(phase);
  options.SetToggle(SIM_PlayerOptions::kEnableWeatherEffects, effects);
}

// The play list runs for the whole run: at the menus a track that ends gives way to the next.
TEST_F(GameTest, AtTheMenusTheMusicGoesOnToTheNextTrack) {
  std::filesystem::create_directories(dir.Path() / "data/sounds/music");
  for (const char* track : {"track01.ogg", "track02.ogg"})
    std::filesystem::copy_file(std::filesystem::path(TOVEL_SOURCE_DIR) / "data/sounds/music" / track,
                               dir.Path() / "data/sounds/music" / track);
  StartGame();
  Game::Instance().SetMode(GAMEMODE_MAINMENU);
  GUI_Sounds& sounds = GUI_Sounds::Instance();
  ASSERT_TRUE(sounds.IsMusicPlaying());
  ASSERT_EQ(sounds.CurrentTrack(), 0);
  plat::HaltMusic();  // the first track ends
  Game::Instance().Frame();
  EXPECT_EQ(sounds.CurrentTrack(), 1);
  EXPECT_TRUE(sounds.IsMusicPlaying());
}

TEST_F(GameTest, AFrameUpdatesDrawsAndPresents) {
  StartGame();
  RecordingMode mode;
  Game::Instance().SetCurrentMode(&mode);
  const long presented = D3DEngine::Instance().GetFramesPresented();
  Game::Instance().Frame();
  EXPECT_EQ(mode.updates, 1);
  EXPECT_EQ(mode.draws, 1);
  EXPECT_EQ(D3DEngine::Instance().GetFramesPresented(), presented + 1);
  EXPECT_FALSE(g_inScene);
}

TEST_F(GameTest, QuitDuringTheInputStepDrawsAndPresentsNothing) {
  StartGame();
  RecordingMode mode;
  Game::Instance().SetCurrentMode(&mode);
  plat::Event key;
  key.type = plat::EventType::KeyDown;
  key.key = 30;
  MainWndProc(key);
  ClearTracedCalls();
  const long presented = D3DEngine::Instance().GetFramesPresented();
  Game::Instance().Frame();
  EXPECT_EQ(mode.keys, 1);
  EXPECT_EQ(mode.updates, 0);
  EXPECT_EQ(mode.draws, 0);
  EXPECT_EQ(D3DEngine::Instance().GetFramesPresented(), presented);
  EXPECT_TRUE(Game::Instance().IsShutDown());
  EXPECT_TRUE(IsQuitPosted());
  EXPECT_EQ(GetQuitExitCode(), 0);
  EXPECT_FALSE(RunMessageLoopTurn());
  ExpectShutDownInOrder();
  const std::string log = ReadFile("debugdata/debug.txt");
  EXPECT_EQ(log.substr(log.size() - 13), "END DEBUG---\n");
}

TEST_F(GameTest, QuittingWhileARefreshTricklesEndsTheGameAsFromTheMenu) {
  testsupport::HttpTestServer server;
  ASSERT_TRUE(server.Started());
  const InternetServer oldServer = GetInternetServer();
  GetInternetServer() = InternetServer{"127.0.0.1", server.Port()};
  // A list announced at 100,000 bytes that comes a byte every tenth of a second.
  server.AddFile("tovel/autoupdate/files111.txt", std::string(100000, 'x'));
  server.SetPace("tovel/autoupdate/files111.txt", 1);
  StartGame();
  Game::Instance().SetMode(GAMEMODE_INTERNET);
  GUI_MenuInternet& menu = GUI_MenuInternet::Instance();
  const auto& r = menu.GetRefreshButton()->GetRect();
  plat::Event e;
  e.type = plat::EventType::MouseMove;
  e.x = (r.left + r.right) / 2;
  e.y = (r.top + r.bottom) / 2;
  MainWndProc(e);
  Game::Instance().Frame();
  e.type = plat::EventType::MouseButtonDown;
  MainWndProc(e);
  e.type = plat::EventType::MouseButtonUp;
  MainWndProc(e);
  // The window's close (or a termination signal) while the refresh waits on the server.
  std::thread closer([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    plat::PushQuitEvent();
  });
  Game::Instance().Frame();
  closer.join();
  EXPECT_NE(ReadFile("debugdata/debug.txt").find("stopped, the game is closing"), std::string::npos);
  EXPECT_TRUE(menu.Messages().empty());  // no box holds the way out
  for (int turn = 0; turn < 100 && RunMessageLoopTurn(); ++turn) {
  }
  EXPECT_TRUE(IsQuitPosted());
  ExpectShutDownInOrder();
  GetInternetServer() = oldServer;
}

// The element's centre clicked through the message loop's events; the frame after carries the
// click out, with any exchange it starts.
void ClickThroughTheLoop(const GUI_Rect& r) {
  plat::Event e;
  e.type = plat::EventType::MouseMove;
  e.x = (r.left + r.right) / 2;
  e.y = (r.top + r.bottom) / 2;
  MainWndProc(e);
  Game::Instance().Frame();
  e.type = plat::EventType::MouseButtonDown;
  MainWndProc(e);
  e.type = plat::EventType::MouseButtonUp;
  MainWndProc(e);
}

TEST_F(GameTest, EscapeStopsADownloadOrARefreshAndTheActionWithIt) {
  testsupport::HttpTestServer server;
  ASSERT_TRUE(server.Started());
  const InternetServer oldServer = GetInternetServer();
  GetInternetServer() = InternetServer{"127.0.0.1", server.Port()};
  const std::string list = "tovel/autoupdate/files111.txt", motd = "tovel/autoupdate/motd.txt";
  const std::string entries = "files/m_a.dds,mods/avatars/m_a.dds,A,Ann\r\n";
  server.AddFile(list, entries);
  server.AddFile(motd, "News\n");
  // 100,000 bytes at 1,000 a second: a hundred seconds unless stopped.
  server.AddFile("m_a.dds", std::string(100000, 'a'));
  server.SetPace("m_a.dds", 100);
  StartGame();
  Game::Instance().SetMode(GAMEMODE_INTERNET);
  GUI_MenuInternet& menu = GUI_MenuInternet::Instance();
  ClickThroughTheLoop(menu.GetRefreshButton()->GetRect());
  Game::Instance().Frame();
  ASSERT_EQ(menu.PageStrips().size(), 1u);
  const std::filesystem::path avatar = UserFolder() / "mods/avatars/m_a.dds";

  const struct {
    const char* what;
    GUI_Rect button;
  } actions[] = {{"download", menu.PageStrips()[0]->GetButton()->GetRect()},
                 {"refresh", menu.GetRefreshButton()->GetRect()}};
  for (const auto& action : actions) {
    SCOPED_TRACE(action.what);
    if (action.what[0] == 'r') {
      server.AddFile(list, std::string(100000, 'x'));
      server.SetPace(list, 100);
    }
    const std::string asked = server.RequestLog();
    ClickThroughTheLoop(action.button);
    std::chrono::steady_clock::time_point pressed;
    std::thread presser([&pressed] {
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
      pressed = std::chrono::steady_clock::now();
      plat::PushKeyPress(1);
    });
    Game::Instance().Frame();
    const auto stopped = std::chrono::steady_clock::now();
    presser.join();
    RecordProperty(std::string(action.what) + "_stop_ms",
                   static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        stopped - pressed).count()));
    EXPECT_LT(stopped - pressed, std::chrono::seconds(10));  // not the hundred seconds
    // Said in the log only, nothing half-fetched left, the kept list as it was, and the
    // action ends: no refresh after the download, no message after the list.
    EXPECT_NE(ReadFile("debugdata/debug.txt").find("stopped by the player"), std::string::npos);
    EXPECT_TRUE(menu.Messages().empty());
    EXPECT_FALSE(std::filesystem::exists(avatar));
    EXPECT_FALSE(std::filesystem::exists(avatar.string() + ".part"));
    EXPECT_EQ(ReadFile(UserFolder() / "files.txt"), entries);
    EXPECT_FALSE(std::filesystem::exists(UserFolder() / "files.txt.part"));
    const std::string since = server.RequestLog().substr(asked.size());
    EXPECT_EQ(since.find("motd"), std::string::npos) << since;
    EXPECT_EQ(since.find(action.what[0] == 'd' ? "files111" : "m_a"), std::string::npos) << since;
    EXPECT_EQ(menu.PageStrips().size(), 1u);
  }
  EXPECT_FALSE(Game::Instance().IsShutDown());
  GetInternetServer() = oldServer;
}

TEST_F(GameTest, PressesMadeWhileARefreshWaitsDoNotAnswerTheBoxItLeaves) {
  testsupport::HttpTestServer server;
  ASSERT_TRUE(server.Started());
  const InternetServer oldServer = GetInternetServer();
  GetInternetServer() = InternetServer{"127.0.0.1", server.Port()};
  const InternetLimits oldLimits = GetInternetLimits();
  GetInternetLimits().exchange.wholeSeconds = GetInternetLimits().exchange.lowSpeedSeconds = 2;
  // A byte every 0.4 s of a 100,000-byte list: the exchange fails at its time limit.
  server.AddFile("tovel/autoupdate/files111.txt", std::string(100000, 'x'));
  server.SetPace("tovel/autoupdate/files111.txt", 1, 4);
  StartGame();
  Game::Instance().SetMode(GAMEMODE_INTERNET);
  GUI_MenuInternet& menu = GUI_MenuInternet::Instance();
  ClickThroughTheLoop(menu.GetRefreshButton()->GetRect());
  // During the wait the player presses Return (a box's answer) and clicks "Main menu".
  const GUI_Rect mainMenu = menu.GetMainMenuButton()->GetRect();
  std::thread player([&mainMenu] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    plat::PushKeyPress(28);
    plat::PushMouseClick(0, (mainMenu.left + mainMenu.right) / 2, (mainMenu.top + mainMenu.bottom) / 2);
  });
  Game::Instance().Frame();
  player.join();
  GetInternetLimits() = oldLimits;
  GetInternetServer() = oldServer;
  for (int turn = 0; turn < 20; ++turn) RunMessageLoopTurn();
  // The failure is on screen over the menu, and waits for an answer given after it is seen.
  ASSERT_EQ(menu.Messages().size(), 1u);
  EXPECT_TRUE(menu.Messages().front()->IsLaidOut());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &menu);
  plat::PushKeyPress(28);
  for (int turn = 0; turn < 5; ++turn) RunMessageLoopTurn();
  EXPECT_TRUE(menu.Messages().empty());
}

// Every box the game raises in play is its own, so none holds the game: an Online failure,
// the texts missing at start-up, a refused load and save, the renderer's and the input's
// failures, and an assertion.
TEST_F(GameTest, ATerminationSignalEndsTheGameWhileItsOwnBoxesAreShown) {
  // SDL turns the signal into a quit event where its handler is in place.
  const auto previous = std::signal(SIGTERM, SIG_DFL);
  std::signal(SIGTERM, previous);
  if (previous == SIG_DFL || previous == SIG_IGN || previous == SIG_ERR)
    GTEST_SKIP() << "no handler turns the signal into an event here";
  const InternetServer oldServer = GetInternetServer();
  GetInternetServer() = InternetServer{"127.0.0.1", 1};  // nobody listens
  std::filesystem::remove("data/strings.ini");
  StartGame();
  Game::Instance().SetMode(GAMEMODE_INTERNET);
  GUI_MenuInternet& menu = GUI_MenuInternet::Instance();
  menu.Reload();
  ASSERT_EQ(menu.Messages().size(), 1u);
  struct FailingInput : CBaseInputManager {
    using CBaseInputManager::InputError;
  };
  D3DEngine::Instance().SetErrorBoxHandler(nullptr);
  EXPECT_FALSE(SIM_LoadGame::Load("no/such"));
  EXPECT_FALSE(SIM_SaveGame::Save("no/such"));
  D3DEngine::Instance().GetTexture("nowhere.dds");
  FailingInput().InputError("Acquire(mouse)", "lost");
  ReportAssertion(false, "GameTest", __LINE__);
  std::vector<std::string> titles;
  for (const GUI_Message* box : Game::Instance().OpenBoxes()) titles.push_back(box->GetTitle());
  EXPECT_EQ(titles, (std::vector<std::string>{"Missing texts", "LOADGAME_TITLE", "SAVEGAME_TITLE",
                                              "D3DEngine Error", "ERROR IN FUNCTION:",
                                              "D3DENGINE ERROR", "PROBLEM_TITLE"}));
  std::raise(SIGTERM);
  for (int turn = 0; turn < 1000 && RunMessageLoopTurn(); ++turn) {
  }
  EXPECT_TRUE(IsQuitPosted());
  ExpectShutDownInOrder();
  // and the boxes are the system's again.
  EXPECT_FALSE(plat::SetMessageBoxHandler(nullptr));
  EXPECT_FALSE(SetAssertionHandler(nullptr));
  GetInternetServer() = oldServer;
}

TEST_F(GameTest, LosingFocusPausesWithoutQuitting) {
  StartGame();
  RecordingMode mode;
  Game::Instance().SetCurrentMode(&mode);
  plat::Event e;
  e.type = plat::EventType::FocusLost;
  MainWndProc(e);
  EXPECT_FALSE(g_appActive);
  EXPECT_TRUE(GUI_Sounds::Instance().IsMusicMuted());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(RunMessageLoopTurn());
  EXPECT_EQ(mode.updates, 0);
  EXPECT_FALSE(Game::Instance().IsShutDown());

  // Keys typed into another program never reach the game.
  plat::Event key;
  key.type = plat::EventType::KeyDown;
  key.key = 30;
  MainWndProc(key);

  // The surfaces lost while away are rebuilt on the way back.
  D3DEngine::Instance().ReleaseTexturesAndSurfaces();
  ASSERT_FALSE(HasTexture("window_shadow.dds"));
  e.type = plat::EventType::FocusGained;
  MainWndProc(e);
  EXPECT_TRUE(g_appActive);
  EXPECT_FALSE(GUI_Sounds::Instance().IsMusicMuted());
  EXPECT_TRUE(HasTexture("window_shadow.dds"));
  EXPECT_TRUE(RunMessageLoopTurn());
  EXPECT_EQ(mode.updates, 1);
  EXPECT_EQ(mode.keys, 0);
  EXPECT_FALSE(Game::Instance().IsShutDown());
}

TEST_F(GameTest, FocusBeforeInitialisationRebuildsNothing) {
  plat::Event e;
  e.type = plat::EventType::FocusGained;
  MainWndProc(e);
  EXPECT_TRUE(g_appActive);
  EXPECT_TRUE(TracedCalls().empty());
  EXPECT_TRUE(D3DEngine::Instance().GetTextureRecords().empty());
}

TEST_F(GameTest, WindowCloseShutsDownOnceInOrder) {
  StartGame();
  ASSERT_NE(GUI_Postit::AddPostit("reminder", 0), nullptr);
  SIM_Rumour::Create("The pier is closing", 0);
  ClearTracedCalls();
  plat::Event e;
  e.type = plat::EventType::WindowClose;
  MainWndProc(e);
  e.type = plat::EventType::Quit;
  MainWndProc(e);
  EXPECT_TRUE(IsQuitPosted());
  ExpectShutDownInOrder();
}

TEST_F(GameTest, MovesReachTheRendererOnlyWhileActive) {
  StartGame();
  ClearTracedCalls();
  const int x = D3DEngine::Instance().GetClientX(), y = D3DEngine::Instance().GetClientY();
  plat::Event e;
  e.type = plat::EventType::WindowMoved;
  e.x = x + 40;
  e.y = y + 30;
  g_appActive = false;
  MainWndProc(e);
  EXPECT_EQ(D3DEngine::Instance().GetClientX(), x);
  EXPECT_EQ(D3DEngine::Instance().GetClientY(), y);
  g_appActive = true;
  MainWndProc(e);
  EXPECT_EQ(D3DEngine::Instance().GetClientX(), x + 40);
  EXPECT_EQ(D3DEngine::Instance().GetClientY(), y + 30);
}

TEST_F(GameTest, RightClicksReachOnlyTheInGameScreen) {
  StartGame();
  ClearTracedCalls();
  const int clicks = SIM_Statistics::Instance().GetInt(0);
  Game::Instance().OnRightButtonDown();
  EXPECT_TRUE(TracedCalls().empty());
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(0), clicks);
  Game::Instance().SetMode(GAMEMODE_INGAME);
  GUI_GUI::Instance().SetMode(GUI_GUI::kMainScreen);
  ClearTracedCalls();
  Game::Instance().OnRightButtonDown();
  // The in-game screen counts the click (and offers it to the contact icons, whose answer
  // the people windows' play test checks).
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(0), clicks + 1);
}

TEST_F(GameTest, WindowIsTitledAndIconed) {
  std::string error;
  ASSERT_TRUE(plat::InitVideo(error)) << error;
  std::filesystem::copy_file(std::filesystem::path(TOVEL_SOURCE_DIR) / "data/icon.ico",
                             "data/icon.ico");
  plat::WindowHandle window = CreateMainWindow("Tovel", "data/icon.ico");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(plat::GetWindowTitle(window), "Tovel");
  plat::DestroyPlatformWindow(window);
  plat::ShutdownPlatform();
}

}  // namespace

namespace {

TEST_F(GameTest, StartUpStopsWhenTheRendererCannotStart) {
  // With no window the renderer has nothing to draw on: start-up reports failure instead of
  // running a game nobody can see.
  plat::WindowHandle window = g_mainWindow;
  g_mainWindow = nullptr;
  EXPECT_FALSE(Game::Instance().Init());
  g_mainWindow = window;
  EXPECT_FALSE(D3DEngine::Instance().IsInitialised());
  const std::string log = ReadFile("debugdata/debug.txt");
  EXPECT_NE(log.find("Renderer failed to start\nEND DEBUG---\n"), std::string::npos);
}

}  // namespace

// The application object.
#include "app/Game.h"

#include <algorithm>

#include "app/AppShell.h"
#include "app/CInput.h"
#include "gui/GUI_GameModeBase.h"
#include "app/GUI_Sounds.h"
#include "app/MainWindow.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/DisplaySettings.h"
#include "engine/GdiText.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "engine/Version.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_LoadScreen.h"
#include "gui/GUI_MenuBase.h"
#include "gui/GUI_MenuIntro.h"
#include "gui/GUI_MenuInternet.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_MenuOptions.h"
#include "gui/GUI_MenuSave.h"
#include "gui/GUI_Rain.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_SimScreens.h"
#include "gui/GUI_TextureSet.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_Message.h"
#include "hooks/HOOK_Hooks.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Http.h"
#include "platform/Window.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Person.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Statistics.h"

namespace {

GUI_GameModeBase* ModeInstance(int mode) {
  switch (mode) {
    case GAMEMODE_MAINMENU: return &GUI_MenuMain::Instance();
    case GAMEMODE_OPTIONS: return &GUI_MenuOptions::Instance();
    case GAMEMODE_NEWGAME: return &GUI_MenuNew::Instance();
    case GAMEMODE_INTRO: return &GUI_MenuIntro::Instance();
    case GAMEMODE_SAVE: return &GUI_MenuSave::Instance();
    case GAMEMODE_LOAD: return &GUI_MenuLoad::Instance();
    case GAMEMODE_INTERNET: return &GUI_MenuInternet::Instance();
    case GAMEMODE_INGAME: return &GUI_GUI::Instance();
    default: return nullptr;
  }
}

constexpr int kEscapeKey = 1;
constexpr int kReturnKey = 28;

// The simulation asks for sounds by name; the sound manager above it plays them.
void ConnectSimulationSounds() {
  SIM_Sounds::Backend backend;
  backend.playSound = [](const std::string& file) { GUI_Sounds::Instance().PlaySound(file); };
  backend.stopSound = [](const std::string& file) { GUI_Sounds::Instance().StopSound(file); };
  backend.stopMusic = [] { GUI_Sounds::Instance().StopMusic(); };
  backend.resetPersonSoundTimer = [] { GUI_Sounds::Instance().ResetPersonSoundTimer(); };
  backend.resetDogSoundTimer = [] { GUI_Sounds::Instance().ResetDogSoundTimer(); };
  backend.resetCatSoundTimer = [] { GUI_Sounds::Instance().ResetCatSoundTimer(); };
  backend.playNightclubMusic = [](const std::string& file) {
    GUI_Sounds::Instance().PlayNightclubMusic(file);
  };
  SIM_Sounds::SetBackend(std::move(backend));
}

// The screens reach the application, and the simulation the screens and the hobbies, only
// through what each declares; this is where the application plugs them together.
void ConnectLayers() {
  InstallShell(&AppShell::Instance());
  InstallScreens(&GUI_SimScreens::Instance());
  RegisterHobbyHooks();
  // A transfer holds the message loop still: it stops for a request to quit, which the loop
  // then finds waiting and ends the game as it always does, and for the player's Escape,
  // which is taken so it does nothing more. Every other press made meanwhile is dropped (the
  // check is asked once more as the exchange ends): it was aimed at a screen the exchange then
  // changes, and a box it leaves waits for an answer given after it is seen.
  plat::SetHttpCancelCheck([] {
    if (g_quitRequested || plat::QuitIsWaiting()) return plat::HttpStop::Quit;
    const bool escape = plat::TakeKeyPress(kEscapeKey);
    plat::DropPlayerPresses();
    return escape ? plat::HttpStop::Player : plat::HttpStop::None;
  });
}

// The player's mouse-speed option scales the mouse; the options tell the input when they load.
void ConnectMouseSpeed() {
  SIM_PlayerOptions::Instance().SetMouseSpeedSink(
      [](float speed) { CInput::Instance().SetMouseSensitivity(speed); });
}

}  // namespace

Game& Game::Instance() {
  static Game game;
  return game;
}

Game::Game() : version_(kGameVersion) {}

bool Game::Init() {
  TraceEvent("app started");
  ConnectLayers();
  uiScale_ = 1.0f;
  shutDown_ = false;
  DebugLog::Instance().Open();
  InitUserFolders();
  SIM_PlayerOptions::Instance().SetFolder(userFolder_);
  SIM_SaveGame::SetFolder(saveFolder_);
  SIM_SaveGame::RemoveInterruptedSaves();
  SIM_PortraitDatabase::SetUserFolder(userFolder_);  // the player's own portrait mods
  SIM_JobBase::SetUserFolder(userFolder_);         // and their own job files
  DisplaySettings::SetUserFolder(userFolder_);     // and their own display settings
  InitDisplay();
  // The renderer has already shown why it could not start; with nothing to draw on, the game
  // stops here rather than running blind.
  if (!D3DEngine::Instance().IsInitialised()) {
    DebugLog::Instance().Write("Renderer failed to start");
    DebugLog::Instance().Close();
    return false;
  }
  // From here on the game can draw a box of its own; one raised during the rest of start-up
  // is seen with the first menu.
  InstallBoxes();
  GUI_LoadScreen::Instance().Draw(0.0f);
  CInput::Instance().Init(g_mainWindow);
  currentMode_ = &GUI_MenuMain::Instance();  // entered the first time a mode is set
  GUI_LoadScreen::Instance().Draw(0.25f);
  ConnectSimulationSounds();
  ConnectMouseSpeed();
  SIM_SIM::Instance().Init();
  GUI_LoadScreen::Instance().Draw(0.5f);
  GUI_GUI::Instance().LoadResources();
  GUI_LoadScreen::Instance().Draw(1.0f);
  inGame_ = false;
  // A negative sleep would stall every frame, so it counts as none; the upper bound only keeps
  // the conversion defined for absurd values.
  const float sleep = SIM_GlobalVariables::Instance().Get("SLEEP_DURATION");
  sleepMs_ = static_cast<int>(std::clamp(sleep, 0.0f, 60000.0f));
  return true;
}

void Game::InitUserFolders() {
  std::string base;
  if (IsDocumentsFolderSupported()) {
    if (!plat::DocumentsFolder(base)) FatalError("Failed to get mydocuments", "Game", 275);
  } else {
    base = "userdir";
    EnsureDirectoryExists(base);
  }
  userFolder_ = base + "/tovel";
  EnsureDirectoryExists(userFolder_);
  saveFolder_ = base + "/tovel/savegames";
  EnsureDirectoryExists(saveFolder_);
  for (const char* sub : {"/tovel/mods", "/tovel/mods/avatars", "/tovel/mods/jobs",
                          "/tovel/mods/portraits_m", "/tovel/mods/portraits_f"})
    EnsureDirectoryExists(base + sub);
  // A download that never finished (the game was killed during it) left its side file.
  const int stale = plat::RemoveFilesEndingIn(userFolder_, ".part", false) +
                    plat::RemoveFilesEndingIn(userFolder_ + "/mods", ".part", true);
  if (stale > 0)
    DebugLog::Instance().Write("Removed " + std::to_string(stale) + " unfinished download(s)");
}

void Game::InitDisplay() {
  int height = DisplaySettings::GetInt("pref", "SCREEN_HEIGHT", 0);
  int width = DisplaySettings::GetInt("pref", "SCREEN_WIDTH", 0);
  int depth = DisplaySettings::GetInt("pref", "ColorDepth", 0);

  int desktopW = 0, desktopH = 0;
  plat::GetDesktopSize(desktopW, desktopH);

  if (height == 0 || width == 0) {
    width = desktopW;
    height = desktopH;
    DisplaySettings::SetInt("config", "IsWindowed", 0);
  } else {
    height = std::min(height, desktopH);
    width = std::min(width, desktopW);
    if (height == desktopH) DisplaySettings::SetInt("config", "IsWindowed", 0);
  }

  // Only the width was range-checked originally; a negative height is just as unusable.
  if (width < 0 || width > 2048 || height < 0) {
    DebugLog::Instance().Write("invalid screen res config");
    width = 800;
    height = 600;
    depth = 32;
  }

  D3DEngine::Instance().Init(g_mainWindow, width, height, depth);
  uiScale_ = static_cast<float>(width) * 0.0009765625f;
  D3DEngine::Instance().AddTextureFolder("data/bitmaps");
  D3DEngine::Instance().AddTextureFolder(userFolder_);
}

void Game::Frame() {
  if (shutDown_ || !currentMode_) return;
  D3DEngine::Instance().BeginRender();
  CInput::Instance().Update();
  if (g_quitRequested) {
    Shutdown();
    return;
  }
  if (GUI_Message* box = BoxOverMenu()) {
    GUI_WindowManager::DispatchGuard guard;
    box->Update();
  } else {
    currentMode_->Update();
  }
  currentMode_->Draw();
  DrawBoxesOverMenu();
  // The rain's loop belongs to the in-game screen: in any other mode it stops this frame, and
  // the rain starts it again once the screen is drawn.
  if (currentMode_ != &GUI_GUI::Instance()) {
    GUI_Rain::SilenceIfBuilt();
    GUI_Sounds::UpdateMusicIfBuilt();  // the in-game screen moves the music on itself
  }
  D3DEngine::Instance().EndScene();
  FlushGdiText(-1);
  SetGdiCharacterBudget(-1);
  D3DEngine::Instance().Flip();
  plat::SleepMs(sleepMs_);
}

void Game::SetMode(int mode) {
  if (GUI_GameModeBase* next = ModeInstance(mode)) currentMode_ = next;
  if (currentMode_) currentMode_->OnEnter();
}

void Game::StartNewGame() {
  TraceEvent("StartNewGame");
  SIM_SIM::Instance().NewGame();
  GUI_GUI::Instance().StartGame();
  currentMode_ = &GUI_GUI::Instance();
  currentMode_->OnEnter();
  inGame_ = true;
  SIM_Statistics::Instance().StartPlayTimer();
}

void Game::ToggleWindowed() {
  // A setting that cannot be written is logged and still switches the display: the settings
  // keep it for the rest of the run.
  const int windowed = DisplaySettings::GetInt("config", "IsWindowed", 0);
  DisplaySettings::SetInt("config", "IsWindowed", windowed == 1 ? 0 : 1);
  D3DEngine::Instance().Release();
  InitDisplay();
  CInput::Instance().Init(g_mainWindow);
  RebuildSurfaces();
  if (GUI_Backdrop::Instance().IsLoaded()) GUI_Backdrop::Instance().Load();
}

void Game::RebuildSurfaces() {
  DebugLog::Instance().Write("Rebuild Surfaces");
  D3DEngine::Instance().ReleaseTexturesAndSurfaces();
  D3DEngine::Instance().RestoreSurfaces();
  GUI_TextureSet::Instance().Load();
  if (GUI_Backdrop::Instance().IsLoaded()) GUI_Backdrop::Instance().Load();
}

void Game::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  TraceEvent("App ended");
  GUI_GUI::Instance().ReleaseResources();
  SIM_SIM::Instance().Shutdown();
  D3DEngine::Instance().Release();
  UninstallBoxes();
  DebugLog::Instance().Close();
  g_appActive = false;
  PostQuitMessage(0);
}

void Game::Quit() { g_quitRequested = true; }

void Game::ShowBox(const std::string& title, const std::string& text) {
  // A run of failures of one kind (a broken install misses many pictures) adds its lines to
  // the box already open for that kind, as far as a box holds, instead of piling boxes up.
  for (GUI_Message* open : OpenBoxes()) {
    if (open->GetTitle() != title) continue;
    const std::string more = open->GetText() + "\n" + text;
    if (more.size() <= GUI_Message::kMaxText) open->SetText(more);
    return;
  }
  auto* box = new GUI_Message(text);
  box->SetTitle(title);
  boxes_.push_back(box);
}

const std::vector<GUI_Message*>& Game::OpenBoxes() {
  // A box deletes itself by its close button or its keys: forget the ones the window
  // manager no longer holds.
  const GUI_WindowManager& manager = GUI_WindowManager::Instance();
  std::erase_if(boxes_, [&manager](GUI_Message* box) { return !manager.Contains(box); });
  return boxes_;
}

GUI_Message* Game::BoxOverMenu() {
  if (currentMode_ == &GUI_GUI::Instance() || OpenBoxes().empty()) return nullptr;
  return boxes_.back();
}

void Game::DrawBoxesOverMenu() {
  if (!BoxOverMenu()) return;
  {
    GUI_WindowManager::DispatchGuard guard;
    // Drawing may raise a box of its own (a missing picture), which ShowBox adds to the list.
    const std::vector<GUI_Message*> open = boxes_;
    for (GUI_Message* box : open) box->Draw();
  }
  GUI_Cursor::Instance().Draw();  // the menu drew it under the boxes
}

void Game::InstallBoxes() {
  if (boxesInstalled_) return;
  boxesInstalled_ = true;
  oldMessageBox_ = plat::SetMessageBoxHandler(
      [](const std::string& title, const std::string& text, plat::BoxIcon) {
        Game::Instance().ShowBox(title, text);
      });
  // An assertion's box says what the problem dialog says, but does not wait: the game goes
  // on under it, as the dialog's "Attempt to continue" would.
  oldAssertionBox_ = SetAssertionHandler([](const std::string& report) {
    std::string text = Translate("PROBLEM_TEXT");
    ReplaceSubstring(text, "<ADDRESS>", kSupportAddress);
    ReplaceSubstring(text, "<REPORT>", report);
    Game::Instance().ShowBox(Translate("PROBLEM_TITLE"), text);
  });
}

void Game::UninstallBoxes() {
  if (!boxesInstalled_) return;
  boxesInstalled_ = false;
  plat::SetMessageBoxHandler(std::move(oldMessageBox_));
  SetAssertionHandler(std::move(oldAssertionBox_));
  oldMessageBox_ = nullptr;
  oldAssertionBox_ = nullptr;
  // A box raised while the game was ending has no screen left to answer it.
  for (GUI_Message* box : OpenBoxes()) delete box;
  boxes_.clear();
}

void Game::OnKeyDown(int scanCode) {
  if (GUI_Message* box = BoxOverMenu()) {
    // Return and Escape answer the box; the menu under it waits. Alt+Return is not an answer:
    // it switches the display, as it does on every screen.
    if (GUI_MenuBase::ToggleWindowedOnAltReturn(scanCode)) return;
    GUI_WindowManager::DispatchGuard guard;
    if (scanCode == kReturnKey || scanCode == kEscapeKey) box->AnswerKey(scanCode);
    return;
  }
  if (currentMode_) currentMode_->OnKeyDown(scanCode);
}

void Game::OnWheelUp() {
  if (BoxOverMenu()) return;
  if (currentMode_) currentMode_->OnWheelUp();
}

void Game::OnWheelDown() {
  if (BoxOverMenu()) return;
  if (currentMode_) currentMode_->OnWheelDown();
}

void Game::OnLeftButtonDown() {
  if (GUI_Message* box = BoxOverMenu()) {
    GUI_WindowManager::DispatchGuard guard;
    box->OnClick(GUI_Services::MouseX(), GUI_Services::MouseY());
    return;
  }
  if (currentMode_) currentMode_->OnLeftButtonDown();
}

void Game::OnRightButtonDown() {
  if (currentMode_ == &GUI_GUI::Instance()) GUI_GUI::Instance().OnRightButtonDown();
}

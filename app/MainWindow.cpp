// The main window and the message loop.
#include "app/MainWindow.h"

#include "app/CInput.h"
#include "app/GUI_Sounds.h"
#include "app/Game.h"
#include "engine/D3DEngine.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/System.h"

plat::WindowHandle g_mainWindow = nullptr;
bool g_appActive = false;
bool g_appInitialised = false;
bool g_quitRequested = false;

namespace {

bool g_quitPosted = false;
int g_quitExitCode = 0;

bool IsInputEvent(plat::EventType type) {
  switch (type) {
    case plat::EventType::KeyDown:
    case plat::EventType::KeyUp:
    case plat::EventType::MouseMove:
    case plat::EventType::MouseButtonDown:
    case plat::EventType::MouseButtonUp:
    case plat::EventType::MouseWheel:
      return true;
    default:
      return false;
  }
}

void OnFocusGained() {
  if (g_appActive) return;  // already running: a second activation notice changes nothing
  g_appActive = true;
  CInput::Instance().ClearBuffers();
  if (!g_appInitialised) return;
  plat::DebugOutput("WM_ACTIVATEAPP - Application regained focus\n");
  Game::Instance().RebuildSurfaces();
  GUI_Sounds::Instance().RefreshMusicVolume();
}

void OnFocusLost() {
  g_appActive = false;
  CInput::Instance().ClearBuffers();
  GUI_Sounds::Instance().MuteMusic();
  plat::DebugOutput("WM_ACTIVATEAPP - Application Lost focus\n");
}

}  // namespace

void PostQuitMessage(int exitCode) {
  g_quitPosted = true;
  g_quitExitCode = exitCode;
}

bool IsQuitPosted() { return g_quitPosted; }

int GetQuitExitCode() { return g_quitExitCode; }

void ResetAppFlags() {
  g_appActive = false;
  g_appInitialised = false;
  g_quitRequested = false;
  g_quitPosted = false;
  g_quitExitCode = 0;
}

plat::WindowHandle CreateMainWindow(const std::string& title, const std::string& iconFile) {
  std::string error;
  plat::WindowHandle window = plat::CreatePlatformWindow(title, 800, 600, iconFile, error);
  if (!window) plat::ShowMessageBox("Failed to CreateWindow", error, plat::BoxIcon::Information);
  return window;
}

void MainWndProc(const plat::Event& event) {
  switch (event.type) {
    case plat::EventType::Quit:
    case plat::EventType::WindowClose:
      PostQuitMessage(0);
      Game::Instance().Shutdown();
      return;
    case plat::EventType::WindowMoved:
      if (g_appActive) D3DEngine::Instance().UpdateClientRect(event.x, event.y);
      return;
    case plat::EventType::FocusGained:
    case plat::EventType::Restored:
      OnFocusGained();
      return;
    case plat::EventType::RenderReset:
      if (g_appInitialised) Game::Instance().RebuildSurfaces();
      return;
    case plat::EventType::FocusLost:
    case plat::EventType::Minimized:
      OnFocusLost();
      return;
    default:
      // Input typed while the game is not in front belongs to another program.
      if (IsInputEvent(event.type) && g_appActive) CInput::Instance().QueueEvent(event);
      return;
  }
}

bool RunMessageLoopTurn() {
  if (g_quitPosted) return false;
  plat::Event event;
  if (plat::PollEvent(event)) {
    MainWndProc(event);
  } else if (g_appActive) {
    Game::Instance().Frame();
  } else {
    plat::SleepMs(1);
  }
  return !g_quitPosted;
}

int GameMain() {
  plat::FindGameFolder();
  g_mainWindow = CreateMainWindow("Tovel", "data/icon.ico");
  if (!g_mainWindow) {
    plat::ShutdownPlatform();
    return 1;  // nothing can run without the window
  }
  plat::ShowAndRaiseWindow(g_mainWindow);
  plat::ShowSystemCursor(false);  // the game draws its own cursor, windowed or not

  g_appActive = Game::Instance().Init();
  if (!g_appActive) {
    plat::DestroyPlatformWindow(g_mainWindow);
    g_mainWindow = nullptr;
    plat::ShutdownPlatform();
    return 1;
  }
  g_appInitialised = true;

  while (RunMessageLoopTurn()) {
  }

  Game::Instance().Shutdown();  // no-op when the loop ended through it
  plat::DestroyPlatformWindow(g_mainWindow);
  g_mainWindow = nullptr;
  plat::ShutdownPlatform();
  return GetQuitExitCode();
}

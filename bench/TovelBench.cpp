// Headless run of the game for timing: start-up, then frames of the main loop without pacing.
// Prints "name value" lines. As the simulation grows this run plays ten game years.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Game.h"
#include "app/MainWindow.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"

namespace {

double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::atoi(argv[1]) : 2000;
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const std::filesystem::path home = std::filesystem::temp_directory_path() / "tovel-bench-home";
  std::filesystem::create_directories(home);
  setenv("HOME", home.c_str(), 1);
  unsetenv("XDG_DOCUMENTS_DIR");
  plat::ChangeDirectory(TOVEL_SOURCE_DIR);
  plat::SetMessageBoxesEnabled(false);

  auto start = std::chrono::steady_clock::now();
  g_mainWindow = CreateMainWindow("Tovel", "data/icon.ico");
  if (!g_mainWindow) return 1;
  g_appActive = Game::Instance().Init();
  g_appInitialised = true;
  Game::Instance().SetSleepMs(0);
  std::printf("startup_ms %.3f\n", MsSince(start));

  start = std::chrono::steady_clock::now();
  for (int i = 0; i < frames && RunMessageLoopTurn(); ++i) {
  }
  const double ms = MsSince(start);
  std::printf("frames %d\n", frames);
  std::printf("frame_us %.3f\n", frames > 0 ? ms * 1000.0 / frames : 0.0);

  Game::Instance().Shutdown();
  plat::DestroyPlatformWindow(g_mainWindow);
  plat::ShutdownPlatform();
  return 0;
}

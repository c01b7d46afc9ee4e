// The cost of the game's real frames: the main menu, then the in-game screen of a new game
// (room, avatar, panels and whatever windows the start opened), each drawn for a few hundred
// frames through the game's own frame step on the off-screen software renderer at 1024 x 768.
// Prints "ms_per_frame_menu" and "ms_per_frame_game" (medians) and, for finding where the time
// goes, the texture binds and text items of one frame.
//
//   bench-frame [--frames N] [--shot PREFIX]
//     (default 300 frames of each; --shot writes PREFIX_menu.bmp and PREFIX_game.bmp)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "gui/GUI_GameModeBase.h"
#include "app/AppShell.h"
#include "app/Game.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Random.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_SimScreens.h"
#include "hooks/HOOK_Hooks.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_Tutorial.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Screens.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

struct Figures {
  double ms = 0.0;
  double bindsPerFrame = 0.0;
};

// Runs `frames` frames of the current mode through the game's frame step.
Figures RunFrames(int frames) {
  Game& game = Game::Instance();
  plat::RenderDevice* device = D3DEngine::Instance().GetDevice();
  // A few frames first: textures load and text renders on first use, which a player sees
  // once, not every frame.
  for (int i = 0; i < 10; ++i) game.Frame();
  const auto before = device->GetBindCounts();
  std::vector<double> ms;
  for (int i = 0; i < frames; ++i) {
    const auto start = std::chrono::steady_clock::now();
    game.Frame();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  const auto after = device->GetBindCounts();
  Figures out;
  out.ms = Median(ms);
  out.bindsPerFrame = static_cast<double>(after.changes - before.changes) / frames;
  return out;
}

// One frame drawn as the game's frame step draws it, read back before the present and
// written as a 24-bit BMP: to see what the figures are of.
void WriteShot(const std::string& path) {
  D3DEngine& engine = D3DEngine::Instance();
  GUI_GameModeBase* mode = Game::Instance().GetCurrentMode();
  engine.BeginRender();
  mode->Update();
  mode->Draw();
  engine.EndScene();
  FlushGdiText(-1);
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  std::string error;
  const bool read = engine.GetDevice()->ReadPixels(px, w, h, error);
  engine.Flip();
  if (!read) return;
  const int rowBytes = (w * 3 + 3) & ~3;
  std::vector<uint8_t> file(54 + static_cast<size_t>(rowBytes) * h, 0);
  auto put32 = [&file](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  file[26] = 1;
  file[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t c = px[static_cast<size_t>(y) * w + x];
      uint8_t* out = &file[54 + static_cast<size_t>(h - 1 - y) * rowBytes + x * 3];
      out[0] = static_cast<uint8_t>(c), out[1] = static_cast<uint8_t>(c >> 8),
      out[2] = static_cast<uint8_t>(c >> 16);
    }
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int frames = 300;
  std::string shot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
      frames = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
      shot = std::filesystem::absolute(argv[++i]).string();
    } else {
      std::fprintf(stderr, "usage: %s [--frames N] [--shot PREFIX]\n", argv[0]);
      return 2;
    }
  }
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  plat::SetMessageBoxesEnabled(false);
  plat::ChangeDirectory(TOVEL_SOURCE_DIR);
  // The player's options and saves go to a folder of this run's own.
  const std::filesystem::path home =
      std::filesystem::temp_directory_path() /
      ("tovel-bench-frame-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(home / "savegames");
  SIM_PlayerOptions::Instance().SetFolder(home.string());
  SIM_SaveGame::SetFolder((home / "savegames").string());

  // What the game's start-up does, on the off-screen device instead of a window.
  D3DEngine& engine = D3DEngine::Instance();
  engine.SetLogPath((home / "drawdebug.txt").string());
  if (!engine.InitOffscreen(kWidth, kHeight)) {
    std::fprintf(stderr, "bench-frame: no renderer\n");
    return 1;
  }
  engine.AddTextureFolder("data/bitmaps");
  Game& game = Game::Instance();
  game.SetSleepMs(0);
  SetFixedRandomSeed(1);
  // The layers plugged together as the game's start-up does.
  InstallShell(&AppShell::Instance());
  InstallScreens(&GUI_SimScreens::Instance());
  RegisterHobbyHooks();
  SIM_SIM::Instance().Init();
  GUI_GUI::Instance().LoadResources();

  game.SetMode(GAMEMODE_MAINMENU);
  const Figures menu = RunFrames(frames);
  if (!shot.empty()) WriteShot(shot + "_menu.bmp");

  // A new game as the new-game screen starts it, without the tutorial's windows.
  GUI_Tutorial::SetActive(false);
  SIM_GameConfig::Instance().SetName("Sam Bench");
  SIM_GameConfig::Instance().SetAvatarName("m_alex.dds");  // a shipped picture, with its room
  game.StartNewGame();
  const Figures inGame = RunFrames(frames);
  if (!shot.empty()) WriteShot(shot + "_game.bmp");

  std::printf("ms_per_frame_menu %.3f\n", menu.ms);
  std::printf("ms_per_frame_game %.3f\n", inGame.ms);
  std::printf("texture_binds_per_frame_menu %.1f\n", menu.bindsPerFrame);
  std::printf("texture_binds_per_frame_game %.1f\n", inGame.bindsPerFrame);

  GUI_GUI::Instance().ReleaseResources();
  SIM_SIM::Instance().Shutdown();
  engine.Release();
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return 0;
}

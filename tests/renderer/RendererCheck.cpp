// The pictures a player gets. Every other test draws through SDL's software renderer; the game
// opens an accelerated one unless told otherwise. This program draws the same two pictures the
// way the game does (scripts/renderer-check runs it on an X server of its own, once with the
// default renderer and once with the software one, and compares):
//
//   tovel_renderer_check draw <folder> <name>
//     Starts the game as its entry does (window, renderer, every table) with its user folders
//     under <folder>/home-<name>, on a fixed seed and a clock that moves 16 ms a frame. Draws
//     the main menu, then the first day of a new game with the weather effects off (no rain
//     or snow) in a clean flat without a fish tank (no flies or fish), so nothing on either
//     picture moves by chance. Writes <name>-menu.ppm, <name>-game.ppm and, in
//     <name>-renderer.txt, the name of the renderer it drew through.
//   tovel_renderer_check compare <folder> <a> <b>
//     Compares a's pictures with b's channel by channel: the menu within 3/255, the game
//     within 25/255 (the renderers round blending and stretching apart; a wrong picture is
//     far beyond that). Prints the largest difference of each.
//
// Exits 0 when every step holds, 1 otherwise, 2 on bad arguments.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/CInput.h"
#include "app/Game.h"
#include "app/MainWindow.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Random.h"
#include "engine/Timer.h"
#include "gui/GUI_GameModeBase.h"
#include "gui/GUI_Shell.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWidth = 1024, kHeight = 768;

struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> argb;
};

// Frames of the current mode, as the game's frame runs them; the last one is read back
// before it is presented (a present clears the back buffer).
bool DrawFrames(ManualTimerClock& clock, int frames, Picture& out) {
  D3DEngine& engine = D3DEngine::Instance();
  for (int i = 0; i < frames; ++i) {
    clock.Advance(16);
    engine.BeginRender();
    CInput::Instance().Update();
    GUI_GameModeBase* mode = Game::Instance().GetCurrentMode();
    if (!mode) return false;
    mode->Update();
    mode->Draw();
    engine.EndScene();
    FlushGdiText(-1);
    SetGdiCharacterBudget(-1);
    if (i == frames - 1) {
      std::string error;
      if (!engine.GetDevice() || !engine.GetDevice()->ReadPixels(out.argb, out.width, out.height, error)) {
        std::fprintf(stderr, "read-back failed: %s\n", error.c_str());
        return false;
      }
    }
    engine.Flip();
  }
  return true;
}

bool WritePpm(const fs::path& path, const Picture& picture) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << picture.width << " " << picture.height << "\n255\n";
  for (const uint32_t p : picture.argb) {
    const char rgb[3] = {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p)};
    out.write(rgb, 3);
  }
  return static_cast<bool>(out);
}

bool ReadPpm(const fs::path& path, Picture& picture) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxValue = 0;
  in >> magic >> picture.width >> picture.height >> maxValue;
  in.get();
  if (!in || magic != "P6" || maxValue != 255 || picture.width <= 0 || picture.height <= 0)
    return false;
  std::vector<unsigned char> rgb(static_cast<size_t>(picture.width) * picture.height * 3);
  in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
  if (!in) return false;
  picture.argb.resize(rgb.size() / 3);
  for (size_t i = 0; i < picture.argb.size(); ++i)
    picture.argb[i] = 0xFF000000u | uint32_t{rgb[i * 3]} << 16 | uint32_t{rgb[i * 3 + 1]} << 8 |
                      rgb[i * 3 + 2];
  return true;
}

int Draw(const fs::path& folder, const std::string& name) {
  const fs::path home = folder / ("home-" + name);
  fs::remove_all(home);
  fs::create_directories(home);
  setenv("HOME", home.c_str(), 1);
  unsetenv("XDG_DOCUMENTS_DIR");
  unsetenv("XDG_CONFIG_HOME");
  plat::SetMessageBoxesEnabled(false);
  std::string error;
  if (!plat::InitVideo(error)) {
    std::fprintf(stderr, "no video: %s\n", error.c_str());
    return 1;
  }
  g_mainWindow = plat::CreatePlatformWindow("Tovel", kWidth, kHeight, "", error);
  if (!g_mainWindow) {
    std::fprintf(stderr, "no window: %s\n", error.c_str());
    return 1;
  }
  SetFixedRandomSeed(4242);
  SeedLookRandom(4242);
  ManualTimerClock clock;
  g_appActive = Game::Instance().Init();
  g_appInitialised = g_appActive;
  if (!g_appActive) return 1;
  const std::string renderer = D3DEngine::Instance().GetRendererName();
  std::printf("%s: drawn through the %s renderer\n", name.c_str(), renderer.c_str());
  std::ofstream(folder / (name + "-renderer.txt")) << renderer << "\n";

  bool ok = true;
  Picture menu, game;
  Game::Instance().SetMode(GAMEMODE_MAINMENU);
  ok = DrawFrames(clock, 30, menu) && WritePpm(folder / (name + "-menu.ppm"), menu) && ok;

  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableWeatherEffects, false);
  SIM_GameConfig::Instance().SetName("Robin Renderer");
  SIM_GameConfig::Instance().SetAvatarName("f_bea.dds");
  Game::Instance().StartNewGame();
  ok = DrawFrames(clock, 120, game) && WritePpm(folder / (name + "-game.ppm"), game) && ok;

  Game::Instance().Shutdown();
  plat::DestroyPlatformWindow(g_mainWindow);
  g_mainWindow = nullptr;
  plat::ShutdownPlatform();
  return ok ? 0 : 1;
}

int Compare(const fs::path& folder, const std::string& a, const std::string& b) {
  const struct {
    const char* picture;
    int tolerance;
  } checks[] = {{"menu", 3}, {"game", 25}};
  bool ok = true;
  for (const auto& check : checks) {
    Picture pa, pb;
    if (!ReadPpm(folder / (a + "-" + check.picture + ".ppm"), pa) ||
        !ReadPpm(folder / (b + "-" + check.picture + ".ppm"), pb)) {
      std::printf("%s: a picture is missing or unreadable\n", check.picture);
      ok = false;
      continue;
    }
    if (pa.width != pb.width || pa.height != pb.height) {
      std::printf("%s: %dx%d against %dx%d\n", check.picture, pa.width, pa.height, pb.width,
                  pb.height);
      ok = false;
      continue;
    }
    int largest = 0, lit = 0;
    long over = 0;
    for (size_t i = 0; i < pa.argb.size(); ++i) {
      int worst = 0;
      for (int shift : {16, 8, 0}) {
        const int d = std::abs(static_cast<int>(pa.argb[i] >> shift & 0xFF) -
                               static_cast<int>(pb.argb[i] >> shift & 0xFF));
        worst = std::max(worst, d);
      }
      largest = std::max(largest, worst);
      over += worst > check.tolerance ? 1 : 0;
      lit += (pb.argb[i] & 0xFFFFFF) != 0 ? 1 : 0;
    }
    // A black picture would match a black picture: the software one must show something.
    const bool shows = lit > static_cast<int>(pb.argb.size() / 2);
    const bool pass = largest <= check.tolerance && shows;
    std::printf("%s: largest difference %d/255 (tolerance %d), %ld pixels beyond it, %s %s\n",
                check.picture, largest, check.tolerance, over,
                shows ? "picture shown" : "picture mostly black", pass ? "ok" : "BAD");
    ok = ok && pass;
  }
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string step = argc > 1 ? argv[1] : "";
  if (step == "draw" && argc == 4) return Draw(fs::absolute(argv[2]), argv[3]);
  if (step == "compare" && argc == 5) return Compare(fs::absolute(argv[2]), argv[3], argv[4]);
  std::fprintf(stderr, "usage: %s draw <folder> <name> | compare <folder> <a> <b>\n", argv[0]);
  return 2;
}

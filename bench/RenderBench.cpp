// The renderer's cost per frame against SDL drawn directly: 500 textured 32 x 32 sprites and
// 50 translucent fills on SDL's software renderer at 1024 x 768, median of 200 frames each.
// Prints "ms_per_frame", "raw_ms_per_frame", "ratio" (ours / raw), "pixels_differing" between
// the two pictures (0: the same scene), and the device's texture binds per frame: those that
// changed the texture and the redundant ones that bound the texture already bound.
// Then the main scene's weather at its heaviest, drawn by the game's own effects with the
// shipped pictures: rain at intensity 1 with its splashes, 1,000 snowflakes, 100 snowdrops,
// 12 flies, 3 fish and the 10 night-club lights; each kind of particle is one draw call, the
// lights one copy each ("weather_ms_per_frame", median of 200 frames).
#include <FreeImage.h>
#include <SDL.h>  // the raw baseline only

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "gui/GUI_FishTank.h"
#include "gui/GUI_NightClubLights.h"
#include "gui/GUI_Rain.h"
#include "gui/GUI_Snow.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768, kSprites = 500, kFills = 50, kFrames = 200;

struct Placement {
  float x, y;
  uint32_t colour;
};

// A fixed scene, the same for both runs.
std::vector<Placement> Scene(int count, uint32_t seed) {
  std::vector<Placement> out;
  for (int i = 0; i < count; ++i) {
    seed = seed * 1103515245u + 12345u;
    const float x = static_cast<float>((seed >> 8) % (kWidth - 32));
    seed = seed * 1103515245u + 12345u;
    const float y = static_cast<float>((seed >> 8) % (kHeight - 32));
    out.push_back({x, y, 0xC0000000u | (seed & 0x00FFFFFFu)});
  }
  return out;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

std::vector<uint32_t> Texels() {
  std::vector<uint32_t> px(32 * 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      px[static_cast<size_t>(y * 32 + x)] = 0xFF000000u | static_cast<uint32_t>(x * 8) << 16 |
                                            static_cast<uint32_t>(y * 8) << 8 | 0x40u;
  return px;
}

bool WriteTexture(const std::filesystem::path& path) {
  const std::vector<uint32_t> px = Texels();
  FIBITMAP* bmp = FreeImage_Allocate(32, 32, 24);
  for (int y = 0; y < 32; ++y) {
    BYTE* row = FreeImage_GetScanLine(bmp, 31 - y);
    for (int x = 0; x < 32; ++x) {
      const uint32_t c = px[static_cast<size_t>(y * 32 + x)];
      row[x * 3 + FI_RGBA_BLUE] = static_cast<BYTE>(c);
      row[x * 3 + FI_RGBA_GREEN] = static_cast<BYTE>(c >> 8);
      row[x * 3 + FI_RGBA_RED] = static_cast<BYTE>(c >> 16);
    }
  }
  const bool ok = FreeImage_Save(FIF_BMP, bmp, path.c_str(), 0) != 0;
  FreeImage_Unload(bmp);
  return ok;
}

// Our side: the engine on its off-screen device, sprites bound by name as the game does.
class Ours {
 public:
  bool Init(const std::filesystem::path& folder) {
    if (!engine_.InitOffscreen(kWidth, kHeight)) return false;
    engine_.AddTextureFolder(folder.string());
    sprite_.width = 32;
    sprite_.height = 32;
    return true;
  }
  void Draw(const std::vector<Placement>& sprites, const std::vector<Placement>& fills) {
    engine_.BeginRender();
    for (const Placement& f : fills)
      engine_.FillRect(static_cast<int>(f.x), static_cast<int>(f.y), static_cast<int>(f.x) + 64,
                       static_cast<int>(f.y) + 48, f.colour);
    for (const Placement& p : sprites) {
      engine_.SetTextureByName("bench.bmp");
      sprite_.SetColourARGB(p.colour);
      sprite_.SetPosition(p.x + 16, p.y + 16);
      sprite_.Draw();
    }
    engine_.EndScene();
  }
  void Present() { engine_.Flip(); }
  std::vector<uint32_t> Pixels() {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    std::string error;
    engine_.GetDevice()->ReadPixels(px, w, h, error);
    return px;
  }
  plat::RenderDevice::BindCounts Binds() { return engine_.GetDevice()->GetBindCounts(); }
  ~Ours() { engine_.Release(); }

 private:
  D3DEngine& engine_ = D3DEngine::Instance();
  BaseSprite sprite_;
};

// SDL drawn directly through its fast paths for axis-aligned quads of one colour: fill
// rectangles and copies, the texture's modulation set per sprite.
class Raw {
 public:
  bool Init() {
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!surface_) return false;
    r_ = SDL_CreateSoftwareRenderer(surface_);
    if (!r_) return false;
    const std::vector<uint32_t> px = Texels();
    tex_ = SDL_CreateTexture(r_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 32, 32);
    if (!tex_) return false;
    SDL_UpdateTexture(tex_, nullptr, px.data(), 32 * 4);
    SDL_SetTextureBlendMode(tex_, SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_BLEND);
    Clear();
    return true;
  }
  void Draw(const std::vector<Placement>& sprites, const std::vector<Placement>& fills) {
    for (const Placement& f : fills) {
      SDL_SetRenderDrawColor(r_, Byte(f.colour, 16), Byte(f.colour, 8), Byte(f.colour, 0),
                             Byte(f.colour, 24));
      const SDL_Rect dst{static_cast<int>(f.x), static_cast<int>(f.y), 64, 48};
      SDL_RenderFillRect(r_, &dst);
    }
    const SDL_Rect whole{0, 0, 32, 32};
    for (const Placement& p : sprites) {
      SDL_SetTextureColorMod(tex_, Byte(p.colour, 16), Byte(p.colour, 8), Byte(p.colour, 0));
      SDL_SetTextureAlphaMod(tex_, Byte(p.colour, 24));
      const SDL_Rect dst{static_cast<int>(p.x), static_cast<int>(p.y), 32, 32};
      SDL_RenderCopy(r_, tex_, &whole, &dst);
    }
  }
  void Present() {
    SDL_RenderPresent(r_);
    Clear();
  }
  std::vector<uint32_t> Pixels() {
    std::vector<uint32_t> px(static_cast<size_t>(kWidth) * kHeight);
    SDL_RenderReadPixels(r_, nullptr, SDL_PIXELFORMAT_ARGB8888, px.data(), kWidth * 4);
    return px;
  }
  ~Raw() {
    if (tex_) SDL_DestroyTexture(tex_);
    if (r_) SDL_DestroyRenderer(r_);
    if (surface_) SDL_FreeSurface(surface_);
  }

 private:
  static Uint8 Byte(uint32_t c, int shift) { return static_cast<Uint8>(c >> shift); }
  void Clear() {
    SDL_SetRenderDrawColor(r_, 0, 0, 0, 255);
    SDL_RenderClear(r_);
  }
  SDL_Surface* surface_ = nullptr;
  SDL_Renderer* r_ = nullptr;
  SDL_Texture* tex_ = nullptr;
};

// The weather at its heaviest on our renderer.
class Weather {
 public:
  Weather() : snow_(&drops_) {
    D3DEngine::Instance().AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    tank_.DrawFrame(false, 1.0f);  // the fish spawn
    while (GUI_Insect::All().size() < 12) new GUI_Insect();  // flies live as long as the run
    for (int i = 0; i < 100; ++i) rain_.DrawFrame(1.0f, 1.0f);  // faded in
  }
  void Draw() {
    D3DEngine& engine = D3DEngine::Instance();
    engine.BeginRender();
    // Snowdrops kept at all 100 (they shrink away with time).
    while (drops_.Start(LookRandomFloat(0.0f, kWidth), kHeight, 6.0f)) {
    }
    GUI_Insect::DrawFirst(12, 1.0f);
    tank_.DrawFrame(true, 1.0f);
    snow_.DrawFrame(1.0f, 1.0f);
    drops_.Draw(true);
    rain_.DrawFrame(1.0f, 1.0f);
    lights_.DrawPulses();
    engine.EndScene();
  }
  void Present() { D3DEngine::Instance().Flip(); }

 private:
  GUI_Rain rain_;
  GUI_SnowdropEffect drops_;
  GUI_Snow snow_;
  GUI_FishTank tank_;
  GUI_NightClubLights lights_;
};

double Ms(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "tovel-bench-render";
  std::filesystem::create_directories(folder);
  if (!WriteTexture(folder / "bench.bmp")) return 1;
  D3DEngine::Instance().SetLogPath((folder / "drawdebug.txt").string());
  const std::vector<Placement> sprites = Scene(kSprites, 1), fills = Scene(kFills, 2);
  Ours ours;
  Raw raw;
  if (!ours.Init(folder) || !raw.Init()) return 1;

  // Both sides must draw the same picture, or the comparison says nothing.
  ours.Draw(sprites, fills);
  raw.Draw(sprites, fills);
  const std::vector<uint32_t> a = ours.Pixels(), b = raw.Pixels();
  long differing = a.size() == b.size() ? 0 : -1;
  for (size_t i = 0; differing >= 0 && i < a.size(); ++i) differing += a[i] != b[i];
  ours.Present();
  raw.Present();

  // Frames alternate between the two sides so a busy machine slows both alike.
  const plat::RenderDevice::BindCounts before = ours.Binds();
  std::vector<double> oursMs, rawMs;
  for (int i = 0; i < kFrames; ++i) {
    auto start = std::chrono::steady_clock::now();
    ours.Draw(sprites, fills);
    ours.Present();
    oursMs.push_back(Ms(start));
    start = std::chrono::steady_clock::now();
    raw.Draw(sprites, fills);
    raw.Present();
    rawMs.push_back(Ms(start));
  }
  const plat::RenderDevice::BindCounts after = ours.Binds();
  const double o = Median(oursMs), r = Median(rawMs);
  std::printf("ms_per_frame %.3f\n", o);
  std::printf("raw_ms_per_frame %.3f\n", r);
  std::printf("ratio %.3f\n", o / r);
  std::printf("pixels_differing %ld\n", differing);
  std::printf("texture_binds_per_frame %.1f\n",
              static_cast<double>(after.changes - before.changes) / kFrames);
  std::printf("redundant_binds_per_frame %.1f\n",
              static_cast<double>(after.repeats - before.repeats) / kFrames);

  Weather weather;
  std::vector<double> weatherMs;
  for (int i = 0; i < kFrames; ++i) {
    const auto start = std::chrono::steady_clock::now();
    weather.Draw();
    weather.Present();
    weatherMs.push_back(Ms(start));
  }
  std::printf("weather_ms_per_frame %.3f\n", Median(weatherMs));
  return 0;
}

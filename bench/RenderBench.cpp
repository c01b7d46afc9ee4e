// The renderer's cost per frame: 500 tinted 32 x 32 sprites and 50 translucent fills on SDL's
// software renderer at 1024 x 768. The sprites mix textures and colours as a late game's frame
// does: 15 textures, one drawn in 18 colours (the rain's splashes, growing and fading), one in 5
// (a window's parts), the rest in one each. It is measured against two other ways to the same
// pixels:
// - SDL's own fastest way ("raw"): each texture tinted in each of its colours beforehand, then
//   only copied, blended and unmodulated;
// - the floor: the renderer's own way with nothing left to look up. Each sprite's tinted
//   picture is resolved and its opaque, clear and partly clear runs are worked out before the
//   first frame; the fills go through SDL, and the sprites are written straight into the
//   frame with the renderer's blend. No renderer can draw these sprites for less.
// The three sides take turns frame by frame over 7 rounds of 40 frames, so a busy machine
// slows them alike; each ratio is the median of the rounds' ratios of medians.
// Prints "ms_per_frame", "raw_ms_per_frame", "floor_ms_per_frame" (medians of every frame),
// "ratio" (ours / raw), "floor_ratio" (ours / floor), "pixels_differing" and
// "floor_pixels_differing" (pixels of our picture and the other side's more than 2 apart in a
// channel: 0 is the same picture; compared at the first frame and at the last timed one), and
// the device's texture binds per frame: those that changed the texture and the redundant ones
// that bound the texture already bound.
// Then the main scene's weather at its heaviest, drawn by the game's own effects with the
// shipped pictures: rain at intensity 1 with its splashes, 1,000 snowflakes, 100 snowdrops,
// 12 flies, 3 fish and the 10 night-club lights; each kind of particle is one draw call, the
// lights one copy each ("weather_ms_per_frame", median of 200 frames).
#include <FreeImage.h>
#include <SDL.h>  // the raw baseline only

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "gui/GUI_FishTank.h"
#include "gui/GUI_NightClubLights.h"
#include "gui/GUI_Rain.h"
#include "gui/GUI_Snow.h"
#include "platform/TexelRuns.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768, kSprites = 500, kFills = 50, kFrames = 200;
constexpr int kRounds = 7, kRoundFrames = 40;
// Colours of each texture, as a late game's frame tints its textures.
constexpr int kColoursOf[] = {18, 5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr int kTextures = static_cast<int>(sizeof kColoursOf / sizeof kColoursOf[0]);

struct Placement {
  float x, y;
  uint32_t colour;
  int texture = 0;
};

uint32_t Next(uint32_t& seed) {
  seed = seed * 1103515245u + 12345u;
  return seed >> 8;
}

// Every texture's colours: translucent to opaque, of any hue.
std::vector<std::vector<uint32_t>> Colours() {
  std::vector<std::vector<uint32_t>> out(kTextures);
  uint32_t seed = 3;
  for (int t = 0; t < kTextures; ++t)
    for (int c = 0; c < kColoursOf[t]; ++c) {
      const uint32_t alpha = 0x40u + Next(seed) % 0xC0u;
      out[static_cast<size_t>(t)].push_back(alpha << 24 | (Next(seed) & 0x00FFFFFFu));
    }
  return out;
}

// A fixed scene, the same for both runs: fills (texture -1) or sprites taking the textures'
// colours in turn.
std::vector<Placement> Scene(int count, uint32_t seed, bool sprites) {
  const std::vector<std::vector<uint32_t>> colours = Colours();
  std::vector<std::pair<int, uint32_t>> tints;
  for (int t = 0; t < kTextures; ++t)
    for (uint32_t c : colours[static_cast<size_t>(t)]) tints.emplace_back(t, c);
  std::vector<Placement> out;
  for (int i = 0; i < count; ++i) {
    const float x = static_cast<float>(Next(seed) % (kWidth - 32));
    const float y = static_cast<float>(Next(seed) % (kHeight - 32));
    const uint32_t random = 0xC0000000u | (Next(seed) & 0x00FFFFFFu);
    const auto& tint = tints[static_cast<size_t>(i) % tints.size()];
    out.push_back(sprites ? Placement{x, y, tint.second, tint.first}
                          : Placement{x, y, random, -1});
  }
  return out;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

std::vector<uint32_t> Texels(int texture) {
  std::vector<uint32_t> px(32 * 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      px[static_cast<size_t>(y * 32 + x)] = 0xFF000000u | static_cast<uint32_t>(x * 8) << 16 |
                                            static_cast<uint32_t>(y * 8) << 8 |
                                            static_cast<uint32_t>(0x40 + texture * 12);
  return px;
}

// A texel times a colour, channel by channel, as SDL's modulating blitter multiplies them.
uint32_t Tint(uint32_t texel, uint32_t colour) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= (((texel >> shift) & 0xFFu) * ((colour >> shift) & 0xFFu) / 255u) << shift;
  return out;
}

std::string TextureName(int texture) { return "bench" + std::to_string(texture) + ".bmp"; }

bool WriteTexture(const std::filesystem::path& path, int texture) {
  const std::vector<uint32_t> px = Texels(texture);
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
    for (int t = 0; t < kTextures; ++t) names_.push_back(TextureName(t));
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
      engine_.SetTextureByName(names_[static_cast<size_t>(p.texture)]);
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
  std::vector<std::string> names_;
};

// A frame of SDL's software renderer over a surface of its own: the fills are drawn on it, and
// the sides below draw their sprites on top.
class SoftwareFrame {
 public:
  SoftwareFrame() = default;
  SoftwareFrame(const SoftwareFrame&) = delete;
  SoftwareFrame& operator=(const SoftwareFrame&) = delete;
  void Present() {
    SDL_RenderPresent(r_);
    Clear();
  }
  std::vector<uint32_t> Pixels() {
    std::vector<uint32_t> px(static_cast<size_t>(kWidth) * kHeight);
    SDL_RenderReadPixels(r_, nullptr, SDL_PIXELFORMAT_ARGB8888, px.data(), kWidth * 4);
    return px;
  }
  ~SoftwareFrame() {
    if (r_) SDL_DestroyRenderer(r_);
    if (surface_) SDL_FreeSurface(surface_);
  }

 protected:
  bool Open() {
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!surface_ || SDL_MUSTLOCK(surface_)) return false;
    r_ = SDL_CreateSoftwareRenderer(surface_);
    if (!r_) return false;
    SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_BLEND);
    Clear();
    return true;
  }
  void DrawFills(const std::vector<Placement>& fills) {
    for (const Placement& f : fills) {
      SDL_SetRenderDrawColor(r_, Byte(f.colour, 16), Byte(f.colour, 8), Byte(f.colour, 0),
                             Byte(f.colour, 24));
      const SDL_Rect dst{static_cast<int>(f.x), static_cast<int>(f.y), 64, 48};
      SDL_RenderFillRect(r_, &dst);
    }
  }
  SDL_Surface* surface_ = nullptr;
  SDL_Renderer* r_ = nullptr;

 private:
  static Uint8 Byte(uint32_t c, int shift) { return static_cast<Uint8>(c >> shift); }
  void Clear() {
    SDL_SetRenderDrawColor(r_, 0, 0, 0, 255);
    SDL_RenderClear(r_);
  }
};

// SDL drawn directly through its fastest paths for axis-aligned quads of one colour: fill
// rectangles, and copies of each texture tinted beforehand in each of its colours (multiplied
// as SDL's modulation multiplies), blended without modulation.
class Raw : public SoftwareFrame {
 public:
  bool Init(const std::vector<Placement>& sprites) {
    if (!Open()) return false;
    for (const Placement& p : sprites) {
      const auto key = std::make_pair(p.texture, p.colour);
      if (tinted_.count(key)) continue;
      std::vector<uint32_t> px = Texels(p.texture);
      for (uint32_t& c : px) c = Tint(c, p.colour);
      SDL_Texture* tex =
          SDL_CreateTexture(r_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 32, 32);
      if (!tex) return false;
      SDL_UpdateTexture(tex, nullptr, px.data(), 32 * 4);
      SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_BLEND);
      tinted_[key] = tex;
    }
    return true;
  }
  void Draw(const std::vector<Placement>& sprites, const std::vector<Placement>& fills) {
    DrawFills(fills);
    const SDL_Rect whole{0, 0, 32, 32};
    for (const Placement& p : sprites) {
      const SDL_Rect dst{static_cast<int>(p.x), static_cast<int>(p.y), 32, 32};
      SDL_RenderCopy(r_, tinted_[std::make_pair(p.texture, p.colour)], &whole, &dst);
    }
  }
  ~Raw() {
    for (auto& [key, tex] : tinted_) SDL_DestroyTexture(tex);
  }

 private:
  std::map<std::pair<int, uint32_t>, SDL_Texture*> tinted_;
};

// The floor: sprites written straight into the frame from pictures and runs found beforehand.
class Floor : public SoftwareFrame {
 public:
  bool Init(const std::vector<Placement>& sprites) {
    if (!Open()) return false;
    std::map<std::pair<int, uint32_t>, size_t> index;
    for (const Placement& p : sprites) {
      const auto key = std::make_pair(p.texture, p.colour);
      if (index.count(key)) continue;
      Picture picture;
      picture.texels = Texels(p.texture);
      for (uint32_t& c : picture.texels) c = Tint(c, p.colour);
      picture.runs.Find(picture.texels.data(), 32, 32);
      index[key] = pictures_.size();
      pictures_.push_back(std::move(picture));
    }
    for (const Placement& p : sprites)
      resolved_.push_back(&pictures_[index[std::make_pair(p.texture, p.colour)]]);
    return true;
  }
  void Draw(const std::vector<Placement>& sprites, const std::vector<Placement>& fills) {
    DrawFills(fills);
    SDL_RenderFlush(r_);
    auto* frame = static_cast<uint32_t*>(surface_->pixels);
    for (size_t i = 0; i < sprites.size(); ++i) {
      const Picture& p = *resolved_[i];
      p.runs.Draw(p.texels.data(), 32, 0, 0, 32, 32, frame, surface_->pitch, kWidth, kHeight,
                  static_cast<int>(sprites[i].x), static_cast<int>(sprites[i].y));
    }
  }

 private:
  struct Picture {
    std::vector<uint32_t> texels;
    plat::TexelRuns runs;
  };
  std::vector<Picture> pictures_;
  std::vector<const Picture*> resolved_;  // each sprite's, in scene order
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

// Pixels of `a` and `b` more than 2 apart in a channel (-1: pictures of different sizes).
long Differing(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  if (a.size() != b.size()) return -1;
  long n = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    bool off = false;
    for (int shift = 0; shift < 32; shift += 8) {
      auto channel = [shift](uint32_t c) { return static_cast<int>((c >> shift) & 0xFFu); };
      off = off || std::abs(channel(a[i]) - channel(b[i])) > 2;
    }
    n += off;
  }
  return n;
}

double Ms(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "tovel-bench-render";
  std::filesystem::create_directories(folder);
  for (int t = 0; t < kTextures; ++t)
    if (!WriteTexture(folder / TextureName(t), t)) return 1;
  D3DEngine::Instance().SetLogPath((folder / "drawdebug.txt").string());
  const std::vector<Placement> sprites = Scene(kSprites, 1, true), fills = Scene(kFills, 2, false);
  Ours ours;
  Raw raw;
  Floor floor;
  if (!ours.Init(folder) || !raw.Init(sprites) || !floor.Init(sprites)) return 1;

  // The sides must draw the same picture, or the comparison says nothing: at the first frame
  // (before the device keeps any tinted copy) and at the last timed one.
  auto compare = [&] {
    ours.Draw(sprites, fills);
    raw.Draw(sprites, fills);
    floor.Draw(sprites, fills);
    const std::vector<uint32_t> picture = ours.Pixels();
    const std::pair<long, long> n{Differing(picture, raw.Pixels()),
                                  Differing(picture, floor.Pixels())};
    ours.Present();
    raw.Present();
    floor.Present();
    return n;
  };
  const std::pair<long, long> firstDiffering = compare();

  const plat::RenderDevice::BindCounts before = ours.Binds();
  std::vector<double> oursMs, rawMs, floorMs, rawRatios, floorRatios;
  auto timed = [](auto& side, const std::vector<Placement>& s, const std::vector<Placement>& f,
                  std::vector<double>& round) {
    const auto start = std::chrono::steady_clock::now();
    side.Draw(s, f);
    side.Present();
    round.push_back(Ms(start));
  };
  for (int round = 0; round < kRounds; ++round) {
    std::vector<double> o, r, f;
    for (int i = 0; i < kRoundFrames; ++i) {
      timed(ours, sprites, fills, o);
      timed(raw, sprites, fills, r);
      timed(floor, sprites, fills, f);
    }
    rawRatios.push_back(Median(o) / Median(r));
    floorRatios.push_back(Median(o) / Median(f));
    oursMs.insert(oursMs.end(), o.begin(), o.end());
    rawMs.insert(rawMs.end(), r.begin(), r.end());
    floorMs.insert(floorMs.end(), f.begin(), f.end());
  }
  const plat::RenderDevice::BindCounts after = ours.Binds();
  const std::pair<long, long> lastDiffering = compare();
  auto worst = [](long a, long b) { return a < 0 || b < 0 ? -1 : std::max(a, b); };
  const double frames = static_cast<double>(kRounds) * kRoundFrames;
  std::printf("ms_per_frame %.3f\n", Median(oursMs));
  std::printf("raw_ms_per_frame %.3f\n", Median(rawMs));
  std::printf("floor_ms_per_frame %.3f\n", Median(floorMs));
  std::printf("ratio %.3f\n", Median(rawRatios));
  std::printf("floor_ratio %.3f\n", Median(floorRatios));
  std::printf("pixels_differing %ld\n", worst(firstDiffering.first, lastDiffering.first));
  std::printf("floor_pixels_differing %ld\n", worst(firstDiffering.second, lastDiffering.second));
  std::printf("texture_binds_per_frame %.1f\n",
              static_cast<double>(after.changes - before.changes) / frames);
  std::printf("redundant_binds_per_frame %.1f\n",
              static_cast<double>(after.repeats - before.repeats) / frames);

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

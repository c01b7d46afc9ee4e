// The renderer's cost per frame against SDL drawn directly: 500 textured 32 x 32 sprites and
// 50 translucent fills on SDL's software renderer at 1024 x 768, median of 200 frames each.
// Prints "ms_per_frame", "raw_ms_per_frame" and "ratio" (ours / raw).
#include <FreeImage.h>
#include <SDL.h>  // the raw baseline only

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"

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

template <typename F>
double TimeFrames(F&& frame) {
  std::vector<double> ms;
  for (int i = 0; i < kFrames; ++i) {
    const auto start = std::chrono::steady_clock::now();
    frame();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  return Median(ms);
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

double OursMs(const std::vector<Placement>& sprites, const std::vector<Placement>& fills,
              const std::filesystem::path& folder) {
  D3DEngine& engine = D3DEngine::Instance();
  if (!engine.InitOffscreen(kWidth, kHeight)) return -1.0;
  engine.AddTextureFolder(folder.string());
  BaseSprite sprite;
  sprite.width = 32;
  sprite.height = 32;
  const double ms = TimeFrames([&] {
    engine.BeginRender();
    for (const Placement& f : fills)
      engine.FillRect(static_cast<int>(f.x), static_cast<int>(f.y), static_cast<int>(f.x) + 64,
                      static_cast<int>(f.y) + 48, f.colour);
    for (const Placement& p : sprites) {
      engine.SetTextureByName("bench.bmp");
      sprite.SetColourARGB(p.colour);
      sprite.SetPosition(p.x + 16, p.y + 16);
      sprite.Draw();
    }
    engine.EndScene();
    engine.Flip();
  });
  engine.Release();
  return ms;
}

SDL_Vertex Vx(float x, float y, uint32_t c, float u, float v) {
  return SDL_Vertex{{x, y},
                    {static_cast<Uint8>(c >> 16), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c),
                     static_cast<Uint8>(c >> 24)},
                    {u, v}};
}

double RawMs(const std::vector<Placement>& sprites, const std::vector<Placement>& fills) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32,
                                                        SDL_PIXELFORMAT_ARGB8888);
  SDL_Renderer* r = SDL_CreateSoftwareRenderer(surface);
  const std::vector<uint32_t> px = Texels();
  SDL_Texture* tex =
      SDL_CreateTexture(r, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 32, 32);
  SDL_UpdateTexture(tex, nullptr, px.data(), 32 * 4);
  SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_BLEND);
  SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
  const int indices[6] = {0, 1, 2, 2, 1, 3};
  const double ms = TimeFrames([&] {
    for (const Placement& f : fills) {
      const SDL_Vertex v[4] = {Vx(f.x, f.y, f.colour, 0, 0), Vx(f.x + 64, f.y, f.colour, 1, 0),
                               Vx(f.x, f.y + 48, f.colour, 0, 1),
                               Vx(f.x + 64, f.y + 48, f.colour, 1, 1)};
      SDL_RenderGeometry(r, nullptr, v, 4, indices, 6);
    }
    for (const Placement& p : sprites) {
      const SDL_Vertex v[4] = {Vx(p.x, p.y, p.colour, 0, 0), Vx(p.x + 32, p.y, p.colour, 1, 0),
                               Vx(p.x, p.y + 32, p.colour, 0, 1),
                               Vx(p.x + 32, p.y + 32, p.colour, 1, 1)};
      SDL_RenderGeometry(r, tex, v, 4, indices, 6);
    }
    SDL_RenderPresent(r);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_RenderClear(r);
  });
  SDL_DestroyTexture(tex);
  SDL_DestroyRenderer(r);
  SDL_FreeSurface(surface);
  return ms;
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "tovel-bench-render";
  std::filesystem::create_directories(folder);
  if (!WriteTexture(folder / "bench.bmp")) return 1;
  D3DEngine::Instance().SetLogPath((folder / "drawdebug.txt").string());
  const std::vector<Placement> sprites = Scene(kSprites, 1), fills = Scene(kFills, 2);
  const double ours = OursMs(sprites, fills, folder);
  const double raw = RawMs(sprites, fills);
  if (ours < 0.0 || raw <= 0.0) return 1;
  std::printf("ms_per_frame %.3f\n", ours);
  std::printf("raw_ms_per_frame %.3f\n", raw);
  std::printf("ratio %.3f\n", ours / raw);
  return 0;
}

// Queued text per frame against textures drawn directly with SDL: 300 items a frame (one-line
// and wrapped, 20 distinct strings) at 1024 x 768 on SDL's software renderer, median of 200
// frames each. The raw run draws the same strings from textures rendered once beforehand (no
// layout, no lookup). Prints "ms_per_frame", "raw_ms_per_frame" and "ratio" (ours / raw).
#include <SDL.h>      // the raw baseline only
#include <SDL_ttf.h>  // the raw baseline only

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "platform/Fonts.h"
#include "platform/System.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768, kItems = 300, kStrings = 20, kFrames = 200;

struct Item {
  float x, y, width;
  int text, size;
  int r, g, b;
};

std::vector<std::string> Strings() {
  std::vector<std::string> out;
  for (int i = 0; i < kStrings; ++i) {
    if (i % 2 == 0)
      out.push_back("Label " + std::to_string(i) + ": \xA3" + std::to_string(i * 137));
    else
      out.push_back("A longer description number " + std::to_string(i) +
                    " that wraps onto a second line in its box");
  }
  return out;
}

std::vector<Item> Items() {
  std::vector<Item> out;
  uint32_t seed = 7;
  for (int i = 0; i < kItems; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int text = static_cast<int>((seed >> 8) % kStrings);
    const float x = static_cast<float>((seed >> 12) % (kWidth - 260));
    seed = seed * 1103515245u + 12345u;
    const float y = static_cast<float>((seed >> 8) % (kHeight - 40));
    out.push_back({x, y, text % 2 ? 240.0f : 0.0f, text, text % 2 ? 16 : 12,
                   static_cast<int>(seed & 0xFF), static_cast<int>((seed >> 8) & 0xFF), 255});
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
    ms.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return Median(ms);
}

double Ours(const std::vector<std::string>& strings, const std::vector<Item>& items) {
  D3DEngine& engine = D3DEngine::Instance();
  if (!engine.InitOffscreen(kWidth, kHeight)) return -1.0;
  const double ms = TimeFrames([&] {
    engine.BeginRender();
    for (const Item& it : items)
      QueueTextString(it.x, it.y, strings[static_cast<size_t>(it.text)], "tahoma bold", it.size,
                      it.width, 0, it.r, it.g, it.b);
    engine.EndScene();
    FlushGdiText(-1);
    engine.Flip();
  });
  engine.Release();
  return ms;
}

double Raw(const std::vector<std::string>& strings, const std::vector<Item>& items) {
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
  if (!renderer || TTF_Init() != 0) return -1.0;
  const std::string file = plat::ResolveFontFace("tahoma bold").file;
  TTF_Font* small = TTF_OpenFont(file.c_str(), 10);
  TTF_Font* large = TTF_OpenFont(file.c_str(), 13);
  if (!small || !large) return -1.0;
  // Every string rendered once in the size it is drawn at (wrapped ones pre-wrapped).
  std::vector<SDL_Texture*> textures;
  std::vector<SDL_Rect> sizes;
  for (int i = 0; i < kStrings; ++i) {
    const std::string utf8 = plat::Cp1252ToUtf8(strings[static_cast<size_t>(i)]);
    SDL_Surface* s = i % 2 ? TTF_RenderUTF8_Blended_Wrapped(large, utf8.c_str(), {255, 255, 255, 255}, 240)
                           : TTF_RenderUTF8_Blended(small, utf8.c_str(), {255, 255, 255, 255});
    textures.push_back(SDL_CreateTextureFromSurface(renderer, s));
    sizes.push_back({0, 0, s->w, s->h});
    SDL_FreeSurface(s);
  }
  const double ms = TimeFrames([&] {
    for (const Item& it : items) {
      SDL_Texture* t = textures[static_cast<size_t>(it.text)];
      const SDL_Rect& sz = sizes[static_cast<size_t>(it.text)];
      SDL_SetTextureColorMod(t, static_cast<Uint8>(it.r), static_cast<Uint8>(it.g),
                             static_cast<Uint8>(it.b));
      const SDL_Rect dst{static_cast<int>(it.x), static_cast<int>(it.y), sz.w, sz.h};
      SDL_RenderCopy(renderer, t, nullptr, &dst);
    }
    SDL_RenderPresent(renderer);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
  });
  for (SDL_Texture* t : textures) SDL_DestroyTexture(t);
  TTF_CloseFont(small);
  TTF_CloseFont(large);
  SDL_DestroyRenderer(renderer);
  SDL_FreeSurface(target);
  return ms;
}

}  // namespace

int main() {
  const std::vector<std::string> strings = Strings();
  const std::vector<Item> items = Items();
  const double ours = Ours(strings, items);
  const double raw = Raw(strings, items);
  if (ours < 0.0 || raw <= 0.0) {
    std::fprintf(stderr, "bench-text: could not start the renderer or the fonts\n");
    return 1;
  }
  std::printf("ms_per_frame %.3f\n", ours);
  std::printf("raw_ms_per_frame %.3f\n", raw);
  std::printf("ratio %.2f\n", ours / raw);
  return 0;
}

// Queued text per frame against textures drawn directly with SDL: 300 items a frame (one-line
// and wrapped, 20 distinct strings, each item in a colour of its own) at 1024 x 768 on SDL's
// software renderer, median of 200 frames each. The raw run is SDL's fastest way to put the
// same pixels on screen: every (string, size, colour) rendered and tinted once beforehand, then
// only copied (no layout, no lookup, no colour modulation). Prints "ms_per_frame",
// "raw_ms_per_frame" and "ratio" (ours / raw).
#include <SDL.h>      // the raw baseline only
#include <SDL_ttf.h>  // the raw baseline only

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
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

double Ms(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// Our side: the text queue flushed after the scene, as the game draws text.
class Ours {
 public:
  bool Init() { return engine_.InitOffscreen(kWidth, kHeight); }
  void Frame(const std::vector<std::string>& strings, const std::vector<Item>& items) {
    engine_.BeginRender();
    for (const Item& it : items)
      QueueTextString(it.x, it.y, strings[static_cast<size_t>(it.text)], "tahoma bold", it.size,
                      it.width, 0, it.r, it.g, it.b);
    engine_.EndScene();
    FlushGdiText(-1);
    engine_.Flip();
  }
  ~Ours() { engine_.Release(); }

 private:
  D3DEngine& engine_ = D3DEngine::Instance();
};

// SDL drawn directly: one texture for each (string, size, colour) the items use, rendered
// beforehand in its size and colour (wrapped ones pre-wrapped), then only copied.
class Raw {
 public:
  bool Init(const std::vector<std::string>& strings, const std::vector<Item>& items) {
    target_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!target_) return false;
    renderer_ = SDL_CreateSoftwareRenderer(target_);
    if (!renderer_ || TTF_Init() != 0) return false;
    const std::string file = plat::ResolveFontFace("tahoma bold").file;
    small_ = TTF_OpenFont(file.c_str(), 10);
    large_ = TTF_OpenFont(file.c_str(), 13);
    if (!small_ || !large_) return false;
    // An item's size follows its string, so a string and a colour name its texture.
    std::map<std::tuple<int, int, int, int>, size_t> made;
    for (const Item& it : items) {
      const auto key = std::make_tuple(it.text, it.r, it.g, it.b);
      auto found = made.find(key);
      if (found == made.end()) {
        const std::string utf8 = plat::Cp1252ToUtf8(strings[static_cast<size_t>(it.text)]);
        const SDL_Color colour{static_cast<Uint8>(it.r), static_cast<Uint8>(it.g),
                               static_cast<Uint8>(it.b), 255};
        SDL_Surface* s = it.text % 2
                             ? TTF_RenderUTF8_Blended_Wrapped(large_, utf8.c_str(), colour, 240)
                             : TTF_RenderUTF8_Blended(small_, utf8.c_str(), colour);
        if (!s) return false;
        textures_.push_back(SDL_CreateTextureFromSurface(renderer_, s));
        sizes_.push_back({0, 0, s->w, s->h});
        SDL_FreeSurface(s);
        if (!textures_.back()) return false;
        found = made.emplace(key, textures_.size() - 1).first;
      }
      textureOf_.push_back(found->second);
    }
    return true;
  }
  void Frame(const std::vector<Item>& items) {
    for (size_t i = 0; i < items.size(); ++i) {
      const SDL_Rect& sz = sizes_[textureOf_[i]];
      const SDL_Rect dst{static_cast<int>(items[i].x), static_cast<int>(items[i].y), sz.w, sz.h};
      SDL_RenderCopy(renderer_, textures_[textureOf_[i]], nullptr, &dst);
    }
    SDL_RenderPresent(renderer_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
  }
  ~Raw() {
    for (SDL_Texture* t : textures_) SDL_DestroyTexture(t);
    if (small_) TTF_CloseFont(small_);
    if (large_) TTF_CloseFont(large_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (target_) SDL_FreeSurface(target_);
  }

 private:
  SDL_Surface* target_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  TTF_Font* small_ = nullptr;
  TTF_Font* large_ = nullptr;
  std::vector<SDL_Texture*> textures_;
  std::vector<SDL_Rect> sizes_;
  std::vector<size_t> textureOf_;  // each item's texture
};

}  // namespace

int main() {
  const std::vector<std::string> strings = Strings();
  const std::vector<Item> items = Items();
  Ours ours;
  Raw raw;
  if (!ours.Init() || !raw.Init(strings, items)) {
    std::fprintf(stderr, "bench-text: could not start the renderer or the fonts\n");
    return 1;
  }
  // Frames alternate between the two sides so a busy machine slows both alike.
  std::vector<double> oursMs, rawMs;
  for (int i = 0; i < kFrames; ++i) {
    auto start = std::chrono::steady_clock::now();
    ours.Frame(strings, items);
    oursMs.push_back(Ms(start));
    start = std::chrono::steady_clock::now();
    raw.Frame(items);
    rawMs.push_back(Ms(start));
  }
  const double o = Median(oursMs), r = Median(rawMs);
  std::printf("ms_per_frame %.3f\n", o);
  std::printf("raw_ms_per_frame %.3f\n", r);
  std::printf("ratio %.2f\n", o / r);
  return 0;
}

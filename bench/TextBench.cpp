// Queued text per frame against textures drawn directly with SDL: 300 items a frame (one-line
// and wrapped, 20 distinct strings, each item in a colour of its own) at 1024 x 768 on SDL's
// software renderer, median of 200 frames each. The raw run is SDL's fastest way to put the
// same pixels on screen: every (string, size, colour) set in SDL_ttf and tinted once
// beforehand, then only copied (no layout, no lookup, no colour modulation). Prints
// "ms_per_frame", "raw_ms_per_frame", "ratio" (ours / raw) and "pixels_differing" between the
// two pictures (pixels beyond 2/255 in a channel; 0: the same picture).
#include <SDL.h>      // the raw baseline only
#include <SDL_ttf.h>  // the raw baseline only

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
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
constexpr const char* kFace = "tahoma bold";

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
  void Draw(const std::vector<std::string>& strings, const std::vector<Item>& items) {
    engine_.BeginRender();
    for (const Item& it : items)
      QueueTextString(it.x, it.y, strings[static_cast<size_t>(it.text)], kFace, it.size, it.width,
                      0, it.r, it.g, it.b);
    engine_.EndScene();
    FlushGdiText(-1);
  }
  void Present() { engine_.Flip(); }
  std::vector<uint32_t> Pixels() {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    std::string error;
    engine_.GetDevice()->ReadPixels(px, w, h, error);
    return px;
  }
  ~Ours() { engine_.Release(); }

 private:
  D3DEngine& engine_ = D3DEngine::Instance();
};

// SDL drawn directly: one texture for each (string, size, colour) the items use, set in SDL_ttf
// beforehand the way the game sets type (the face at the em size its cell height gives,
// kerning off, the baseline at the cell's ascent, wrapped lines one cell apart, broken at
// blanks and cut to the box), its colour in the texels; then only copied.
class Raw {
 public:
  bool Init(const std::vector<std::string>& strings, const std::vector<Item>& items) {
    target_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!target_) return false;
    renderer_ = SDL_CreateSoftwareRenderer(target_);
    if (!renderer_ || TTF_Init() != 0) return false;
    Clear();
    std::map<std::tuple<int, int, int, int>, size_t> made;  // string, colour: texture
    for (const Item& it : items) {
      const auto key = std::make_tuple(it.text, it.r, it.g, it.b);
      auto found = made.find(key);
      if (found == made.end()) {
        const Font* font = FontOf(it.size);
        if (!font || !Make(*font, strings[static_cast<size_t>(it.text)], static_cast<int>(it.width),
                           it.r, it.g, it.b))
          return false;
        found = made.emplace(key, textures_.size() - 1).first;
      }
      textureOf_.push_back(found->second);
    }
    return true;
  }
  void Draw(const std::vector<Item>& items) {
    for (size_t i = 0; i < items.size(); ++i) {
      const Made& m = textures_[textureOf_[i]];
      const SDL_Rect dst{static_cast<int>(items[i].x), static_cast<int>(items[i].y) + m.top,
                         m.width, m.height};
      SDL_RenderCopy(renderer_, m.texture, nullptr, &dst);
    }
  }
  void Present() {
    SDL_RenderPresent(renderer_);
    Clear();
  }
  std::vector<uint32_t> Pixels() {
    std::vector<uint32_t> px(static_cast<size_t>(kWidth) * kHeight);
    SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, px.data(), kWidth * 4);
    return px;
  }
  ~Raw() {
    for (Made& m : textures_) SDL_DestroyTexture(m.texture);
    for (Font& f : fonts_) TTF_CloseFont(f.font);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (target_) SDL_FreeSurface(target_);
  }

 private:
  struct Font {
    int cell = 0;
    int ascent = 0;  // the cell's top to the baseline
    TTF_Font* font = nullptr;
  };
  struct Made {
    SDL_Texture* texture = nullptr;
    int width = 0, height = 0;
    int top = 0;  // the texture's top below the item's y
  };

  void Clear() {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
  }

  // The face at a cell height: its em size and ascent are the ones the game's font layer
  // works out from the face's own metrics.
  const Font* FontOf(int cell) {
    for (const Font& f : fonts_)
      if (f.cell == cell) return &f;
    const plat::ResolvedFont face = plat::ResolveFontFace(kFace);
    std::string error;
    const plat::FontHandle handle = plat::OpenFontAtCellHeight(face, cell, false, error);
    if (!handle) return nullptr;
    Font f{cell, plat::FontCellAscent(handle),
           TTF_OpenFont(face.file.c_str(), plat::FontEmPixels(handle))};
    if (!f.font) return nullptr;
    TTF_SetFontKerning(f.font, 0);
    TTF_SetFontHinting(f.font, TTF_HINTING_NORMAL);
    TTF_SetFontStyle(f.font, face.synthesiseBold ? TTF_STYLE_BOLD : TTF_STYLE_NORMAL);
    fonts_.push_back(f);
    return &fonts_.back();
  }

  static int LineWidth(const Font& f, const std::string& cp1252) {
    int w = 0, h = 0;
    return TTF_SizeUTF8(f.font, plat::Cp1252ToUtf8(cp1252).c_str(), &w, &h) == 0 ? w : 0;
  }

  // Greedy breaking at blanks: a line takes words while it fits the box; its first word always
  // stays (the bench's strings have no line breaks or ampersands).
  static std::vector<std::string> Lines(const Font& f, const std::string& text, int box) {
    if (box <= 0) return {text};
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
      size_t end = text.find(' ', pos);
      if (end == std::string::npos) end = text.size();
      while (end < text.size()) {
        size_t next = text.find(' ', end + 1);
        if (next == std::string::npos) next = text.size();
        if (LineWidth(f, text.substr(pos, next - pos)) > box) break;
        end = next;
      }
      lines.push_back(text.substr(pos, end - pos));
      pos = text.find_first_not_of(' ', end);
      if (pos == std::string::npos) break;
    }
    return lines;
  }

  // Sets a string in its colour into one texture: each line rendered by SDL_ttf, its surface
  // placed so that its baseline falls on the line's cell ascent, overlapping lines keeping the
  // greater coverage; wrapped text is cut to its box and half a kilopixel below its top.
  bool Make(const Font& f, const std::string& text, int box, int r, int g, int b) {
    struct Line {
      SDL_Surface* s;
      int top;
    };
    std::vector<Line> lines;
    int width = 0, first = 0, last = 0;
    const SDL_Color colour{static_cast<Uint8>(r), static_cast<Uint8>(g), static_cast<Uint8>(b),
                           255};
    for (const std::string& line : Lines(f, text, box)) {
      const std::string utf8 = plat::Cp1252ToUtf8(line);
      SDL_Surface* s = TTF_RenderUTF8_Blended(f.font, utf8.c_str(), colour);
      if (!s) return false;
      // SDL_ttf's baseline lies at its own ascent, lower by the rows a glyph rises above it.
      int above = 0;
      for (uint32_t c : CodePoints(utf8)) {
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        if (TTF_GlyphMetrics32(f.font, c, &minx, &maxx, &miny, &maxy, &advance) == 0)
          above = std::max(above, maxy - TTF_FontAscent(f.font));
      }
      const int top =
          static_cast<int>(lines.size()) * f.cell + f.ascent - TTF_FontAscent(f.font) - above;
      first = lines.empty() ? top : std::min(first, top);
      last = lines.empty() ? top + s->h : std::max(last, top + s->h);
      width = std::max(width, s->w);
      lines.push_back({s, top});
    }
    if (box > 0) {
      width = std::min(width, box);
      first = std::max(first, 0);
      last = std::min(last, 512);
    }
    const uint32_t rgb =
        static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
    std::vector<uint32_t> px(static_cast<size_t>(width) * static_cast<size_t>(last - first), rgb);
    for (const Line& line : lines) {
      SDL_Surface* s = SDL_ConvertSurfaceFormat(line.s, SDL_PIXELFORMAT_ARGB8888, 0);
      SDL_FreeSurface(line.s);
      if (!s) return false;
      for (int y = 0; y < s->h; ++y) {
        const int row = line.top + y - first;
        if (row < 0 || row >= last - first) continue;
        const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) +
                                                            static_cast<ptrdiff_t>(y) * s->pitch);
        uint32_t* dst = px.data() + static_cast<size_t>(row) * static_cast<size_t>(width);
        for (int x = 0; x < std::min(s->w, width); ++x)
          dst[x] = std::max(src[x] & 0xFF000000u, dst[x] & 0xFF000000u) | rgb;
      }
      SDL_FreeSurface(s);
    }
    Made m{SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width,
                             last - first),
           width, last - first, first};
    if (!m.texture) return false;
    SDL_UpdateTexture(m.texture, nullptr, px.data(), width * 4);
    SDL_SetTextureBlendMode(m.texture, SDL_BLENDMODE_BLEND);
    textures_.push_back(m);
    return true;
  }

  // The code points of well-formed UTF-8.
  static std::vector<uint32_t> CodePoints(const std::string& utf8) {
    std::vector<uint32_t> out;
    for (unsigned char u : utf8) {
      if ((u & 0xC0) == 0x80 && !out.empty())
        out.back() = out.back() << 6 | (u & 0x3Fu);
      else
        out.push_back(u < 0x80 ? u : u & (u < 0xE0 ? 0x1Fu : u < 0xF0 ? 0x0Fu : 0x07u));
    }
    return out;
  }

  SDL_Surface* target_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  std::deque<Font> fonts_;  // handed out by address
  std::vector<Made> textures_;
  std::vector<size_t> textureOf_;  // each item's texture
};

// Pixels whose colours differ by more than 2/255 in a channel: what rounding in the two ways of
// blending may leave, and no glyph a pixel away from where the other side put it.
long Differing(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  if (a.size() != b.size()) return -1;
  long count = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    for (int shift = 0; shift < 32; shift += 8) {
      const int d =
          static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF);
      if (d > 2 || d < -2) {
        ++count;
        break;
      }
    }
  }
  return count;
}

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
  // Both sides must draw the same picture, or the comparison says nothing. The first frame
  // lands on a cleared target on both sides.
  ours.Draw(strings, items);
  ours.Present();
  ours.Draw(strings, items);
  raw.Draw(items);
  const long differing = Differing(ours.Pixels(), raw.Pixels());
  ours.Present();
  raw.Present();

  // Frames alternate between the two sides so a busy machine slows both alike.
  std::vector<double> oursMs, rawMs;
  for (int i = 0; i < kFrames; ++i) {
    auto start = std::chrono::steady_clock::now();
    ours.Draw(strings, items);
    ours.Present();
    oursMs.push_back(Ms(start));
    start = std::chrono::steady_clock::now();
    raw.Draw(items);
    raw.Present();
    rawMs.push_back(Ms(start));
  }
  const double o = Median(oursMs), r = Median(rawMs);
  std::printf("ms_per_frame %.3f\n", o);
  std::printf("raw_ms_per_frame %.3f\n", r);
  std::printf("ratio %.2f\n", o / r);
  std::printf("pixels_differing %ld\n", differing);
  return 0;
}

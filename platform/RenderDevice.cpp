// The drawing device on SDL2's renderer.
#include "platform/RenderDevice.h"

#include "platform/TexelRuns.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace plat {

struct DeviceTexture;

// A texture's picture as it is drawn at one place of the game (software renderer only):
// stretched to the size it is drawn at and with the colour and alpha it is drawn with baked
// into its texels, so drawing it is a plain copy or a per-pixel blend instead of SDL's far
// slower modulating blitter.
struct ScaledCopy {
  SDL_Rect source{};  // the part of the texture copied
  int width = 0, height = 0;
  uint32_t modulation = 0xFFFFFFFFu;  // baked in
  DeviceTexture* copy = nullptr;
  long lastUsed = 0;
};

// A small turned (rotated) quad of a texture, as its shape, the part of the texture it shows
// and its colour: the corners' edges from the first corner in 1/16 pixel, the part in texels.
struct TurnedKey {
  int32_t e1x = 0, e1y = 0, e2x = 0, e2y = 0;
  int32_t u0 = 0, v0 = 0, u1 = 0, v1 = 0;
  uint32_t modulation = 0;
  bool operator==(const TurnedKey& o) const {
    return e1x == o.e1x && e1y == o.e1y && e2x == o.e2x && e2y == o.e2y && u0 == o.u0 &&
           v0 == o.v0 && u1 == o.u1 && v1 == o.v1 && modulation == o.modulation;
  }
};

struct TurnedKeyHash {
  size_t operator()(const TurnedKey& k) const {
    uint64_t h = 1469598103934665603ull;
    for (uint32_t part : {static_cast<uint32_t>(k.e1x), static_cast<uint32_t>(k.e1y),
                          static_cast<uint32_t>(k.e2x), static_cast<uint32_t>(k.e2y),
                          static_cast<uint32_t>(k.u0), static_cast<uint32_t>(k.v0),
                          static_cast<uint32_t>(k.u1), static_cast<uint32_t>(k.v1), k.modulation})
      h = (h ^ part) * 1099511628211ull;
    return static_cast<size_t>(h);
  }
};

// The picture SDL's geometry draws for a turned quad, kept (software renderer only): the quad
// drawn once into a small target with its colour and read back, then copied where the quad
// goes. `left` and `top` place the picture's corner from the quad's first corner.
struct TurnedCopy {
  DeviceTexture* copy = nullptr;
  float left = 0.0f, top = 0.0f;
  long lastUsed = 0;
};

struct DeviceTexture {
  SDL_Texture* texture = nullptr;
  int width = 0, height = 0;
  SDL_ScaleMode scaleMode = SDL_ScaleModeLinear;
  uint32_t modulation = 0xFFFFFFFFu;  // colour and alpha mod last set on the SDL texture
  SDL_BlendMode blend = SDL_BLENDMODE_BLEND;  // last set on the SDL texture
  bool opaque = false;  // every texel has alpha 255
  bool target = false;  // drawn into; its texels cannot be read back for copies
  SDL_Rect core{};  // a large rectangle of opaque texels in a texture that is not all opaque
  std::vector<ScaledCopy> scaled;
  // Software renderer: the texture's runs, and whether it is drawn straight onto the frame
  // with them (below).
  TexelRuns runs;
  // Software renderer: the texture's own texels, which stay put while it lives.
  const uint32_t* texels = nullptr;
  int pitch = 0;  // texels a row
  // The latest copies asked for that have none yet: one asked for again gets made.
  std::vector<ScaledCopy> pending;
  // Turned quads' pictures, and those asked for once.
  std::unordered_map<TurnedKey, TurnedCopy, TurnedKeyHash> turned;
  std::unordered_set<TurnedKey, TurnedKeyHash> turnedPending;
};

// An SDL texture and what hangs off it.
void Free(DeviceTexture* t);

struct RenderDevice::Impl {
  SDL_Window* window = nullptr;
  SDL_Surface* surface = nullptr;  // off-screen devices draw here
  SDL_Renderer* renderer = nullptr;
  int width = 0, height = 0;
  bool inScene = false;
  bool fullscreen = false;
  TextureHandle bound = nullptr;
  TextureHandle drawTarget = nullptr;  // null: the back buffer
  BindCounts binds;
  TextureFilter filter = TextureFilter::Linear;
  std::vector<SDL_Vertex> triangles;  // reused so a draw allocates nothing
  std::vector<SDL_FPoint> points;
  std::vector<DeviceTexture*> textures;
  bool software = false;  // SDL's software renderer: stretched copies pay off
  bool eagerCopies = false;  // copies made at the first ask
  // The frame's surface when it can be drawn into straight, found once a frame.
  SDL_Surface* direct = nullptr;
  bool directKnown = false;
  size_t scaledBytes = 0;
  long draws = 0;  // a clock for the stretched copies' last use
  SDL_Texture* turnScratch = nullptr;  // where turned quads are drawn to be kept
  int turnedMade = 0;  // this frame

  ~Impl() {
    for (DeviceTexture* t : textures) {
      DropScaledCopies(*t);
      Free(t);
    }
    if (turnScratch) SDL_DestroyTexture(turnScratch);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (surface) SDL_FreeSurface(surface);
  }

  void ClearBlack() {
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
  }

  // Everything draws blended; untextured geometry and lines use the renderer's mode.
  void SetStates() {
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    SDL_RendererInfo info{};
    software = SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
    ClearBlack();
  }

  void DropScaledCopies(DeviceTexture& t) {
    for (ScaledCopy& c : t.scaled) {
      scaledBytes -= static_cast<size_t>(c.width) * static_cast<size_t>(c.height) * 4u;
      Free(c.copy);
    }
    t.scaled.clear();
    for (auto& [key, c] : t.turned) Free(c.copy);
    t.turned.clear();
    t.turnedPending.clear();
  }

  DeviceTexture* MakeTexture(int width, int height, const uint32_t* argb, std::string& error);
  SDL_Surface* DirectSurface();
  SDL_Surface* FindDirectSurface();
  DeviceTexture* ScaledCopyOf(DeviceTexture& t, const SDL_Rect& source, int width, int height,
                              uint32_t modulation);
  bool CopyPart(DeviceTexture& t, const SDL_Rect& source, int width, int height,
                uint32_t modulation, std::vector<uint32_t>& out);
  void TrimScaledCopies(const DeviceTexture* keep);
  const TurnedCopy* TurnedCopyOf(DeviceTexture& t, const SpriteVertex* quad);
  bool DrawStraight(DeviceTexture& t, const SDL_Rect& src, int x, int y);
  bool DrawTriangles(std::string& error);
  bool DrawTurned(const TurnedCopy& kept, const SpriteVertex& first, std::string& error);
};

namespace {

SDL_Color ToColor(uint32_t argb) {
  return SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8),
                   static_cast<Uint8>(argb), static_cast<Uint8>(argb >> 24)};
}

// SDL's software renderer refuses coordinates outside 0..1; the original device clamped to
// the edge texel, which for the game's quads comes to the same thing.
float Clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

SDL_Vertex ToSdl(const SpriteVertex& v) {
  SDL_Vertex out;
  out.position = SDL_FPoint{v.x, v.y};
  out.color = ToColor(v.diffuse);
  out.tex_coord = SDL_FPoint{Clamp01(v.tu), Clamp01(v.tv)};
  return out;
}

// Twice the signed area with y pointing down: negative for a counter-clockwise triangle on
// screen, which the original device culled.
float Winding(const SpriteVertex& a, const SpriteVertex& b, const SpriteVertex& c) {
  return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
}

// An axis-aligned rectangle drawn as a strip (or two list triangles) in the order top-left,
// top-right, bottom-left, bottom-right, with one colour and an axis-aligned texture mapping.
// SDL copies such a quad exactly; its software renderer maps texture coordinates of general
// triangles onto one texel too few, so sprites must not go that way.
bool IsPlainQuad(const SpriteVertex* v) {
  return v[0].y == v[1].y && v[2].y == v[3].y && v[0].x == v[2].x && v[1].x == v[3].x &&
         v[0].tv == v[1].tv && v[2].tv == v[3].tv && v[0].tu == v[2].tu && v[1].tu == v[3].tu &&
         v[0].diffuse == v[1].diffuse && v[0].diffuse == v[2].diffuse &&
         v[0].diffuse == v[3].diffuse;
}

// Triangles in sixes, each six a plain quad as (top-left, top-right, bottom-left) and
// (bottom-left, top-right, bottom-right).
bool IsQuadBatch(const SpriteVertex* v, int count) {
  if (count <= 0 || count % 6 != 0) return false;
  auto same = [](const SpriteVertex& a, const SpriteVertex& b) {
    return a.x == b.x && a.y == b.y && a.tu == b.tu && a.tv == b.tv && a.diffuse == b.diffuse;
  };
  for (int i = 0; i < count; i += 6) {
    const SpriteVertex quad[4] = {v[i], v[i + 1], v[i + 2], v[i + 5]};
    if (!same(v[i + 3], v[i + 2]) || !same(v[i + 4], v[i + 1]) || !IsPlainQuad(quad))
      return false;
  }
  return true;
}

// Six list vertices making one quad as the particles lay them out, (first, second, third) and
// (third, second, fourth) corner of a rectangle turned any way, with one colour and an upright
// texture mapping.
bool IsTurnedQuad(const SpriteVertex* v) {
  auto same = [](const SpriteVertex& a, const SpriteVertex& b) {
    return a.x == b.x && a.y == b.y && a.tu == b.tu && a.tv == b.tv && a.diffuse == b.diffuse;
  };
  const SpriteVertex& a = v[0];
  const SpriteVertex& b = v[1];
  const SpriteVertex& c = v[2];
  const SpriteVertex& d = v[5];
  constexpr float kSlack = 1.0f / 64.0f;  // float rounding of the turned corners
  return same(v[3], c) && same(v[4], b) && a.diffuse == b.diffuse && a.diffuse == c.diffuse &&
         a.diffuse == d.diffuse && a.tv == b.tv && c.tv == d.tv && a.tu == c.tu && b.tu == d.tu &&
         std::fabs(a.x + d.x - b.x - c.x) < kSlack && std::fabs(a.y + d.y - b.y - c.y) < kSlack;
}

bool IsTurnedQuadBatch(const SpriteVertex* v, int count) {
  if (count <= 0 || count % 6 != 0) return false;
  for (int i = 0; i < count; i += 6)
    if (!IsTurnedQuad(v + i)) return false;
  return true;
}

// Where the window stood before the game itself moved it to the display's corner, to be put
// back when it leaves full screen. One window, and it outlives every device made on it.
struct WindowedPlace {
  SDL_Window* window = nullptr;
  int x = 0, y = 0;
};
WindowedPlace g_windowedPlace;

bool IsFullscreen(SDL_Window* window) {
  return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

// Desktop full screen. A window manager carries the request out and remembers where the
// window stood, which it gives back when the window leaves. Where none runs (a bare X
// server) the request is never carried out, yet SDL takes the window for display-sized and
// scales the picture for that, so a window left at its old size would show an enlarged corner
// of the picture: there the game moves the window to the display's corner and gives it the
// display's size itself, remembering its place. Moving it under a manager would make the
// corner the place the manager gives back: the frame above the screen, out of reach.
void EnterDesktopFullscreen(SDL_Window* window) {
  SDL_Rect bounds{};
  const int display = SDL_GetWindowDisplayIndex(window);
  if (!IsFullscreen(window) && !WindowManagerRuns(reinterpret_cast<WindowHandle>(window)) &&
      display >= 0 && SDL_GetDisplayBounds(display, &bounds) == 0 && bounds.w > 0 &&
      bounds.h > 0) {
    g_windowedPlace.window = window;
    SDL_GetWindowPosition(window, &g_windowedPlace.x, &g_windowedPlace.y);
    SDL_SetWindowPosition(window, bounds.x, bounds.y);
    SDL_SetWindowSize(window, bounds.w, bounds.h);
  }
  SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

// Windowed at the configured size. A manager puts the window back by itself (SDL waits for
// it before returning); where the game moved it, the game puts it back.
void LeaveFullscreen(SDL_Window* window, int width, int height) {
  const bool wasFullscreen = IsFullscreen(window);
  SDL_SetWindowFullscreen(window, 0);
  SDL_SetWindowSize(window, width, height);
  if (wasFullscreen && g_windowedPlace.window == window)
    SDL_SetWindowPosition(window, g_windowedPlace.x, g_windowedPlace.y);
  if (g_windowedPlace.window == window) g_windowedPlace = {};
}


bool AllOpaque(const uint32_t* argb, size_t count) {
  for (size_t i = 0; i < count; ++i)
    if ((argb[i] >> 24) != 0xFFu) return false;
  return true;
}

bool OpaqueRect(const uint32_t* argb, int stride, const SDL_Rect& r) {
  for (int y = r.y; y < r.y + r.h; ++y)
    if (!AllOpaque(argb + static_cast<size_t>(y) * static_cast<size_t>(stride) +
                       static_cast<size_t>(r.x),
                   static_cast<size_t>(r.w)))
      return false;
  return true;
}

// Pictures with soft or rounded edges and a solid inside (a window, a panel) are mostly
// opaque: that inside can be copied without blending. Found by peeling off the edge line with
// the most see-through texels until every edge line is opaque, then shrinking evenly until
// the inside is too; empty when that leaves too little to be worth it.
constexpr int kMinCoreSide = 24;
SDL_Rect OpaqueCore(const uint32_t* argb, int width, int height) {
  SDL_Rect r{0, 0, width, height};
  auto holes = [&](int x, int y, int w, int h) {
    int n = 0;
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i)
        n += (argb[static_cast<size_t>(j) * static_cast<size_t>(width) + static_cast<size_t>(i)] >>
              24) != 0xFFu;
    return n;
  };
  while (r.w >= kMinCoreSide && r.h >= kMinCoreSide) {
    const int edges[4] = {holes(r.x, r.y, r.w, 1), holes(r.x, r.y + r.h - 1, r.w, 1),
                          holes(r.x, r.y, 1, r.h), holes(r.x + r.w - 1, r.y, 1, r.h)};
    const int worst = static_cast<int>(std::max_element(edges, edges + 4) - edges);
    if (edges[worst] == 0) break;
    if (worst == 0) ++r.y;
    if (worst <= 1) --r.h;
    if (worst == 2) ++r.x;
    if (worst >= 2) --r.w;
  }
  const int step = std::max(1, std::min(width, height) / 32);
  while (r.w >= kMinCoreSide && r.h >= kMinCoreSide) {
    if (OpaqueRect(argb, width, r)) return r;
    r = SDL_Rect{r.x + step, r.y + step, r.w - 2 * step, r.h - 2 * step};
  }
  return SDL_Rect{};
}

}  // namespace

void Free(DeviceTexture* t) {
  SDL_DestroyTexture(t->texture);
  delete t;
}

namespace {

// A new SDL texture in the device's starting state: blended, linearly filtered.
DeviceTexture* Wrap(SDL_Texture* tex, int width, int height) {
  SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(tex, SDL_ScaleModeLinear);
  auto* handle = new DeviceTexture;
  handle->texture = tex;
  handle->width = width;
  handle->height = height;
  return handle;
}

void SetBlend(DeviceTexture& t, SDL_BlendMode mode) {
  if (t.blend == mode) return;
  SDL_SetTextureBlendMode(t.texture, mode);
  t.blend = mode;
}

void Modulate(DeviceTexture& t, uint32_t argb) {
  if (t.modulation == argb) return;
  const SDL_Color c = ToColor(argb);
  SDL_SetTextureColorMod(t.texture, c.r, c.g, c.b);
  SDL_SetTextureAlphaMod(t.texture, c.a);
  t.modulation = argb;
}

// Stretched copies kept at most, per texture and in all, and the asks remembered per texture.
// A late game's frame tints one texture in up to 18 ways (the rain's splashes as they grow
// and fade) and a snowy one stretches the snowdrop to some 40 sizes; a texture asked for in
// more ways than it remembers between two asks of one never gets its copies.
constexpr size_t kScaledPerTexture = 64;
constexpr size_t kPendingPerTexture = 64;
constexpr size_t kScaledBudgetBytes = size_t{48} << 20;

// Turned quads kept: those that fit kTurnedSide square (snowflakes, flies), up to
// kTurnedPerTexture of a texture (the snow's thousand flakes each keep one); at most
// kTurnedMadePerFrame made a frame, so a snowfall's start spreads its copies over a few frames.
constexpr int kTurnedSide = 32;
constexpr size_t kTurnedPerTexture = 2048;
constexpr size_t kTurnedPending = 4096;
constexpr int kTurnedMadePerFrame = 250;

}  // namespace

namespace {

// Farther off the screen than any drawing goes; whole pixels up to here fit an int.
constexpr float kFarAway = 1.0e6f;

// The part `src` of `t` unstretched at (dx, dy) of `surface`, clipped to it.
void DrawSpans(const DeviceTexture& t, const SDL_Rect& src, SDL_Surface* surface, int dx,
               int dy) {
  t.runs.Draw(t.texels, t.pitch, src.x, src.y, src.w, src.h, static_cast<uint32_t*>(surface->pixels),
              surface->pitch, surface->w, surface->h, dx, dy);
}

}  // namespace

// The surface the software renderer draws the frame into, when pixels written to it straight
// land where the renderer would put them (no target, scale, offset or clip); null otherwise.
SDL_Surface* RenderDevice::Impl::DirectSurface() {
  if (!software || drawTarget) return nullptr;
  if (!directKnown) {
    direct = FindDirectSurface();
    directKnown = true;
  }
  return direct;
}

SDL_Surface* RenderDevice::Impl::FindDirectSurface() {
  SDL_Surface* s = surface ? surface : (window ? SDL_GetWindowSurface(window) : nullptr);
  if (!s || SDL_MUSTLOCK(s) || s->format->BytesPerPixel != 4 || s->format->Rmask != 0xFF0000u ||
      s->format->Gmask != 0xFF00u || s->format->Bmask != 0xFFu)
    return nullptr;
  float scaleX = 0.0f, scaleY = 0.0f;
  SDL_RenderGetScale(renderer, &scaleX, &scaleY);
  SDL_Rect viewport{};
  SDL_RenderGetViewport(renderer, &viewport);
  if (scaleX != 1.0f || scaleY != 1.0f || viewport.x != 0 || viewport.y != 0 ||
      SDL_RenderIsClipEnabled(renderer))
    return nullptr;
  return s;
}

// The part `src` of `t` unstretched and untinted with its top-left at (x, y) of the frame,
// drawn straight; false (nothing drawn) when the frame cannot be drawn into so.
bool RenderDevice::Impl::DrawStraight(DeviceTexture& t, const SDL_Rect& src, int x, int y) {
  if (!t.texels) return false;
  SDL_Surface* frame = DirectSurface();
  if (!frame || SDL_RenderFlush(renderer) != 0) return false;
  DrawSpans(t, src, frame, x, y);
  return true;
}

// The kept picture of the turned quad `q` (four corners in strip order) of `t`, made the
// second time the same shape, part and colour is asked for; null when there is none (yet).
// The picture is SDL's own geometry of the quad, its bounding box's corner on a whole pixel.
const TurnedCopy* RenderDevice::Impl::TurnedCopyOf(DeviceTexture& t, const SpriteVertex* q) {
  ++draws;
  auto sixteenths = [](float v) { return static_cast<int32_t>(std::lround(v * 16.0f)); };
  auto texel = [](float v, int size) {
    return static_cast<int32_t>(std::lround(Clamp01(v) * static_cast<float>(size)));
  };
  TurnedKey key;
  key.e1x = sixteenths(q[1].x - q[0].x);
  key.e1y = sixteenths(q[1].y - q[0].y);
  key.e2x = sixteenths(q[2].x - q[0].x);
  key.e2y = sixteenths(q[2].y - q[0].y);
  key.u0 = texel(q[0].tu, t.width);
  key.v0 = texel(q[0].tv, t.height);
  key.u1 = texel(q[3].tu, t.width);
  key.v1 = texel(q[3].tv, t.height);
  key.modulation = q[0].diffuse;
  if (auto found = t.turned.find(key); found != t.turned.end()) {
    found->second.lastUsed = draws;
    return &found->second;
  }
  // The corners as the key gives them, from the first: every quad of a key gets one picture.
  auto pixels = [](int32_t sixteenthsOf) { return static_cast<float>(sixteenthsOf) / 16.0f; };
  const float e1x = pixels(key.e1x), e1y = pixels(key.e1y);
  const float e2x = pixels(key.e2x), e2y = pixels(key.e2y);
  const float cx[4] = {0.0f, e1x, e2x, e1x + e2x}, cy[4] = {0.0f, e1y, e2y, e1y + e2y};
  const float left = *std::min_element(cx, cx + 4), top = *std::min_element(cy, cy + 4);
  const int width = static_cast<int>(*std::max_element(cx, cx + 4) - left) + 1;
  const int height = static_cast<int>(*std::max_element(cy, cy + 4) - top) + 1;
  if (width > kTurnedSide || height > kTurnedSide || t.target || !t.texels) return nullptr;
  if (!eagerCopies && t.turnedPending.insert(key).second) {
    if (t.turnedPending.size() > kTurnedPending) t.turnedPending.clear();
    return nullptr;
  }
  if (turnedMade >= kTurnedMadePerFrame) return nullptr;  // asked again next frame
  t.turnedPending.erase(key);
  if (!turnScratch) {
    turnScratch = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                    kTurnedSide, kTurnedSide);
    if (!turnScratch) return nullptr;
  }
  // Drawn with its colour, unblended, into a clear target: the texels as SDL's geometry
  // would blend them.
  SDL_Vertex corners[6];
  const int order[6] = {0, 1, 2, 2, 1, 3};
  for (int i = 0; i < 6; ++i) {
    const SpriteVertex& from = q[order[i]];
    corners[i].position = SDL_FPoint{cx[order[i]] - left, cy[order[i]] - top};
    corners[i].color = ToColor(key.modulation);
    corners[i].tex_coord = SDL_FPoint{Clamp01(from.tu), Clamp01(from.tv)};
  }
  std::vector<uint32_t> texels(static_cast<size_t>(width) * static_cast<size_t>(height));
  const SDL_Rect part{0, 0, width, height};
  bool drawn = SDL_SetRenderTarget(renderer, turnScratch) == 0;
  if (drawn) {
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
    Modulate(t, 0xFFFFFFFFu);
    SetBlend(t, SDL_BLENDMODE_NONE);
    drawn = SDL_RenderClear(renderer) == 0 &&
            SDL_RenderGeometry(renderer, t.texture, corners, 6, nullptr, 0) == 0 &&
            SDL_RenderReadPixels(renderer, &part, SDL_PIXELFORMAT_ARGB8888, texels.data(),
                                 width * 4) == 0;
    SetBlend(t, SDL_BLENDMODE_BLEND);
  }
  if (SDL_SetRenderTarget(renderer, drawTarget ? drawTarget->texture : nullptr) != 0 || !drawn)
    return nullptr;
  std::string error;
  DeviceTexture* copy = MakeTexture(width, height, texels.data(), error);
  if (!copy) return nullptr;
  ++turnedMade;
  if (t.turned.size() >= kTurnedPerTexture) {
    auto oldest = std::min_element(
        t.turned.begin(), t.turned.end(),
        [](const auto& a, const auto& b) { return a.second.lastUsed < b.second.lastUsed; });
    Free(oldest->second.copy);
    t.turned.erase(oldest);
  }
  TurnedCopy& kept = t.turned[key];
  kept = TurnedCopy{copy, left, top, draws};
  return &kept;
}

DeviceTexture* RenderDevice::Impl::MakeTexture(int width, int height, const uint32_t* argb,
                                               std::string& error) {
  // On the software renderer a streaming texture is the picture itself, which stretched
  // copies are made from; elsewhere the texture lives on the graphics card.
  SDL_Texture* tex =
      SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                        software ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC, width,
                        height);
  if (!tex) {
    error = SDL_GetError();
    return nullptr;
  }
  if (SDL_UpdateTexture(tex, nullptr, argb, width * 4) != 0) {
    error = SDL_GetError();
    SDL_DestroyTexture(tex);
    return nullptr;
  }
  DeviceTexture* handle = Wrap(tex, width, height);
  handle->opaque = AllOpaque(argb, static_cast<size_t>(width) * static_cast<size_t>(height));
  if (!handle->opaque) handle->core = OpaqueCore(argb, width, height);
  void* texels = nullptr;
  int pitch = 0;
  if (software && SDL_LockTexture(tex, nullptr, &texels, &pitch) == 0) {
    handle->texels = static_cast<const uint32_t*>(texels);
    handle->pitch = pitch / 4;
    SDL_UnlockTexture(tex);
    handle->runs.Find(argb, width, height);
  }
  return handle;
}

// SDL's software renderer stretches a linearly filtered texture into a fresh surface of the
// destination's size at every draw and then blends that surface, unstretched, with the
// texture's modulation, on a blitter many times slower than a per-pixel blend. The stretch and
// the modulation depend only on the texture, the part of it, the size and the colour, so the
// copy is made once with the same stretch and the colour multiplied in as SDL multiplies it,
// and kept; drawing the copy unmodulated gives the same pixels (up to SDL's rounding of one
// blitter against the other). Null when there is (or should be) no copy yet.
DeviceTexture* RenderDevice::Impl::ScaledCopyOf(DeviceTexture& t, const SDL_Rect& source,
                                                int width, int height, uint32_t modulation) {
  ++draws;
  for (ScaledCopy& c : t.scaled) {
    if (c.width == width && c.height == height && c.modulation == modulation &&
        SDL_RectEquals(&c.source, &source)) {
      c.lastUsed = draws;
      return c.copy;
    }
  }
  // A size or colour seen once may never come back (a zoom or a fade in progress): only the
  // second ask copies.
  auto asked = std::find_if(t.pending.begin(), t.pending.end(), [&](const ScaledCopy& p) {
    return p.width == width && p.height == height && p.modulation == modulation &&
           SDL_RectEquals(&p.source, &source);
  });
  if (asked != t.pending.end()) {
    t.pending.erase(asked);
  } else if (!eagerCopies) {
    if (t.pending.size() >= kPendingPerTexture) t.pending.erase(t.pending.begin());
    t.pending.push_back(ScaledCopy{source, width, height, modulation, nullptr, 0});
    return nullptr;
  }
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4u;
  if (bytes > kScaledBudgetBytes / 4) return nullptr;
  std::vector<uint32_t> pixels;
  if (!CopyPart(t, source, width, height, modulation, pixels)) return nullptr;
  std::string error;
  DeviceTexture* copy = MakeTexture(width, height, pixels.data(), error);
  if (!copy) return nullptr;
  copy->scaleMode = t.scaleMode;
  SDL_SetTextureScaleMode(copy->texture, t.scaleMode);
  if (t.scaled.size() >= kScaledPerTexture) {
    auto oldest = std::min_element(t.scaled.begin(), t.scaled.end(),
                                   [](const ScaledCopy& a, const ScaledCopy& b) {
                                     return a.lastUsed < b.lastUsed;
                                   });
    scaledBytes -= static_cast<size_t>(oldest->width) * static_cast<size_t>(oldest->height) * 4u;
    Free(oldest->copy);
    t.scaled.erase(oldest);
  }
  t.scaled.push_back(ScaledCopy{source, width, height, modulation, copy, draws});
  scaledBytes += bytes;
  TrimScaledCopies(&t);
  return copy;
}

// The part `source` of a texture stretched to width x height as SDL's software renderer
// stretches it, with `modulation` multiplied in as SDL multiplies it, into `out` (ARGB, rows
// top-down). False when the texture's texels cannot be read (targets, non-software devices).
bool RenderDevice::Impl::CopyPart(DeviceTexture& t, const SDL_Rect& source, int width,
                                  int height, uint32_t modulation, std::vector<uint32_t>& out) {
  if (t.target || !software) return false;
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(t.texture, nullptr, &pixels, &pitch) != 0) return false;
  out.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0u);
  bool made = false;
  if (width != source.w || height != source.h) {
    SDL_Surface* from = SDL_CreateRGBSurfaceWithFormatFrom(pixels, t.width, t.height, 32, pitch,
                                                           SDL_PIXELFORMAT_ARGB8888);
    SDL_Surface* to = SDL_CreateRGBSurfaceWithFormatFrom(out.data(), width, height, 32, width * 4,
                                                         SDL_PIXELFORMAT_ARGB8888);
    SDL_Rect part = source;
    made = from && to && SDL_SoftStretchLinear(from, &part, to, nullptr) == 0;
    if (from) SDL_FreeSurface(from);
    if (to) SDL_FreeSurface(to);
  } else {
    for (int y = 0; y < height; ++y)
      SDL_memcpy(out.data() + static_cast<size_t>(y) * static_cast<size_t>(width),
                 static_cast<const Uint8*>(pixels) +
                     static_cast<size_t>(source.y + y) * static_cast<size_t>(pitch) +
                     static_cast<size_t>(source.x) * 4u,
                 static_cast<size_t>(width) * 4u);
    made = true;
  }
  SDL_UnlockTexture(t.texture);
  if (made && modulation != 0xFFFFFFFFu) {
    const SDL_Color m = ToColor(modulation);
    for (uint32_t& c : out)
      c = ((c >> 24) * m.a / 255u) << 24 | (((c >> 16) & 0xFFu) * m.r / 255u) << 16 |
          (((c >> 8) & 0xFFu) * m.g / 255u) << 8 | (c & 0xFFu) * m.b / 255u;
  }
  return made;
}

// Over the budget, the copies unused longest go (never those of `keep`).
void RenderDevice::Impl::TrimScaledCopies(const DeviceTexture* keep) {
  while (scaledBytes > kScaledBudgetBytes) {
    DeviceTexture* owner = nullptr;
    size_t index = 0;
    for (DeviceTexture* t : textures) {
      if (t == keep) continue;
      for (size_t i = 0; i < t->scaled.size(); ++i)
        if (!owner || t->scaled[i].lastUsed < owner->scaled[index].lastUsed) {
          owner = t;
          index = i;
        }
    }
    if (!owner) return;
    ScaledCopy& c = owner->scaled[index];
    scaledBytes -= static_cast<size_t>(c.width) * static_cast<size_t>(c.height) * 4u;
    Free(c.copy);
    owner->scaled.erase(owner->scaled.begin() + static_cast<std::ptrdiff_t>(index));
  }
}

RenderDevice::RenderDevice(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
RenderDevice::~RenderDevice() = default;

std::unique_ptr<RenderDevice> RenderDevice::CreateForWindow(WindowHandle window, int width,
                                                            int height, bool fullscreen,
                                                            bool software, std::string& error) {
  if (!window) {
    error = "no window";
    return nullptr;
  }
  SDL_Window* sdlWindow = reinterpret_cast<SDL_Window*>(window);
  if (fullscreen) {
    EnterDesktopFullscreen(sdlWindow);
  } else {
    LeaveFullscreen(sdlWindow, width, height);
  }
  Uint32 flags = software ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED;
  if (!software && fullscreen) flags |= SDL_RENDERER_PRESENTVSYNC;
  SDL_Renderer* renderer = SDL_CreateRenderer(sdlWindow, -1, flags);
  if (!renderer) {
    error = SDL_GetError();
    return nullptr;
  }
  auto impl = std::make_unique<Impl>();
  impl->window = sdlWindow;
  impl->renderer = renderer;
  impl->width = width;
  impl->height = height;
  impl->fullscreen = fullscreen;
  SDL_RenderSetLogicalSize(renderer, width, height);
  impl->SetStates();
  return std::unique_ptr<RenderDevice>(new RenderDevice(std::move(impl)));
}

std::unique_ptr<RenderDevice> RenderDevice::CreateOffscreen(int width, int height,
                                                            std::string& error) {
  if (width <= 0 || height <= 0) {
    error = "bad size";
    return nullptr;
  }
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) {
    error = SDL_GetError();
    return nullptr;
  }
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
  if (!renderer) {
    error = SDL_GetError();
    SDL_FreeSurface(surface);
    return nullptr;
  }
  auto impl = std::make_unique<Impl>();
  impl->surface = surface;
  impl->renderer = renderer;
  impl->width = width;
  impl->height = height;
  impl->SetStates();
  return std::unique_ptr<RenderDevice>(new RenderDevice(std::move(impl)));
}

std::string RenderDevice::Name() const {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(impl_->renderer, &info) != 0 || !info.name) return "unknown";
  return info.name;
}

int RenderDevice::Width() const { return impl_->width; }
int RenderDevice::Height() const { return impl_->height; }

void RenderDevice::BeginScene() { impl_->inScene = true; }
void RenderDevice::EndScene() { impl_->inScene = false; }
bool RenderDevice::InScene() const { return impl_->inScene; }

TextureHandle RenderDevice::CreateTexture(int width, int height, const uint32_t* argb,
                                          std::string& error) {
  if (width <= 0 || height <= 0 || !argb) {
    error = "empty image";
    return nullptr;
  }
  DeviceTexture* handle = impl_->MakeTexture(width, height, argb, error);
  if (handle) impl_->textures.push_back(handle);
  return handle;
}

TextureHandle RenderDevice::CreateTarget(int width, int height, std::string& error) {
  if (width <= 0 || height <= 0) {
    error = "empty image";
    return nullptr;
  }
  SDL_Texture* tex = SDL_CreateTexture(impl_->renderer, SDL_PIXELFORMAT_ARGB8888,
                                       SDL_TEXTUREACCESS_TARGET, width, height);
  if (!tex) {
    error = SDL_GetError();
    return nullptr;
  }
  DeviceTexture* handle = Wrap(tex, width, height);
  handle->target = true;
  impl_->textures.push_back(handle);
  return handle;
}

bool RenderDevice::SetTarget(TextureHandle target, std::string& error) {
  if (target == impl_->drawTarget) return true;
  if (target && !target->target) {
    error = "not a target";
    return false;
  }
  if (SDL_SetRenderTarget(impl_->renderer, target ? target->texture : nullptr) != 0) {
    error = SDL_GetError();
    return false;
  }
  impl_->drawTarget = target;
  return true;
}

TextureHandle RenderDevice::Target() const { return impl_->drawTarget; }
void RenderDevice::SetEagerCopies(bool eager) { impl_->eagerCopies = eager; }

void RenderDevice::Clear(uint32_t argb) {
  const SDL_Color c = ToColor(argb);
  SDL_SetRenderDrawColor(impl_->renderer, c.r, c.g, c.b, c.a);
  SDL_RenderClear(impl_->renderer);
  // Everything drawn blends, and blending over an opaque picture leaves it opaque.
  if (impl_->drawTarget) impl_->drawTarget->opaque = c.a == 0xFFu;
}

void RenderDevice::DestroyTexture(TextureHandle texture) {
  if (!texture) return;
  auto& list = impl_->textures;
  auto it = std::find(list.begin(), list.end(), texture);
  if (it == list.end()) return;  // not ours, or already gone
  if (impl_->drawTarget == texture) {
    std::string ignored;
    SetTarget(nullptr, ignored);
  }
  list.erase(it);
  if (impl_->bound == texture) impl_->bound = nullptr;
  impl_->DropScaledCopies(*texture);
  Free(texture);
}

void RenderDevice::BindTexture(TextureHandle texture) {
  if (impl_->bound == texture) {
    ++impl_->binds.repeats;
    return;
  }
  ++impl_->binds.changes;
  impl_->bound = texture;
}

RenderDevice::BindCounts RenderDevice::GetBindCounts() const { return impl_->binds; }
TextureHandle RenderDevice::BoundTexture() const { return impl_->bound; }
void RenderDevice::SetFilter(TextureFilter filter) { impl_->filter = filter; }
TextureFilter RenderDevice::Filter() const { return impl_->filter; }

bool RenderDevice::DrawPrimitive(PrimitiveType type, const SpriteVertex* v, int count,
                                 std::string& error) {
  if (!v || count <= 0) return true;
  Impl& d = *impl_;
  if (type == PrimitiveType::LineList || type == PrimitiveType::LineStrip) {
    const SDL_Color c = ToColor(v[0].diffuse);
    SDL_SetRenderDrawColor(d.renderer, c.r, c.g, c.b, c.a);
    int rc = 0;
    if (type == PrimitiveType::LineStrip) {
      d.points.clear();
      for (int i = 0; i < count; ++i) d.points.push_back(SDL_FPoint{v[i].x, v[i].y});
      rc = SDL_RenderDrawLinesF(d.renderer, d.points.data(), count);
    } else {
      for (int i = 0; i + 1 < count && rc == 0; i += 2)
        rc = SDL_RenderDrawLineF(d.renderer, v[i].x, v[i].y, v[i + 1].x, v[i + 1].y);
    }
    if (rc != 0) error = SDL_GetError();
    return rc == 0;
  }

  if (type == PrimitiveType::TriangleStrip && count == 4 && IsPlainQuad(v))
    return DrawQuad(v, error);
  // A batch of sprites (rain, snow, fish) comes as two triangles each; unturned ones are plain
  // quads and go the sprites' way.
  if (type == PrimitiveType::TriangleList && IsQuadBatch(v, count)) {
    for (int i = 0; i < count; i += 6) {
      const SpriteVertex quad[4] = {v[i], v[i + 1], v[i + 2], v[i + 5]};
      if (!DrawQuad(quad, error)) return false;
    }
    return true;
  }

  d.triangles.clear();
  auto add = [&d](const SpriteVertex& a, const SpriteVertex& b, const SpriteVertex& c) {
    if (Winding(a, b, c) < 0.0f) return;
    d.triangles.push_back(ToSdl(a));
    d.triangles.push_back(ToSdl(b));
    d.triangles.push_back(ToSdl(c));
  };
  // Turned sprites (snowflakes) of a readable texture: each kept quad's picture copied, the
  // rest drawn as geometry in their turn.
  if (type == PrimitiveType::TriangleList && d.software && d.bound && d.bound->texels &&
      IsTurnedQuadBatch(v, count)) {
    for (int i = 0; i < count; i += 6) {
      const SpriteVertex quad[4] = {v[i], v[i + 1], v[i + 2], v[i + 5]};
      if (Winding(quad[0], quad[1], quad[2]) < 0.0f) continue;  // both halves wind alike
      const TurnedCopy* kept = d.TurnedCopyOf(*d.bound, quad);
      if (!kept) {
        add(v[i], v[i + 1], v[i + 2]);
        add(v[i + 3], v[i + 4], v[i + 5]);
        continue;
      }
      if (!d.DrawTriangles(error)) return false;
      if (!d.DrawTurned(*kept, quad[0], error)) return false;
    }
    return d.DrawTriangles(error);
  }
  if (type == PrimitiveType::TriangleList) {
    for (int i = 0; i + 2 < count; i += 3) add(v[i], v[i + 1], v[i + 2]);
  } else {
    // In a strip every second triangle runs the other way round; its winding is judged
    // in the strip's own order.
    for (int i = 0; i + 2 < count; ++i) {
      if (i % 2 == 0)
        add(v[i], v[i + 1], v[i + 2]);
      else
        add(v[i + 1], v[i], v[i + 2]);
    }
  }
  return d.DrawTriangles(error);
}

// The triangles gathered, with the bound texture; none left gathered.
bool RenderDevice::Impl::DrawTriangles(std::string& error) {
  if (triangles.empty()) return true;
  SDL_Texture* tex = nullptr;
  if (DeviceTexture* t = bound) {
    tex = t->texture;
    const SDL_ScaleMode mode =
        filter == TextureFilter::Point ? SDL_ScaleModeNearest : SDL_ScaleModeLinear;
    if (t->scaleMode != mode) {
      SDL_SetTextureScaleMode(tex, mode);
      t->scaleMode = mode;
    }
    Modulate(*t, 0xFFFFFFFFu);  // geometry takes its colour from the vertices
    SetBlend(*t, SDL_BLENDMODE_BLEND);
  }
  const int rc = SDL_RenderGeometry(renderer, tex, triangles.data(),
                                    static_cast<int>(triangles.size()), nullptr, 0);
  triangles.clear();
  if (rc != 0) error = SDL_GetError();
  return rc == 0;
}

// A turned quad's kept picture where the quad whose first corner is `first` goes: its corner
// on the whole pixel nearest the quad's own (the picture is the quad's at a whole pixel; at
// most half a pixel off, as SDL's geometry itself moves corners to whole pixels), drawn
// straight: for pictures this small SDL's blitter costs more in its call than in its blending.
bool RenderDevice::Impl::DrawTurned(const TurnedCopy& kept, const SpriteVertex& first,
                                    std::string& error) {
  DeviceTexture& copy = *kept.copy;
  const float x = std::floor(first.x + kept.left + 0.5f);
  const float y = std::floor(first.y + kept.top + 0.5f);
  if (!(std::fabs(x) < kFarAway && std::fabs(y) < kFarAway)) return true;
  const SDL_Rect src{0, 0, copy.width, copy.height};
  if (DrawStraight(copy, src, static_cast<int>(x), static_cast<int>(y))) return true;
  Modulate(copy, 0xFFFFFFFFu);
  SetBlend(copy, SDL_BLENDMODE_BLEND);
  const SDL_FRect dst{x, y, static_cast<float>(copy.width), static_cast<float>(copy.height)};
  if (SDL_RenderCopyF(renderer, copy.texture, &src, &dst) != 0) {
    error = SDL_GetError();
    return false;
  }
  return true;
}

void RenderDevice::SetModulation(DeviceTexture* t, uint32_t argb) { Modulate(*t, argb); }

namespace {

// Where a plain quad lands on screen and which part of a texture of texW x texH it shows.
// False when it lands nowhere.
struct Placement {
  SDL_FRect dst{};
  SDL_Rect src{};
  int flip = 0;
};

bool PlaceQuad(const SpriteVertex* v, int texW, int texH, Placement& p) {
  // Mirrored or upside-down placements wind counter-clockwise and are culled.
  if (Winding(v[0], v[1], v[2]) < 0.0f) return false;
  // The original device lit the pixels whose centres, at whole coordinates, lie inside the
  // quad, left and top edges included. SDL's software renderer instead truncates the corner
  // and the size each on its own, so two quads sharing a fractional edge (the half-pixel
  // cells of a 9-slice frame) leave a one-pixel seam between them. Snapping both edges the
  // original's way first makes neighbours meet exactly on every backend.
  const float x0 = std::ceil(v[0].x), x1 = std::ceil(v[1].x);
  const float y0 = std::ceil(v[0].y), y1 = std::ceil(v[2].y);
  p.dst = SDL_FRect{x0, y0, x1 - x0, y1 - y0};
  if (p.dst.w <= 0.0f || p.dst.h <= 0.0f) return false;
  const float u0 = Clamp01(v[0].tu), u1 = Clamp01(v[1].tu);
  const float v0 = Clamp01(v[0].tv), v1 = Clamp01(v[2].tv);
  p.flip = (u0 > u1 ? SDL_FLIP_HORIZONTAL : 0) | (v0 > v1 ? SDL_FLIP_VERTICAL : 0);
  const auto w = static_cast<float>(texW), h = static_cast<float>(texH);
  const int left = static_cast<int>(std::lround(std::min(u0, u1) * w));
  const int right = static_cast<int>(std::lround(std::max(u0, u1) * w));
  const int top = static_cast<int>(std::lround(std::min(v0, v1) * h));
  const int bottom = static_cast<int>(std::lround(std::max(v0, v1) * h));
  // A zero-width texture rectangle samples one edge texel, as a clamped device would.
  p.src = SDL_Rect{std::min(left, texW - 1), std::min(top, texH - 1), std::max(1, right - left),
                   std::max(1, bottom - top)};
  return true;
}

}  // namespace

// An unstretched, unmodulated copy of `src` at `dst` in five pieces: the opaque `core` (a
// part of `src`) copied without blending, and the bands around it blended.
namespace {

int DrawAroundCore(SDL_Renderer* renderer, DeviceTexture* t, const SDL_Rect& src,
                   const SDL_FRect& dst, const SDL_Rect& core) {
  const int coreRight = core.x + core.w, coreBottom = core.y + core.h;
  const int srcRight = src.x + src.w, srcBottom = src.y + src.h;
  const SDL_Rect bands[4] = {
      {src.x, src.y, src.w, core.y - src.y},                  // above
      {src.x, coreBottom, src.w, srcBottom - coreBottom},     // below
      {src.x, core.y, core.x - src.x, core.h},                // left
      {coreRight, core.y, srcRight - coreRight, core.h}};     // right
  auto copy = [&](const SDL_Rect& part) {
    if (part.w <= 0 || part.h <= 0) return 0;
    const SDL_FRect to{dst.x + static_cast<float>(part.x - src.x),
                       dst.y + static_cast<float>(part.y - src.y), static_cast<float>(part.w),
                       static_cast<float>(part.h)};
    return SDL_RenderCopyF(renderer, t->texture, &part, &to);
  };
  SetBlend(*t, SDL_BLENDMODE_NONE);
  int rc = copy(core);
  SetBlend(*t, SDL_BLENDMODE_BLEND);
  for (const SDL_Rect& band : bands) rc |= copy(band);
  return rc;
}

}  // namespace

bool RenderDevice::DrawQuad(const SpriteVertex* v, std::string& error) {
  Impl& d = *impl_;
  DeviceTexture* t = d.bound;
  Placement place;
  if (!PlaceQuad(v, t ? t->width : 1, t ? t->height : 1, place)) return true;
  const SDL_FRect dst = place.dst;
  const int flip = place.flip;
  const SDL_Color c = ToColor(v[0].diffuse);
  int rc = 0;
  if (t) {
    const SDL_ScaleMode mode =
        d.filter == TextureFilter::Point ? SDL_ScaleModeNearest : SDL_ScaleModeLinear;
    if (t->scaleMode != mode) {
      SDL_SetTextureScaleMode(t->texture, mode);
      t->scaleMode = mode;
    }
    SDL_Rect src = place.src;
    DeviceTexture* drawn = t;
    uint32_t modulation = v[0].diffuse;
    // Copies are made of whole-pixel destinations only (all of them are, after the snapping
    // above, unless they are huge): stretched ones when linearly filtered, unstretched ones
    // when modulated.
    const int dw = static_cast<int>(dst.w), dh = static_cast<int>(dst.h);
    const bool stretch = dw != src.w || dh != src.h;
    if (flip == 0 && d.software && static_cast<float>(dw) == dst.w &&
        static_cast<float>(dh) == dst.h &&
        (stretch ? mode == SDL_ScaleModeLinear : modulation != 0xFFFFFFFFu)) {
      if (DeviceTexture* copy = d.ScaledCopyOf(*t, src, dw, dh, modulation)) {
        drawn = copy;
        src = SDL_Rect{0, 0, dw, dh};
        modulation = 0xFFFFFFFFu;
      }
    }
    SetModulation(drawn, modulation);
    // An opaque picture at full alpha covers what is under it whatever the blending: copied
    // without it, the pixels are the same and cost far less. Stretched or mirrored copies keep
    // blending, as SDL samples those differently without it.
    const bool unstretched = src.w == dw && src.h == dh && flip == 0;
    // On the software renderer's own frame, plain copies are drawn here: runs of opaque
    // texels copied, clear ones skipped, the rest blended as SDL blends them.
    if (unstretched && modulation == 0xFFFFFFFFu && drawn->runs.mostlyDrawn && drawn->texels &&
        std::fabs(dst.x) < kFarAway && std::fabs(dst.y) < kFarAway) {
      SDL_Surface* frame = d.DirectSurface();
      if (frame && SDL_RenderFlush(d.renderer) == 0) {
        DrawSpans(*drawn, src, frame, static_cast<int>(dst.x), static_cast<int>(dst.y));
        return true;
      }
    }
    SDL_Rect core{};
    if (unstretched && modulation == 0xFFFFFFFFu && !drawn->opaque &&
        SDL_IntersectRect(&src, &drawn->core, &core) && core.w >= kMinCoreSide &&
        core.h >= kMinCoreSide) {
      rc = DrawAroundCore(d.renderer, drawn, src, dst, core);
    } else {
      SetBlend(*drawn, unstretched && drawn->opaque && (modulation >> 24) == 0xFFu
                           ? SDL_BLENDMODE_NONE
                           : SDL_BLENDMODE_BLEND);
      rc = SDL_RenderCopyExF(d.renderer, drawn->texture, &src, &dst, 0.0, nullptr,
                             static_cast<SDL_RendererFlip>(flip));
    }
  } else {
    SDL_SetRenderDrawColor(d.renderer, c.r, c.g, c.b, c.a);
    rc = SDL_RenderFillRectF(d.renderer, &dst);
  }
  if (rc != 0) error = SDL_GetError();
  return rc == 0;
}

namespace {

// `s` laid over `d`, both with straight (not premultiplied) alpha.
uint32_t Over(uint32_t s, uint32_t d) {
  const uint32_t sa = s >> 24, da = d >> 24;
  if (sa == 255u || da == 0u) return s;
  if (sa == 0u) return d;
  const uint32_t under = da * (255u - sa);  // the weight of d, x 255
  const uint32_t total = sa * 255u + under;  // the result's alpha, x 255
  auto mix = [&](int shift) {
    const uint32_t sc = (s >> shift) & 0xFFu, dc = (d >> shift) & 0xFFu;
    return ((sc * sa * 255u + dc * under + total / 2u) / total) << shift;
  };
  return ((total + 127u) / 255u) << 24 | mix(16) | mix(8) | mix(0);
}

}  // namespace

TextureHandle RenderDevice::ComposeQuads(TextureHandle texture, const SpriteVertex* quads,
                                         int count, int width, int height, std::string& error) {
  Impl& d = *impl_;
  if (!texture || !quads || count <= 0 || width <= 0 || height <= 0 ||
      d.filter != TextureFilter::Linear) {
    error = "nothing to compose";
    return nullptr;
  }
  std::vector<uint32_t> picture(static_cast<size_t>(width) * static_cast<size_t>(height), 0u);
  std::vector<uint32_t> part;
  for (int q = 0; q < count; ++q) {
    const SpriteVertex* v = quads + 4 * q;
    Placement place;
    if (!IsPlainQuad(v)) {
      error = "not a plain quad";
      return nullptr;
    }
    if (!PlaceQuad(v, texture->width, texture->height, place)) continue;
    const int dw = static_cast<int>(place.dst.w), dh = static_cast<int>(place.dst.h);
    const int x0 = static_cast<int>(place.dst.x), y0 = static_cast<int>(place.dst.y);
    if (place.flip != 0 || !d.CopyPart(*texture, place.src, dw, dh, v[0].diffuse, part)) {
      error = "texels cannot be read";
      return nullptr;
    }
    for (int y = std::max(0, -y0); y < dh && y0 + y < height; ++y)
      for (int x = std::max(0, -x0); x < dw && x0 + x < width; ++x) {
        uint32_t& out = picture[static_cast<size_t>(y0 + y) * static_cast<size_t>(width) +
                                static_cast<size_t>(x0 + x)];
        out = Over(part[static_cast<size_t>(y) * static_cast<size_t>(dw) + static_cast<size_t>(x)],
                   out);
      }
  }
  return CreateTexture(width, height, picture.data(), error);
}

bool RenderDevice::Present(std::string& error) {
  // A picture left half-composed in a target must not take the frame with it.
  if (impl_->drawTarget && !SetTarget(nullptr, error)) return false;
  SDL_RenderPresent(impl_->renderer);
  impl_->turnedMade = 0;
  impl_->directKnown = false;  // a resize between frames may change the surface
  // The game never clears; what SDL leaves behind after a present is undefined.
  impl_->ClearBlack();
  return true;
}

bool RenderDevice::ReadPixels(std::vector<uint32_t>& argb, int& width, int& height,
                              std::string& error) {
  int w = impl_->width, h = impl_->height;
  if (impl_->surface) {
    w = impl_->surface->w;
    h = impl_->surface->h;
  } else if (SDL_GetRendererOutputSize(impl_->renderer, &w, &h) != 0) {
    error = SDL_GetError();
    return false;
  }
  argb.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  if (SDL_RenderReadPixels(impl_->renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, argb.data(),
                           w * 4) != 0) {
    error = SDL_GetError();
    return false;
  }
  width = w;
  height = h;
  return true;
}

bool RenderDevice::IsFullscreen() const { return impl_->fullscreen; }

void RenderDevice::SetFullscreen(bool fullscreen) {
  if (!impl_->window) return;
  if (fullscreen) {
    EnterDesktopFullscreen(impl_->window);
  } else {
    LeaveFullscreen(impl_->window, impl_->width, impl_->height);
  }
  impl_->fullscreen = fullscreen;
  impl_->directKnown = false;
}

int DesktopBitsPerPixel() {
  SDL_DisplayMode mode{};
  if (!SDL_WasInit(SDL_INIT_VIDEO) || SDL_GetDesktopDisplayMode(0, &mode) != 0) return 0;
  return static_cast<int>(SDL_BITSPERPIXEL(mode.format));
}

std::string AdapterName() {
  SDL_RendererInfo info{};
  if (SDL_GetNumRenderDrivers() > 0 && SDL_GetRenderDriverInfo(0, &info) == 0 && info.name)
    return info.name;
  return std::string();
}

}  // namespace plat

// Still pictures kept in textures of their own.
#include "engine/CachedPicture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/DebugLog.h"

namespace {

// Layers are composed in one target of the screen's size, then read back.
struct Scratch {
  plat::TextureHandle target = nullptr;
  long generation = -1;
};

Scratch& TheScratch() {
  static Scratch scratch;
  return scratch;
}

// SDL blends into a see-through target as premultiplied colour; a texture drawn blended wants
// straight colour. SDL's blending also rounds the alpha of a pixel covered by an opaque one
// down by a step or two now and then: such a pixel is opaque, as it is on screen.
void Unpremultiply(std::vector<uint32_t>& argb) {
  constexpr uint32_t kOpaqueEnough = 252u;
  for (uint32_t& c : argb) {
    const uint32_t a = c >> 24;
    if (a == 0u || a == 255u) continue;
    auto straight = [a](uint32_t v) { return std::min(255u, (v * 255u + a / 2u) / a); };
    c = (a >= kOpaqueEnough ? 255u : a) << 24 | straight((c >> 16) & 0xFFu) << 16 |
        straight((c >> 8) & 0xFFu) << 8 | straight(c & 0xFFu);
  }
}

// Draws `record` into `target`, cleared to `clear` first, with the device's kept copies made at
// the first ask so the picture comes out the same whatever was drawn before it; reads the
// target back into `pixels` when asked. Drawing goes back where it was.
bool DrawInto(plat::RenderDevice& device, plat::TextureHandle target, uint32_t clear,
              const DrawRecord& record, std::vector<uint32_t>* pixels = nullptr) {
  std::string error;
  const plat::TextureHandle previous = device.Target();
  if (!device.SetTarget(target, error)) return false;
  device.Clear(clear);
  device.SetEagerCopies(true);
  D3DEngine::Instance().Replay(record);
  device.SetEagerCopies(false);
  int w = 0, h = 0;
  const bool read = !pixels || device.ReadPixels(*pixels, w, h, error);
  device.SetTarget(previous, error);
  return read;
}

CachedPicture*& FirstPicture() {
  static CachedPicture* first = nullptr;
  return first;
}

bool g_caching = true;

}  // namespace

void ReleaseCachedPictures() {
  for (CachedPicture* p = FirstPicture(); p; p = p->next_) p->Forget();
  Scratch& scratch = TheScratch();
  if (scratch.target && scratch.generation == D3DEngine::Instance().GetTextureGeneration() &&
      D3DEngine::Instance().GetDevice())
    D3DEngine::Instance().GetDevice()->DestroyTexture(scratch.target);
  scratch.target = nullptr;
}

void CachedPicture::SetCaching(bool on) { g_caching = on; }

CachedPicture::CachedPicture(Kind kind) : kind_(kind), next_(FirstPicture()) {
  if (next_) next_->prev_ = this;
  FirstPicture() = this;
}

CachedPicture::~CachedPicture() {
  Forget();
  if (prev_) prev_->next_ = next_;
  else FirstPicture() = next_;
  if (next_) next_->prev_ = prev_;
}

void CachedPicture::Forget() {
  D3DEngine& engine = D3DEngine::Instance();
  if (texture_ && generation_ == engine.GetTextureGeneration() && engine.GetDevice())
    engine.GetDevice()->DestroyTexture(texture_);
  texture_ = nullptr;
  sparse_ = false;
  shown_.Clear();
}

bool CachedPicture::ComposeLayer(plat::RenderDevice& device, const DrawRecord& record) {
  D3DEngine& engine = D3DEngine::Instance();
  const int screenW = engine.GetWidth(), screenH = engine.GetHeight();
  float minX = record.vertices[0].x, minY = record.vertices[0].y, maxX = minX, maxY = minY;
  for (const SpriteVertex& v : record.vertices) {
    minX = std::min(minX, v.x), minY = std::min(minY, v.y);
    maxX = std::max(maxX, v.x), maxY = std::max(maxY, v.y);
  }
  // A line lights the pixel at its end too.
  const int left = std::max(0, static_cast<int>(std::floor(minX)));
  const int top = std::max(0, static_cast<int>(std::floor(minY)));
  const int right = std::min(screenW, static_cast<int>(std::ceil(maxX)) + 1);
  const int bottom = std::min(screenH, static_cast<int>(std::ceil(maxY)) + 1);
  if (right <= left || bottom <= top) return false;

  Scratch& scratch = TheScratch();
  std::string error;
  if (!scratch.target || scratch.generation != engine.GetTextureGeneration()) {
    scratch.target = device.CreateTarget(screenW, screenH, error);
    scratch.generation = engine.GetTextureGeneration();
    if (!scratch.target) return false;
  }
  std::vector<uint32_t> all;
  if (!DrawInto(device, scratch.target, 0x00000000u, record, &all) ||
      all.size() != static_cast<size_t>(screenW) * static_cast<size_t>(screenH))
    return false;
  const int w = screenW;

  std::vector<uint32_t> part(static_cast<size_t>(right - left) * static_cast<size_t>(bottom - top));
  for (int y = top; y < bottom; ++y)
    std::copy_n(all.begin() + static_cast<std::ptrdiff_t>(y * w + left), right - left,
                part.begin() + static_cast<std::ptrdiff_t>((y - top) * (right - left)));
  // A layer that is mostly holes (panels spread over the screen) would blend far more pixels
  // as one picture than its pieces cover: it is drawn piece by piece.
  const auto holes = std::count_if(part.begin(), part.end(), [](uint32_t c) { return c >> 24 == 0u; });
  if (static_cast<size_t>(holes) * 3u > part.size()) {
    Forget();
    sparse_ = true;
    return true;
  }
  Unpremultiply(part);
  const plat::TextureHandle made = device.CreateTexture(right - left, bottom - top, part.data(), error);
  if (!made) return false;
  Forget();
  sparse_ = false;
  texture_ = made;
  left_ = left, top_ = top, width_ = right - left, height_ = bottom - top;
  return true;
}

bool CachedPicture::Compose(const DrawRecord& record) {
  D3DEngine& engine = D3DEngine::Instance();
  // Drawn for real, into the cache, even while an outer picture is recording.
  DrawRecord* outer = engine.SetRecording(nullptr);
  const bool made = ComposeRecord(record);
  engine.SetRecording(outer);
  return made;
}

bool CachedPicture::ComposeRecord(const DrawRecord& record) {
  D3DEngine& engine = D3DEngine::Instance();
  plat::RenderDevice* device = engine.GetDevice();
  if (generation_ != engine.GetTextureGeneration()) texture_ = nullptr;  // gone with the rest
  if (kind_ == CachedPicture::Kind::kLayer) {
    if (!ComposeLayer(*device, record)) return false;
  } else {
    const int w = engine.GetWidth(), h = engine.GetHeight();
    std::string error;
    if (texture_ && (width_ != w || height_ != h)) Forget();
    if (!texture_) {
      texture_ = device->CreateTarget(w, h, error);
      if (!texture_) {
        DebugLog::Instance().Write("No picture cache: " + error);
        return false;
      }
      left_ = top_ = 0, width_ = w, height_ = h;
    }
    if (!DrawInto(*device, texture_, 0xFF000000u, record)) return false;
  }
  generation_ = engine.GetTextureGeneration();
  ++compositions_;
  return true;
}

void CachedPicture::Draw(const std::function<void()>& draw) {
  D3DEngine& engine = D3DEngine::Instance();
  plat::RenderDevice* device = engine.GetDevice();
  if (!device) return;
  if (!g_caching) return draw();
  if (!g_inScene) engine.BeginRender();
  fresh_.Clear();
  DrawRecord* outer = engine.SetRecording(&fresh_);
  draw();
  engine.SetRecording(outer);
  if (fresh_.calls.empty()) return;
  const bool kept = (texture_ || sparse_) && generation_ == engine.GetTextureGeneration();
  if (!kept || !(fresh_ == shown_)) {
    // A layer is composed once it stays the same for two frames running; a screen's picture
    // (a room) is there to stay.
    const bool still = kind_ == Kind::kScreen || fresh_ == previous_;
    std::swap(previous_, fresh_);
    if (!still || !Compose(previous_)) {
      engine.Replay(previous_);
      return;
    }
    shown_ = previous_;
  }
  if (sparse_) return engine.Replay(shown_);
  SpriteVertex v[4];
  const auto l = static_cast<float>(left_), t = static_cast<float>(top_);
  const auto r = l + static_cast<float>(width_), b = t + static_cast<float>(height_);
  v[0].x = l, v[0].y = t;
  v[1].x = r, v[1].y = t, v[1].tu = 1.0f;
  v[2].x = l, v[2].y = b, v[2].tv = 1.0f;
  v[3].x = r, v[3].y = b, v[3].tu = 1.0f, v[3].tv = 1.0f;
  const plat::TextureHandle bound = device->BoundTexture();
  device->BindTexture(texture_);
  engine.DrawPrimitive(plat::PrimitiveType::TriangleStrip, v, 4);
  device->BindTexture(bound);
}

// Composed shapes, kept while they are drawn.
#include "engine/QuadSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

#include "engine/D3DEngine.h"

namespace {

// Shapes unused for this many presented frames are dropped; the cap bounds a screen full of
// windows of ever-changing sizes.
constexpr long kMaxIdleFrames = 120;
constexpr size_t kMaxShapes = 96;
constexpr size_t kMaxSightings = 64;

struct Shape {
  TexturePtr texture = nullptr;  // what the quads show
  std::vector<SpriteVertex> local;  // the quads, moved so the shape's corner is at 0, 0
  TexturePtr composed = nullptr;
  int width = 0, height = 0;
  long lastFrame = 0;
};

struct Sighting {
  uint64_t hash = 0;
  long frame = 0;
};

struct Cache {
  std::vector<std::unique_ptr<Shape>> shapes;
  std::vector<Sighting> sightings;  // shapes seen once, not yet composed
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

uint64_t Hash(TexturePtr texture, const std::vector<SpriteVertex>& local) {
  uint64_t h = 1469598103934665603ull ^ reinterpret_cast<uintptr_t>(texture);
  const auto* bytes = reinterpret_cast<const unsigned char*>(local.data());
  for (size_t i = 0, n = local.size() * sizeof(SpriteVertex); i < n; ++i)
    h = (h ^ bytes[i]) * 1099511628211ull;
  return h;
}

bool SameQuads(const std::vector<SpriteVertex>& a, const std::vector<SpriteVertex>& b) {
  return a.size() == b.size() &&
         std::memcmp(a.data(), b.data(), a.size() * sizeof(SpriteVertex)) == 0;
}

void Destroy(Shape& shape) {
  if (plat::RenderDevice* device = D3DEngine::Instance().GetDevice())
    device->DestroyTexture(shape.composed);
}

void DropIdle(long now) {
  Cache& c = TheCache();
  auto idle = [now](const std::unique_ptr<Shape>& s) {
    return s->lastFrame + kMaxIdleFrames < now;
  };
  for (auto& s : c.shapes)
    if (idle(s)) Destroy(*s);
  c.shapes.erase(std::remove_if(c.shapes.begin(), c.shapes.end(), idle), c.shapes.end());
  while (c.shapes.size() >= kMaxShapes) {
    auto oldest = std::min_element(c.shapes.begin(), c.shapes.end(),
                                   [](const auto& a, const auto& b) {
                                     return a->lastFrame < b->lastFrame;
                                   });
    Destroy(**oldest);
    c.shapes.erase(oldest);
  }
}

// True when the shape was seen on an earlier frame (and so is likely to stay).
bool SeenBefore(uint64_t hash, long now) {
  std::vector<Sighting>& seen = TheCache().sightings;
  for (Sighting& s : seen)
    if (s.hash == hash) return s.frame < now;
  if (seen.size() >= kMaxSightings) seen.erase(seen.begin());
  seen.push_back(Sighting{hash, now});
  return false;
}

}  // namespace

void QuadSheet::Add(const BaseSprite& sprite) {
  vertices_.insert(vertices_.end(), sprite.vertices, sprite.vertices + 4);
}

void QuadSheet::Draw() {
  D3DEngine& engine = D3DEngine::Instance();
  plat::RenderDevice* device = engine.GetDevice();
  if (!device || vertices_.empty()) return;
  if (!g_inScene) engine.BeginRender();
  const TexturePtr texture = device->BoundTexture();
  const int quads = static_cast<int>(vertices_.size() / 4);
  auto drawEach = [this] { DrawEach(); };
  if (!texture) return drawEach();

  float minX = vertices_[0].x, minY = vertices_[0].y, maxX = minX, maxY = minY;
  for (const SpriteVertex& v : vertices_) {
    minX = std::min(minX, v.x), minY = std::min(minY, v.y);
    maxX = std::max(maxX, v.x), maxY = std::max(maxY, v.y);
  }
  // Whole-pixel offsets keep each quad's fractional edges, and so its pixels, as they were.
  const float ox = std::floor(minX), oy = std::floor(minY);
  std::vector<SpriteVertex> local = vertices_;
  for (SpriteVertex& v : local) v.x -= ox, v.y -= oy;

  Cache& cache = TheCache();
  const long now = engine.GetFramesPresented();
  Shape* shape = nullptr;
  for (auto& s : cache.shapes)
    if (s->texture == texture && SameQuads(s->local, local)) shape = s.get();
  if (!shape) {
    if (!SeenBefore(Hash(texture, local), now)) return drawEach();
    const int w = static_cast<int>(std::ceil(maxX - ox)), h = static_cast<int>(std::ceil(maxY - oy));
    std::string error;
    const TexturePtr composed = device->ComposeQuads(texture, local.data(), quads, w, h, error);
    if (!composed) return drawEach();
    DropIdle(now);
    cache.shapes.push_back(std::make_unique<Shape>(Shape{texture, std::move(local), composed, w, h, now}));
    shape = cache.shapes.back().get();
  }
  shape->lastFrame = now;
  SpriteVertex v[4];
  const auto right = ox + static_cast<float>(shape->width);
  const auto bottom = oy + static_cast<float>(shape->height);
  v[0].x = ox, v[0].y = oy, v[0].tu = 0.0f, v[0].tv = 0.0f;
  v[1].x = right, v[1].y = oy, v[1].tu = 1.0f, v[1].tv = 0.0f;
  v[2].x = ox, v[2].y = bottom, v[2].tu = 0.0f, v[2].tv = 1.0f;
  v[3].x = right, v[3].y = bottom, v[3].tu = 1.0f, v[3].tv = 1.0f;
  // Bound behind the renderer's back and put back: callers go on with their texture bound.
  device->BindTexture(shape->composed);
  engine.DrawPrimitive(plat::PrimitiveType::TriangleStrip, v, 4);
  device->BindTexture(texture);
}

void QuadSheet::DrawEach() {
  D3DEngine& engine = D3DEngine::Instance();
  if (!g_inScene) engine.BeginRender();
  for (size_t q = 0; q + 4 <= vertices_.size(); q += 4)
    engine.DrawPrimitive(plat::PrimitiveType::TriangleStrip, &vertices_[q], 4);
}

void ReleaseQuadSheets() {
  Cache& c = TheCache();
  for (auto& s : c.shapes) Destroy(*s);
  c.shapes.clear();
  c.sightings.clear();
}

size_t QuadSheetCacheSize() { return TheCache().shapes.size(); }

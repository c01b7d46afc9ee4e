// Still pictures kept in textures of their own.
#include "engine/CachedPicture.h"

#include <string>
#include <utility>

#include "engine/DebugLog.h"

CachedPicture::~CachedPicture() {
  D3DEngine& engine = D3DEngine::Instance();
  if (texture_ && generation_ == engine.GetTextureGeneration() && engine.GetDevice())
    engine.GetDevice()->DestroyTexture(texture_);
}

bool CachedPicture::Compose(int width, int height, bool opaque) {
  D3DEngine& engine = D3DEngine::Instance();
  plat::RenderDevice* device = engine.GetDevice();
  if (generation_ != engine.GetTextureGeneration()) texture_ = nullptr;  // gone with the rest
  if (texture_ && (width_ != width || height_ != height)) {
    device->DestroyTexture(texture_);
    texture_ = nullptr;
  }
  std::string error;
  if (!texture_) {
    texture_ = device->CreateTarget(width, height, error);
    if (!texture_) {
      DebugLog::Instance().Write("No picture cache: " + error);
      return false;
    }
    generation_ = engine.GetTextureGeneration();
    width_ = width;
    height_ = height;
  }
  const plat::TextureHandle previous = device->Target();
  if (!device->SetTarget(texture_, error)) {
    DebugLog::Instance().Write("No picture cache: " + error);
    return false;
  }
  device->Clear(opaque ? 0xFF000000u : 0x00000000u);
  device->SetEagerCopies(true);
  engine.Replay(fresh_);
  device->SetEagerCopies(false);
  device->SetTarget(previous, error);
  ++compositions_;
  return true;
}

void CachedPicture::Draw(int width, int height, bool opaque, const std::function<void()>& draw) {
  D3DEngine& engine = D3DEngine::Instance();
  plat::RenderDevice* device = engine.GetDevice();
  if (!device || width <= 0 || height <= 0) return;
  if (!g_inScene) engine.BeginRender();
  fresh_.Clear();
  engine.SetRecording(&fresh_);
  draw();
  engine.SetRecording(nullptr);
  const bool current = texture_ && generation_ == engine.GetTextureGeneration() &&
                       width_ == width && height_ == height && fresh_ == shown_;
  if (!current) {
    if (!Compose(width, height, opaque)) {
      shown_.Clear();
      engine.Replay(fresh_);
      return;
    }
    std::swap(shown_, fresh_);
  }
  SpriteVertex v[4];
  const auto right = static_cast<float>(width), bottom = static_cast<float>(height);
  v[1].x = right, v[1].tu = 1.0f;
  v[2].y = bottom, v[2].tv = 1.0f;
  v[3].x = right, v[3].y = bottom, v[3].tu = 1.0f, v[3].tv = 1.0f;
  const plat::TextureHandle bound = device->BoundTexture();
  device->BindTexture(texture_);
  engine.DrawPrimitive(plat::PrimitiveType::TriangleStrip, v, 4);
  device->BindTexture(bound);
}

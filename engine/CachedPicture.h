// A still picture composed once into a texture of the screen's size and copied every frame
// after, until what it shows changes. The software renderer pays for every blended or tinted
// pixel on every frame; a cached picture costs one plain copy instead.
#pragma once

#include <functional>

#include "engine/D3DEngine.h"

class CachedPicture {
 public:
  CachedPicture() = default;
  ~CachedPicture();
  CachedPicture(const CachedPicture&) = delete;
  CachedPicture& operator=(const CachedPicture&) = delete;

  // Draws what `draw` draws, width x height from the screen's corner. `draw` runs every frame
  // with its primitives recorded rather than drawn: while they come out the same (and the
  // textures are kept) the cached copy is drawn, otherwise they are drawn into the cache
  // again, over opaque black when `opaque`. Where the device cannot draw into textures they
  // are drawn straight onto the screen.
  void Draw(int width, int height, bool opaque, const std::function<void()>& draw);
  // How many times the picture was composed: a still scene composes once.
  long Compositions() const { return compositions_; }

 private:
  bool Compose(int width, int height, bool opaque);
  plat::TextureHandle texture_ = nullptr;
  long generation_ = -1;  // of the renderer's textures when texture_ was made
  int width_ = 0, height_ = 0;
  DrawRecord shown_;  // what the cache holds
  DrawRecord fresh_;  // what this frame asks for
  long compositions_ = 0;
};

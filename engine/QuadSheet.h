// Quads of one texture that together make one still shape, such as a window's 9-slice frame,
// drawn as one picture: composed once per shape and copied after, rather than each quad
// stretched and blended on every frame (on the software renderer that was a large share of the
// frame). A shape seen once is drawn quad by quad; seen again, it is composed and kept.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/BaseSprite.h"

class QuadSheet {
 public:
  void Add(const BaseSprite& sprite);
  // Draws the quads, in the order added, with the texture bound now; it stays bound.
  void Draw();
  // Draws the quads one by one.
  void DrawEach();

 private:
  std::vector<SpriteVertex> vertices_;
};

// Forgets every composed shape; the renderer calls it when the textures go.
void ReleaseQuadSheets();
size_t QuadSheetCacheSize();

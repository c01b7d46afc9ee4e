// A sprite: one screen quad of four pre-transformed vertices, in the order top-left,
// top-right, bottom-left, bottom-right, drawn as a triangle strip with whatever texture is
// bound. Held by value in windows, buttons and scene objects.
#pragma once

#include <cstdint>

#include "platform/RenderDevice.h"

using SpriteVertex = plat::SpriteVertex;

class BaseSprite {
 public:
  BaseSprite();
  virtual ~BaseSprite() = default;
  BaseSprite(const BaseSprite&) = default;
  BaseSprite& operator=(const BaseSprite&) = default;

  // Inside the quad's axis-aligned rectangle; a point on an edge is outside.
  virtual bool ContainsPoint(float x, float y) const;
  // Places the quad centred on (x, y), turned by the rotation unless it is 0 or the
  // no-rotation flag is set.
  virtual void SetPosition(float x, float y);
  // Draws when a corner lies on the screen (its edges included), opening the scene if needed.
  virtual void Draw();

  void DrawQuad();
  bool IsOnScreen() const;
  // Each component is clamped to 0..255 before packing, so one never spills into another.
  void SetColour(int r, int g, int b, int a);
  void SetColourARGB(uint32_t argb);
  void SetUV(float leftU, float topV, float rightU, float bottomV);
  void SetUVPixels(float textureSize, float left, float top, float right, float bottom);
  // Cell `index` of a square sheet of `cells` cells read row by row; fewer than one cell
  // means the whole texture.
  void SetGridFrame(int cells, int index);
  void FlipHorizontal();
  void FlipVertical();
  // Adds to the rotation, kept within 0..360; takes effect at the next SetPosition.
  void Rotate(float degrees);
  void DrawOutline(uint32_t argb);

  float rotation = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
  SpriteVertex vertices[4];
  bool noRotation = false;
  // The right and bottom edges of the last placement (the bottom-right vertex).
  float right = 0.0f;
  float bottom = 0.0f;
};

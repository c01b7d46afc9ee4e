// A sprite with a position in the world, placed on screen relative to a camera.
#pragma once

#include "engine/BaseSprite.h"

class WorldSprite : public BaseSprite {
 public:
  // With the no-rotation flag the rectangle test; otherwise within half the width of the
  // screen position (a circle that stays right whatever the rotation).
  bool ContainsPoint(float x, float y) const override;
  // Screen position = world position - camera; then the quad is placed there.
  void UpdateScreenPosition(float cameraX, float cameraY);

  float worldX = 0.0f, worldY = 0.0f;
  float screenX = 0.0f, screenY = 0.0f;
};

#include "engine/WorldSprite.h"

#include <cmath>

bool WorldSprite::ContainsPoint(float x, float y) const {
  if (noRotation) return BaseSprite::ContainsPoint(x, y);
  return std::hypot(x - screenX, y - screenY) < width / 2.0f;
}

void WorldSprite::UpdateScreenPosition(float cameraX, float cameraY) {
  screenX = worldX - cameraX;
  screenY = worldY - cameraY;
  SetPosition(screenX, screenY);
}

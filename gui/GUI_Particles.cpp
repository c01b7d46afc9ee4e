// Particle batches.
#include "gui/GUI_Particles.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"

namespace particles {

float Radians(float degrees) { return degrees * 0.0174532924f; }

uint32_t WhiteAlpha(float alpha) {
  const auto a = static_cast<uint32_t>(std::clamp(alpha, 0.0f, 255.0f));
  return a << 24 | 0x00FFFFFFu;
}

void AppendQuad(std::vector<SpriteVertex>& out, float x, float y, float hw, float hh,
                float degrees, uint32_t argb, float u0, float v0, float u1, float v1) {
  const float offsets[4][2] = {{-hw, -hh}, {hw, -hh}, {-hw, hh}, {hw, hh}};
  const float uv[4][2] = {{u0, v0}, {u1, v0}, {u0, v1}, {u1, v1}};
  SpriteVertex corner[4];
  const float c = degrees != 0.0f ? std::cos(Radians(degrees)) : 1.0f;
  const float s = degrees != 0.0f ? std::sin(Radians(degrees)) : 0.0f;
  for (int i = 0; i < 4; ++i) {
    const float dx = offsets[i][0], dy = offsets[i][1];
    corner[i].x = x + dx * c - dy * s;
    corner[i].y = y + dy * c + dx * s;
    corner[i].diffuse = argb;
    corner[i].tu = uv[i][0];
    corner[i].tv = uv[i][1];
  }
  for (int i : {0, 1, 2, 2, 1, 3}) out.push_back(corner[i]);
}

void AppendSprite(std::vector<SpriteVertex>& out, const BaseSprite& sprite) {
  for (int i : {0, 1, 2, 2, 1, 3}) out.push_back(sprite.vertices[i]);
}

void DrawBatch(const std::vector<SpriteVertex>& vertices) {
  if (vertices.empty()) return;
  D3DEngine& engine = D3DEngine::Instance();
  if (!g_inScene) engine.BeginRender();
  engine.DrawPrimitive(plat::PrimitiveType::TriangleList, vertices.data(),
                       static_cast<int>(vertices.size()));
}

}  // namespace particles

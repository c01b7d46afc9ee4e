#include "engine/BaseSprite.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"

namespace {
constexpr float kDegreesToRadians = 0.0174532924f;
}

BaseSprite::BaseSprite() {
  const float uv[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  for (int i = 0; i < 4; ++i) {
    vertices[i] = SpriteVertex{};
    vertices[i].tu = uv[i][0];
    vertices[i].tv = uv[i][1];
  }
}

bool BaseSprite::ContainsPoint(float x, float y) const {
  return vertices[0].x < x && x < vertices[1].x && vertices[0].y < y && y < vertices[2].y;
}

void BaseSprite::SetPosition(float x, float y) {
  const float hw = width / 2.0f, hh = height / 2.0f;
  const float offsets[4][2] = {{-hw, -hh}, {hw, -hh}, {-hw, hh}, {hw, hh}};
  if (!noRotation && rotation != 0.0f) {
    const float a = rotation * kDegreesToRadians;
    const float c = std::cos(a), s = std::sin(a);
    for (int i = 0; i < 4; ++i) {
      const float dx = offsets[i][0], dy = offsets[i][1];
      vertices[i].x = x + dx * c - dy * s;
      vertices[i].y = y + dy * c + dx * s;
    }
  } else {
    for (int i = 0; i < 4; ++i) {
      vertices[i].x = x + offsets[i][0];
      vertices[i].y = y + offsets[i][1];
    }
  }
  right = vertices[3].x;
  bottom = vertices[3].y;
}

bool BaseSprite::IsOnScreen() const {
  const float w = static_cast<float>(static_cast<int>(g_screenWidth));
  const float h = static_cast<float>(static_cast<int>(g_screenHeight));
  for (const SpriteVertex& v : vertices)
    if (v.x >= 0.0f && v.x <= w && v.y >= 0.0f && v.y <= h) return true;
  return false;
}

void BaseSprite::Draw() {
  if (!IsOnScreen()) return;
  DrawQuad();
}

void BaseSprite::DrawQuad() {
  D3DEngine& engine = D3DEngine::Instance();
  if (!g_inScene) engine.BeginRender();
  engine.DrawPrimitive(plat::PrimitiveType::TriangleStrip, vertices, 4);
}

void BaseSprite::SetColour(int r, int g, int b, int a) {
  auto c = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
  SetColourARGB(c(a) << 24 | c(r) << 16 | c(g) << 8 | c(b));
}

void BaseSprite::SetColourARGB(uint32_t argb) {
  for (SpriteVertex& v : vertices) v.diffuse = argb;
}

void BaseSprite::SetUV(float leftU, float topV, float rightU, float bottomV) {
  vertices[0].tu = leftU;
  vertices[0].tv = topV;
  vertices[1].tu = rightU;
  vertices[1].tv = topV;
  vertices[2].tu = leftU;
  vertices[2].tv = bottomV;
  vertices[3].tu = rightU;
  vertices[3].tv = bottomV;
}

void BaseSprite::SetUVPixels(float textureSize, float left, float top, float r, float b) {
  if (textureSize == 0.0f) return;  // no size: leave the rectangle as it is
  SetUV(left / textureSize, top / textureSize, r / textureSize, b / textureSize);
}

void BaseSprite::SetGridFrame(int cells, int index) {
  const int side = std::max(1, static_cast<int>(std::sqrt(static_cast<double>(std::max(cells, 1)))));
  const int column = index % side, row = index / side;
  const float s = static_cast<float>(side);
  SetUV(static_cast<float>(column) / s, static_cast<float>(row) / s,
        static_cast<float>(column + 1) / s, static_cast<float>(row + 1) / s);
}

void BaseSprite::FlipHorizontal() {
  std::swap(vertices[0].tu, vertices[1].tu);
  std::swap(vertices[2].tu, vertices[3].tu);
}

void BaseSprite::FlipVertical() {
  std::swap(vertices[0].tv, vertices[2].tv);
  std::swap(vertices[1].tv, vertices[3].tv);
}

void BaseSprite::Rotate(float degrees) {
  rotation += degrees;
  if (rotation >= 360.0f)
    rotation -= 360.0f;
  else if (rotation < 0.0f)
    rotation += 360.0f;
}

void BaseSprite::DrawOutline(uint32_t argb) { D3DEngine::Instance().DrawSpriteOutline(*this, argb); }

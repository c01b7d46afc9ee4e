// Element geometry.
#include "gui/GUI_BaseElement.h"

#include <cmath>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"

namespace {
int T(float v) { return static_cast<int>(std::trunc(v)); }
}  // namespace

GUI_BaseElement::GUI_BaseElement() { GUI_BaseElement::SetRect(0, 0, 0, 0); }

void GUI_BaseElement::SetRect(float left, float top, float right, float bottom) {
  rect = {T(left), T(top), T(right), T(bottom)};
  width = T(right - left);
  height = T(bottom - top);
}

void GUI_BaseElement::SetSize(float w, float h) {
  width = T(w);
  height = T(h);
}

bool GUI_BaseElement::HitTest(float x, float y) const {
  const int ix = T(x), iy = T(y);
  return ix >= rect.left && ix < rect.right && iy >= rect.top && iy < rect.bottom;
}

void GUI_BaseElement::MoveTo(float x, float y) {
  rect = {T(x), T(y), T(static_cast<float>(width) + x), T(static_cast<float>(height) + y)};
}

void GUI_BaseElement::CentreOnScreen() {
  const D3DEngine& engine = D3DEngine::Instance();
  rect.left = engine.GetWidth() / 2 - width / 2;
  rect.top = engine.GetHeight() / 2 - height / 2;
  rect.right = rect.left + width;
  rect.bottom = rect.top + height;
}

void GUI_BaseElement::ClampToScreen() {
  if (rect.top < 0) {
    rect.top = 0;
    rect.bottom = height;
  }
  if (static_cast<float>(rect.bottom) > g_screenHeight) {
    rect.bottom = T(g_screenHeight);
    rect.top = rect.bottom - height;
  }
  if (static_cast<float>(rect.right) > g_screenWidth) {
    rect.right = T(g_screenWidth);
    rect.left = T(g_screenWidth - static_cast<float>(width));
  }
  if (rect.left < 0) {
    rect.left = 0;
    rect.right = width;
  }
  // Taller than the screen: the bottom rule pushed the top above it; the top wins, as the
  // left does, so an oversized element always starts at (0, 0).
  if (rect.top < 0) {
    rect.top = 0;
    rect.bottom = height;
  }
}

void GUI_BaseElement::MoveOnScreen(float x, float y) {
  if (x + static_cast<float>(width) > g_screenWidth) x = g_screenWidth - static_cast<float>(width);
  if (y + static_cast<float>(height) > g_screenHeight) {
    y = g_screenHeight - static_cast<float>(height);
  }
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  MoveTo(x, y);
}

void GUI_BaseElement::DrawFilled(const char* texture, float alpha, float shade) const {
  D3DEngine::Instance().SetTextureByName(texture);
  BaseSprite sprite;
  sprite.width = static_cast<float>(width);
  sprite.height = static_cast<float>(height);
  const int s = T(shade * 255.0f);
  sprite.SetColour(s, s, s, T(alpha * 255.0f));
  sprite.SetPosition(static_cast<float>(rect.left + rect.right) / 2.0f,
                     static_cast<float>(rect.top + rect.bottom) / 2.0f);
  sprite.DrawQuad();
}

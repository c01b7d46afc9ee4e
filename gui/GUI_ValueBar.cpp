// Value bar.
#include "gui/GUI_ValueBar.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/D3DEngine.h"

void ValueBarBlocks(float value, float width, int& fullBlocks, int& lastBlock) {
  const float v = std::clamp(value, 0.0f, 1.0f);
  const int filled = static_cast<int>(std::trunc(v * width));
  fullBlocks = filled / 6;
  lastBlock = std::min(5, filled - 6 * fullBlocks);
}

void DrawValueBar(float x, float y, float value, float width, float alpha, bool red) {
  D3DEngine& engine = D3DEngine::Instance();
  const int l = static_cast<int>(std::trunc(x)), t = static_cast<int>(std::trunc(y));
  const int r = static_cast<int>(std::trunc(x + width)), b = static_cast<int>(std::trunc(y + 8));
  engine.FillRect(l, t, r, b, 0xFF181818u);
  int full = 0, last = 0;
  ValueBarBlocks(value, width, full, last);
  const uint32_t a = static_cast<uint32_t>(std::clamp(static_cast<int>(std::trunc(alpha * 255.0f)), 0, 255)) << 24;
  const uint32_t top = a | (red ? 0xDE3838u : 0xDEDEDEu);
  const uint32_t bottom = a | (red ? 0xC40404u : 0xA6A6A6u);
  std::vector<SpriteVertex> v;
  auto block = [&](float bx, float bw) {
    SpriteVertex tl, tr, bl, br;
    tl.x = bx; tl.y = static_cast<float>(t); tl.diffuse = top;
    tr.x = bx + bw; tr.y = static_cast<float>(t); tr.diffuse = top;
    bl.x = bx; bl.y = static_cast<float>(b); bl.diffuse = bottom;
    br.x = bx + bw; br.y = static_cast<float>(b); br.diffuse = bottom;
    for (const SpriteVertex& p : {tl, tr, bl, bl, tr, br}) v.push_back(p);
  };
  for (int i = 0; i < full; ++i) block(static_cast<float>(l + 6 * i), 5.0f);
  if (last > 0) block(static_cast<float>(l + 6 * full), static_cast<float>(last));
  if (!v.empty()) {
    engine.SetTexture(0, nullptr);
    engine.DrawPrimitive(plat::PrimitiveType::TriangleList, v.data(), static_cast<int>(v.size()));
  }
  engine.DrawRectOutline(l, t, r, b, 0xFF505050u);
}

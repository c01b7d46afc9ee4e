// Frame skin drawing.
#include "gui/GUI_Frame.h"

#include <cmath>

#include "gui/GUI_Shell.h"
#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/QuadSheet.h"
#include "engine/Random.h"
#include "gui/GUI_TextureSet.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Weather.h"

namespace {

constexpr int kIcicles = 20;
// Until RandomiseIcicles runs the icicles have a middling size and gap, never a zero gap
// (which would never move along the edge).
float g_icicleSize[kIcicles] = {20, 14, 26, 10, 18, 30, 12, 22, 16, 28,
                                20, 14, 26, 10, 18, 30, 12, 22, 16, 28};
float g_icicleGap[kIcicles] = {9, 7, 11, 8, 10, 6, 12, 9, 7, 11, 8, 10, 6, 12, 9, 7, 11, 8, 10, 6};

uint32_t White(float alpha) {
  const int a = static_cast<int>(std::trunc(alpha * 255.0f));
  return static_cast<uint32_t>(a < 0 ? 0 : a > 255 ? 255 : a) << 24 | 0x00FFFFFFu;
}

// One cell of the 4 x 4 sheet, w x h, centred at (x, y), added to the frame's sheet. Empty
// or negative cells are skipped (a frame smaller than its two borders).
void Cell(QuadSheet& sheet, int index, float x, float y, float w, float h, uint32_t colour) {
  if (w <= 0.0f || h <= 0.0f) return;
  BaseSprite sprite;
  sprite.SetGridFrame(16, index);
  sprite.width = w;
  sprite.height = h;
  sprite.SetColourARGB(colour);
  sprite.SetPosition(x, y);
  sheet.Add(sprite);
}

struct Box {
  float l, t, r, b, border;
  float Width() const { return r - l; }
  float Height() const { return b - t; }
  float MidX() const { return static_cast<float>((static_cast<int>(l) + static_cast<int>(r)) / 2); }
  float MidY() const { return static_cast<float>((static_cast<int>(t) + static_cast<int>(b)) / 2); }
};

}  // namespace

float FrameDirtLevel() {
  const SIM_NamedValueList& globals = GlobalNamedValues();
  return globals.Has("glob_dirt") ? globals.GetValue("glob_dirt") : 0.0f;
}

float FrameSnowIntensity() { return SIM_Weather::Instance().GetIntensity(3); }

namespace {

// The bound texture as a 9-slice frame; corners and edges reach `overlap` px into their
// neighbours.
void DrawCells(float left, float top, float right, float bottom, float border, float overlap,
               uint32_t c) {
  const Box f{left, top, right, bottom, border};
  const float corner = border + overlap, half = border / 2.0f;
  const float innerW = f.Width() - 2.0f * border, innerH = f.Height() - 2.0f * border;
  QuadSheet sheet;
  Cell(sheet, 0, left + half, top + half, corner, corner, c);
  Cell(sheet, 3, right - half, top + half, corner, corner, c);
  Cell(sheet, 12, left + half, bottom - half, corner, corner, c);
  Cell(sheet, 15, right - half, bottom - half, corner, corner, c);
  Cell(sheet, 5, f.MidX(), f.MidY(), innerW, innerH, c);
  Cell(sheet, 1, f.MidX(), top + half, innerW, corner, c);
  Cell(sheet, 14, f.MidX(), bottom - half, innerW, corner, c);
  Cell(sheet, 4, left + half, f.MidY(), corner, innerH, c);
  Cell(sheet, 7, right - half, f.MidY(), corner, innerH, c);
  sheet.Draw();
}

}  // namespace

void DrawFrame(float left, float top, float right, float bottom, float border, float alpha) {
  DrawCells(left, top, right, bottom, border, 0.5f, White(alpha));
  if (Shell().IsInGame()) DrawDirtCorners(left, top, right, bottom, border);
}

void DrawTextVeil(float left, float top, float right, float bottom) {
  D3DEngine::Instance().SetTextureByName(kTextVeilTexture);
  // See-through cells must not overlap (the overlap would show as darker seams), so the
  // veil lies on whole pixels and its cells just meet.
  DrawCells(std::round(left), std::round(top), std::round(right), std::round(bottom),
            kTextVeilBorder, 0.0f, White(1.0f));
}

void DrawFrameById(float left, float top, float right, float bottom, int id, float border,
                   float alpha) {
  GUI_TextureSet::Instance().Select(id);
  DrawFrame(left, top, right, bottom, border, alpha);
}

void DrawFrameByFile(float left, float top, float right, float bottom, const char* texture,
                     float border, float alpha) {
  D3DEngine::Instance().SetTextureByName(texture);
  DrawFrame(left, top, right, bottom, border, alpha);
}

void DrawTabFrame(float left, float top, float right, float bottom, int id, float border,
                  bool upsideDown) {
  GUI_TextureSet::Instance().Select(id);
  const Box f{left, top, right, bottom, border};
  const uint32_t c = White(1.0f);
  const float corner = border + 0.5f, half = border / 2.0f;
  const float innerW = f.Width() - 2.0f * border;
  const float sideH = f.Height() - border;  // the sides run to the open edge
  const float rowY = upsideDown ? bottom - half : top + half;
  const float sideY = upsideDown ? top + sideH / 2.0f : top + border + sideH / 2.0f;
  const float midY = sideY;
  QuadSheet sheet;
  Cell(sheet, 0, left + half, rowY, corner, corner, c);
  Cell(sheet, 3, right - half, rowY, corner, corner, c);
  Cell(sheet, 5, f.MidX(), midY, innerW, sideH, c);
  Cell(sheet, 1, f.MidX(), rowY, innerW, corner, c);
  Cell(sheet, 4, left + half, sideY, corner, sideH, c);
  Cell(sheet, 7, right - half, sideY, corner, sideH, c);
  sheet.Draw();
}

void DrawDropShadow(float left, float top, float right, float bottom, float border, int offset) {
  D3DEngine::Instance().SetTextureByName("window_dropshadow.dds");
  const float o = static_cast<float>(offset);
  const Box f{left + o, top + o, right + o, bottom + o, border};
  const uint32_t c = 0xC0FFFFFFu;
  const float half = border / 2.0f;
  const float innerW = f.Width() - 2.0f * border, innerH = f.Height() - 2.0f * border;
  QuadSheet sheet;
  Cell(sheet, 3, f.r - half, f.t + half, border, border, c);
  Cell(sheet, 15, f.r - half, f.b - half, border, border, c);
  Cell(sheet, 12, f.l + half, f.b - half, border, border, c);
  Cell(sheet, 14, f.MidX(), f.b - half, innerW, border, c);
  Cell(sheet, 7, f.r - half, f.MidY(), border, innerH, c);
  // Not one picture: most of the shadow's box is empty, and a picture would blend all of it.
  sheet.DrawEach();
}

void DrawDirtCorners(float left, float top, float right, float bottom, float border) {
  const float dirt = FrameDirtLevel();
  if (dirt < 0.1f) return;
  if (right - left < 151.0f || bottom - top < 151.0f) return;
  const float side = 4.0f * border;
  const float level = dirt > 1.0f ? 1.0f : dirt;  // a corrupt save may hold more than 1
  const uint32_t c = White(level);
  D3DEngine& engine = D3DEngine::Instance();
  BaseSprite sprite;
  sprite.width = side;
  sprite.height = side;
  sprite.SetColourARGB(c);
  engine.SetTextureByName("dirt_topleft.dds");
  sprite.SetPosition(left + side / 2.0f, top + side / 2.0f);
  sprite.DrawQuad();
  engine.SetTextureByName("dirt_topright.dds");
  sprite.SetPosition(right - side / 2.0f, top + side / 2.0f);
  sprite.DrawQuad();
}

void DrawIceEdge(float left, float /*top*/, float right, float bottom) {
  if (FrameSnowIntensity() < 0.25f) return;
  D3DEngine::Instance().SetTextureByName("ice.dds");
  BaseSprite sprite;
  sprite.SetColourARGB(0xFFFFFFFFu);
  int i = 0;
  for (float x = left + 12.0f; x < right - 12.0f; i = (i + 1) % kIcicles) {
    const float size = g_icicleSize[i];
    sprite.width = size / 4.0f;
    sprite.height = size;
    // Hung from the edge: the icicle's own width places it just under the frame.
    sprite.SetPosition(x, bottom + sprite.width / 2.0f);
    sprite.DrawQuad();
    x += g_icicleGap[i] >= 1.0f ? g_icicleGap[i] : 1.0f;
  }
}

void RandomiseIcicles() {
  for (int i = 0; i < kIcicles; ++i) {
    g_icicleSize[i] = LookRandomFloat(6.0f, 36.0f);
    g_icicleGap[i] = LookRandomFloat(4.0f, 14.0f);
  }
}

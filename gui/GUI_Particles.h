// Batches of screen quads for the scene's particles (rain, snow, snowdrops, flies, fish and
// the night-club lights): each kind fills one vertex array a frame and draws it with one call,
// so a thousand flakes cost one draw, not a thousand.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/BaseSprite.h"

namespace particles {

// A quad centred on (x, y), half-width hw and half-height hh, turned by `degrees` clockwise on
// screen, with the texture rectangle u0, v0 .. u1, v1 (u1 < u0 mirrors it), as two triangles
// wound the way the renderer draws.
void AppendQuad(std::vector<SpriteVertex>& out, float x, float y, float hw, float hh,
                float degrees, uint32_t argb, float u0 = 0.0f, float v0 = 0.0f, float u1 = 1.0f,
                float v1 = 1.0f);
// The four corners of a placed sprite (top-left, top-right, bottom-left, bottom-right) as
// two triangles.
void AppendSprite(std::vector<SpriteVertex>& out, const BaseSprite& sprite);
// Draws the batch with the texture bound now, inside the frame's scene; nothing when empty.
void DrawBatch(const std::vector<SpriteVertex>& vertices);

// White at an alpha, clamped to 0..255.
uint32_t WhiteAlpha(float alpha);
// Degrees to radians.
float Radians(float degrees);

}  // namespace particles

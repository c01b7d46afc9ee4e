// A picture split, row by row, into the runs of texels that draw something, and drawn from
// them straight into a 32-bit ARGB frame with SDL's software blend: opaque runs copied, clear
// ones skipped, the rest blended. The software renderer draws its plain copies this way; the
// render bench uses it as the floor its timings are measured against.
#pragma once

#include <cstdint>
#include <vector>

namespace plat {

// A run of texels of one row that draws something: copied when all are opaque, blended
// otherwise. Clear texels between runs are skipped.
struct TexelRun {
  int x = 0, length = 0;
  bool opaque = false;
};

struct TexelRuns {
  // Row y's runs are runs[rowStart[y]..rowStart[y + 1]).
  std::vector<TexelRun> runs;
  std::vector<int> rowStart;
  // At most half the picture is clear. A mostly clear picture (text) is better left to SDL's
  // blitter, which passes a clear texel by without touching the frame.
  bool mostlyDrawn = false;

  // Splits `argb` (`width` x `height`, rows packed) into its runs.
  void Find(const uint32_t* argb, int width, int height);
  // The part (sx, sy, sw, sh) of `texels` (rows `pitch` texels apart, split by Find) with its
  // top-left at (dx, dy) of `frame` (`frameWidth` x `frameHeight`, rows `framePitch` bytes
  // apart), clipped to the frame.
  void Draw(const uint32_t* texels, int pitch, int sx, int sy, int sw, int sh, uint32_t* frame,
            int framePitch, int frameWidth, int frameHeight, int dx, int dy) const;
};

// `n` texels of `in` blended over as many of `out` as SDL's software blitter blends a texture
// of per-texel alpha.
void BlendRun(const uint32_t* in, uint32_t* out, int n);

}  // namespace plat

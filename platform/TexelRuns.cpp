// Runs of texels and their straight drawing.
#include "platform/TexelRuns.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace plat {

namespace {

// Opaque runs shorter than kMinRun, and clear ones shorter than kMinSkip, are blended with
// their neighbours (four clear texels cost one test there): a run of its own costs a call and
// a row's worth of bookkeeping, more than blending a few texels.
constexpr int kMinRun = 16;
constexpr int kMinSkip = 32;

// `s` blended over `d` exactly as SDL's software blitter blends a texture of per-texel alpha:
// each channel of `s` weighted by its alpha and of `d` by the rest, each shifted down by 8 on
// its own; the alpha channel weighs `s`'s alpha by 255. Opaque texels are copied, clear ones
// leave `d`.
inline uint32_t BlendTexel(uint32_t s, uint32_t d) {
  const uint32_t a = s >> 24, rest = 255u - a;
  auto mix = [&](int shift, uint32_t weight) {
    return ((((s >> shift) & 0xFFu) * weight) >> 8) + ((((d >> shift) & 0xFFu) * rest) >> 8);
  };
  const uint32_t blended = mix(24, 255u) << 24 | mix(16, a) << 16 | mix(8, a) << 8 | mix(0, a);
  return a == 255u ? s : (a == 0u ? d : blended);
}

}  // namespace

void BlendRun(const uint32_t* in, uint32_t* out, int n) {
  int x = 0;
#if defined(__SSE2__)
  // Four texels at a time, in 16-bit lanes: the same sums, so the same pixels.
  const __m128i zero = _mm_setzero_si128();
  const __m128i alphaLane = _mm_set_epi16(255, 0, 0, 0, 255, 0, 0, 0);
  const __m128i colourLanes = _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1);
  const __m128i full = _mm_set1_epi16(255);
  auto half = [&](__m128i s, __m128i d) {
    const __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s, 0xFF), 0xFF);
    const __m128i weight = _mm_or_si128(_mm_and_si128(a, colourLanes), alphaLane);
    const __m128i rest = _mm_sub_epi16(full, a);
    return _mm_add_epi16(_mm_srli_epi16(_mm_mullo_epi16(s, weight), 8),
                         _mm_srli_epi16(_mm_mullo_epi16(d, rest), 8));
  };
  const __m128i opaque = _mm_set1_epi32(255);
  for (; x + 4 <= n; x += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
    const __m128i alpha = _mm_srli_epi32(s, 24);
    const __m128i isOpaque = _mm_cmpeq_epi32(alpha, opaque);
    const __m128i isClear = _mm_cmpeq_epi32(alpha, zero);
    // Four clear texels leave the frame unread (text is mostly gaps); four opaque ones are
    // written without reading it.
    if (_mm_movemask_epi8(isClear) == 0xFFFF) continue;
    if (_mm_movemask_epi8(isOpaque) == 0xFFFF) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), s);
      continue;
    }
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + x));
    const __m128i blended =
        _mm_packus_epi16(half(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero)),
                         half(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero)));
    __m128i result = _mm_or_si128(_mm_and_si128(isOpaque, s), _mm_andnot_si128(isOpaque, blended));
    result = _mm_or_si128(_mm_and_si128(isClear, d), _mm_andnot_si128(isClear, result));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), result);
  }
#endif
  for (; x < n; ++x) out[x] = BlendTexel(in[x], out[x]);
}


void TexelRuns::Find(const uint32_t* argb, int width, int height) {
  size_t clear = 0;
  runs.clear();
  rowStart.assign(static_cast<size_t>(height) + 1u, 0);
  for (int y = 0; y < height; ++y) {
    rowStart[static_cast<size_t>(y)] = static_cast<int>(runs.size());
    const uint32_t* row = argb + static_cast<size_t>(y) * static_cast<size_t>(width);
    // Kind of texel: 0 clear, 1 see-through, 2 opaque.
    auto kind = [row](int x) { return row[x] >> 24 == 0u ? 0 : (row[x] >> 24 == 255u ? 2 : 1); };
    int x = 0;
    while (x < width) {
      const int k = kind(x);
      int end = x + 1;
      while (end < width && kind(end) == k) ++end;
      if (k == 0) clear += static_cast<size_t>(end - x);
      if (k == 0 && end - x >= kMinSkip) {
        x = end;
        continue;
      }
      const bool opaque = k == 2 && end - x >= kMinRun;
      const bool rowHasRun =
          runs.size() > static_cast<size_t>(rowStart[static_cast<size_t>(y)]);
      const TexelRun* last = rowHasRun ? &runs.back() : nullptr;
      if (!opaque && last && !last->opaque && last->x + last->length == x)
        runs.back().length = end - last->x;  // short runs join the blended run before them
      else
        runs.push_back(TexelRun{x, end - x, opaque});
      x = end;
    }
  }
  rowStart[static_cast<size_t>(height)] = static_cast<int>(runs.size());
  mostlyDrawn = clear * 2u <= static_cast<size_t>(width) * static_cast<size_t>(height);
}

void TexelRuns::Draw(const uint32_t* texels, int pitch, int sx, int sy, int sw, int sh,
                     uint32_t* frame, int framePitch, int frameWidth, int frameHeight, int dx,
                     int dy) const {
  const int left = std::max(sx, sx - dx);
  const int right = std::min(sx + sw, sx + frameWidth - dx);
  const int top = std::max(sy, sy - dy);
  const int bottom = std::min(sy + sh, sy + frameHeight - dy);
  auto* pixels = reinterpret_cast<uint8_t*>(frame);
  const int shift = dx - sx;  // picture x to frame x
  for (int y = top; y < bottom; ++y) {
    auto* out =
        reinterpret_cast<uint32_t*>(pixels + static_cast<ptrdiff_t>(dy + y - sy) * framePitch);
    const uint32_t* in = texels + static_cast<ptrdiff_t>(y) * pitch;
    for (int i = rowStart[static_cast<size_t>(y)]; i < rowStart[static_cast<size_t>(y) + 1];
         ++i) {
      const TexelRun& run = runs[static_cast<size_t>(i)];
      const int x0 = std::max(run.x, left), x1 = std::min(run.x + run.length, right);
      if (x0 >= x1) continue;
      uint32_t* to = out + (x0 + shift);
      if (run.opaque) {
        std::memcpy(to, in + x0, static_cast<size_t>(x1 - x0) * 4u);
      } else {
        BlendRun(in + x0, to, x1 - x0);
      }
    }
  }
}

}  // namespace plat

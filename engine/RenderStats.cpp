#include "engine/RenderStats.h"

#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Utilities.h"

RenderStats& RenderStats::Instance() {
  static RenderStats stats;
  return stats;
}

void RenderStats::Add(int counter, float amount) {
  if (counter >= 0 && counter < kCount) counters_[counter] += amount;
}

void RenderStats::Reset() {
  for (float& c : counters_) c = 0.0f;
}

float RenderStats::Get(int counter) const {
  return counter >= 0 && counter < kCount ? counters_[counter] : 0.0f;
}

void RenderStats::DrawOverlay() {
  D3DEngine& engine = D3DEngine::Instance();
  engine.FillRect(32, 32, 232, 132, 0xFF000000u);
  engine.DrawRectOutline(32, 32, 232, 132, 0xFFFFFFFFu);
  const std::string lines[3] = {"GDILOCKS: " + FormatFixed(counters_[kGdiLocks], 2),
                                "TEXTURESWAPS: " + FormatFixed(counters_[kTextureSwaps], 2),
                                "PIXELSDRAWN: " + FormatFixed(counters_[kPixelsDrawn], 0)};
  // The counters are read before the overlay's own lock is counted.
  BeginGdiDrawing();
  SelectGdiFont("tahoma", 12, false);
  const float ys[3] = {42.0f, 54.0f, 66.0f};
  for (int i = 0; i < 3; ++i) DrawGdiTextString(42.0f, ys[i], lines[i], 0.0f);
  EndGdiDrawing();
}

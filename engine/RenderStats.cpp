#include "engine/RenderStats.h"

#include "engine/CallTrace.h"
#include "engine/D3DEngine.h"
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
  // The text goes through one GDI lock in "tahoma" 12. Until GDI text drawing exists the
  // lock is counted as taking the back buffer's DC would, and the lines are recorded.
  const std::string lines[3] = {"GDILOCKS: " + FormatFixed(counters_[kGdiLocks], 2),
                                "TEXTURESWAPS: " + FormatFixed(counters_[kTextureSwaps], 2),
                                "PIXELSDRAWN: " + FormatFixed(counters_[kPixelsDrawn], 0)};
  Add(kGdiLocks, 1.0f);
  const int ys[3] = {42, 54, 66};
  for (int i = 0; i < 3; ++i)
    TraceCall("DrawGdiText 42 " + std::to_string(ys[i]) + " " + lines[i]);
}

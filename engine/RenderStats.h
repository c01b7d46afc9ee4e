// Per-frame counts of costly rendering events for a developer overlay. The counters cover
// the frame since the last present (D3DEngine::Flip resets them).
#pragma once

class RenderStats {
 public:
  enum Counter { kGdiLocks = 0, kTextureSwaps = 1, kPixelsDrawn = 2, kCount = 3 };

  static RenderStats& Instance();
  RenderStats(const RenderStats&) = delete;
  RenderStats& operator=(const RenderStats&) = delete;

  void Add(int counter, float amount);
  void Reset();
  float Get(int counter) const;
  // A black panel with a white outline at (32, 32)-(232, 132) and the three counters as text.
  void DrawOverlay();

 private:
  RenderStats() { Reset(); }
  float counters_[kCount] = {};
};

// One block of bitmap-font text kept for drawing later: what AddString was given while a chunk
// list was being recorded, with the font and size that were current then.
#pragma once

#include <cstdint>
#include <string>

class LibTextRenderer;

class LibTextChunk {
 public:
  LibTextChunk() = default;
  LibTextChunk(const std::string& text, float x, float y, uint32_t argb, float width,
               int alignment, const std::string& fontName, int size);
  virtual ~LibTextChunk() = default;

  // Selects the chunk's font and size on the renderer and adds its text to the batch.
  void Draw(LibTextRenderer& renderer) const;

  std::string text;
  float x = 0.0f, y = 0.0f;
  uint32_t argb = 0xFFFFFFFFu;
  float width = 0.0f;
  int alignment = 0;  // 0 left, 1 right, 2 centre
  std::string fontName;
  int size = 0;
};

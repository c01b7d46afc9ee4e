#include "engine/LibTextChunk.h"

#include "engine/LibTextRenderer.h"

LibTextChunk::LibTextChunk(const std::string& text_, float x_, float y_, uint32_t argb_,
                           float width_, int alignment_, const std::string& fontName_, int size_)
    : text(text_),
      x(x_),
      y(y_),
      argb(argb_),
      width(width_),
      alignment(alignment_),
      fontName(fontName_),
      size(size_) {}

void LibTextChunk::Draw(LibTextRenderer& renderer) const {
  renderer.SetFont(fontName, size);
  renderer.AddString(x, y, text, argb, width, alignment);
}

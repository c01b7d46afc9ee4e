// Drawing one queued or kept text item.
#include "engine/GdiTextItem.h"

#include "engine/GdiText.h"

void GdiTextItem::Draw() {
  if (fontSize == -1)
    SelectDefaultGdiFont(italic);
  else
    SelectGdiFont(fontName, fontSize, italic);
  if (alignment == 1) {
    x = x + width * 0.5f - MeasureGdiTextWidth(text) * 0.5f;
    alignment = 0;
  } else if (alignment == 2) {
    x = x + width - MeasureGdiTextWidth(text);
    alignment = 0;
  }
  SetGdiTextColour(r, g, b);
  DrawGdiTextString(x, y, text, width);
}

// Drawing one queued or kept text item.
#include "engine/GdiTextItem.h"

#include "engine/GdiText.h"

std::unique_ptr<GdiTextItem> GdiTextItem::Make(float x, float y, const std::string& text,
                                               const char* fontName, int fontSize, float width,
                                               int alignment, bool italic, int r, int g, int b) {
  auto item = std::make_unique<GdiTextItem>();
  item->x = x;
  item->y = y;
  item->text = text;
  item->fontName = fontName ? fontName : "";
  item->fontSize = fontSize;
  item->width = width;
  item->alignment = alignment;
  item->italic = italic;
  item->r = r;
  item->g = g;
  item->b = b;
  return item;
}

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

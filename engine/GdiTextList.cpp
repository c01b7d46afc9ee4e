// Kept text lists.
#include "engine/GdiTextList.h"

#include "engine/GdiText.h"

void GdiTextList::AddText(float x, float y, const std::string& text, const char* fontName,
                          int fontSize, float width, int alignment, int r, int g, int b) {
  auto item = std::make_unique<GdiTextItem>();
  item->x = x;
  item->y = y;
  item->text = text;
  item->fontName = fontName ? fontName : "";
  item->fontSize = fontSize;
  item->width = width;
  item->alignment = alignment;
  item->r = r;
  item->g = g;
  item->b = b;
  items_.push_back(std::move(item));
}

void GdiTextList::DrawAll(int r, int g, int b) {
  SetGdiTextColour(r, g, b);
  for (auto& item : items_) item->Draw();
}

void GdiTextList::DrawNow() {
  BeginGdiDrawing();
  DrawAll(255, 255, 255);
  EndGdiDrawing();
}

// Kept text lists.
#include "engine/GdiTextList.h"

#include "engine/GdiText.h"

void GdiTextList::AddText(float x, float y, const std::string& text, const char* fontName,
                          int fontSize, float width, int alignment, int r, int g, int b) {
  items_.push_back(
      GdiTextItem::Make(x, y, text, fontName, fontSize, width, alignment, false, r, g, b));
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

// One text to draw: where, in which font and colour, one line or wrapped in a box, and how it
// is aligned in that box. Items live in the frame's queue or in a window's GdiTextList.
#pragma once

#include <memory>
#include <string>

class GdiTextItem {
 public:
  GdiTextItem() = default;

  // A new item with every field given; a null font name is "".
  static std::unique_ptr<GdiTextItem> Make(float x, float y, const std::string& text,
                                           const char* fontName, int fontSize, float width,
                                           int alignment, bool italic, int r, int g, int b);

  // Selects the item's font, aligns it (once: a kept item is left-aligned at the result
  // afterwards), sets its colour and draws it on the open text drawing.
  void Draw();

  std::string text;
  float x = 0.0f, y = 0.0f;
  float width = 0.0f;   // wrap width; 0 = one line, no wrapping
  std::string fontName;
  int fontSize = 0;     // cell height in pixels; -1 = the default font
  bool italic = false;
  int alignment = 0;    // 0 left, 1 centred, 2 right, within x .. x + width
  int r = 255, g = 255, b = 255;
};

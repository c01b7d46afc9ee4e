// A window's own list of text items, kept across frames and drawn inside a text drawing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/GdiTextItem.h"

class GdiTextList {
 public:
  GdiTextList() = default;
  ~GdiTextList() { Clear(); }
  GdiTextList(const GdiTextList&) = delete;
  GdiTextList& operator=(const GdiTextList&) = delete;

  // Appends an upright item; a null font name is the empty name (the default face).
  void AddText(float x, float y, const std::string& text, const char* fontName, int fontSize,
               float width, int alignment, int r, int g, int b);
  // Sets the colour, then draws every item (each item then sets its own colour). The text
  // drawing must be open (BeginGdiDrawing).
  void DrawAll(int r, int g, int b);
  // Opens the text drawing, draws the list in white and closes it again.
  void DrawNow();
  void Clear() { items_.clear(); }

  size_t Size() const { return items_.size(); }
  const GdiTextItem& Item(size_t i) const { return *items_[i]; }

 private:
  std::vector<std::unique_ptr<GdiTextItem>> items_;
};

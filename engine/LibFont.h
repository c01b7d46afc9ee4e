// A bitmap font: one texture holding 100 glyphs in a 10 x 10 grid of square cells, the advance
// width of each glyph and a few kerning pairs.
//
// The texture is found by the font's name like any other texture. Glyph g sits in row g / 10,
// column g % 10, each cell `cellSize` pixels square, from the texture's top-left corner. Glyph
// widths are measured from the texture's alpha: the column (from 0 at the cell's left edge) of
// the right-most pixel that is not fully transparent, 0 for an empty cell.
//
// Characters (Windows-1252 bytes) map to glyphs as character - 32 for '!' to '}', except '|':
// glyph 92 is the pound sign and glyph 94 the euro sign, so '|' and '~' have no glyph. Space
// and tab have no glyph either (the renderer advances for them). Everything else is skipped.
#pragma once

#include <string>
#include <vector>

#include "engine/SmartTexture.h"

class LibFont {
 public:
  static constexpr int kGlyphs = 100;
  static constexpr int kGridSize = 10;
  static constexpr int kEuroGlyph = 94;
  static constexpr int kPoundGlyph = 92;

  struct KerningPair {
    int next = 0;             // the glyph that follows
    float adjustment = 0.0f;  // in cell pixels
  };
  struct GlyphRect {
    int left = 0, top = 0, width = 0, height = 0;  // in texture pixels
  };

  // All widths 0, the default kerning pairs, the texture named after the font (not yet looked
  // up). A cell size below 1 is taken as 1.
  LibFont(const std::string& name, int cellSize);
  virtual ~LibFont() = default;
  LibFont(const LibFont&) = delete;
  LibFont& operator=(const LibFont&) = delete;

  // The glyph of a character after the renderer's accent folding, or -1 when there is none.
  static int GlyphOf(unsigned char c);

  // Measures every glyph's width from the font's texture file, writes the table to
  // "./data/<name>.dat" (100 little-endian 32-bit ints) and "./data/<name>.txt" (one number a
  // line) and logs each width. False, with the widths unchanged, when the texture is missing
  // or cannot be decoded.
  bool MeasureGlyphWidths();
  // Reads a table written by MeasureGlyphWidths back. False, with the widths unchanged, when
  // the file is missing or holds fewer than 100 widths.
  bool LoadGlyphWidths();
  // Where the width table of a font of this name is written ("./data/<name>.dat" / ".txt").
  static std::string WidthFilePath(const std::string& fontName, const char* extension);

  // The kerning adjustment (cell pixels) for glyph `next` after glyph `previous`.
  float Kerning(int previous, int next) const;
  void AddKerning(int previous, int next, float adjustment);

  const std::string& Name() const { return name_; }
  int CellSize() const { return cellSize_; }
  int Width(int glyph) const;
  void SetWidth(int glyph, int width);
  const GlyphRect& Rect(int glyph) const { return rects_[static_cast<size_t>(glyph)]; }
  // The texture's size in pixels: measured from the file, 10 cells square until then.
  int TextureWidth() const { return textureWidth_; }
  int TextureHeight() const { return textureHeight_; }
  SmartTexture& Texture() { return texture_; }

 private:
  std::string name_;
  int cellSize_ = 1;
  int textureWidth_ = 0, textureHeight_ = 0;
  GlyphRect rects_[kGlyphs];
  int widths_[kGlyphs] = {};
  std::vector<KerningPair> kerning_[kGlyphs];
  SmartTexture texture_;
};

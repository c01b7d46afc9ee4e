// Outline fonts for the game's text: face names resolved through fontconfig, faces opened at a
// cell height with SDL2_ttf, strings measured and rendered as white coverage masks.
//
// Face names follow the rules the game's screens were laid out with:
// - names compare ignoring case;
// - "<family> bold" is the family at bold weight;
// - an empty name is the default face;
// - "tahoma" resolves to the metric-compatible Tahoma that the fonts-wine package installs
//   (its folder is added to fontconfig as an application font folder at run time); when it is
//   missing, DejaVu Sans stands in;
// - the post-it notes' handwriting face maps to an installed handwriting-style font;
// - any other name gets fontconfig's nearest installed face.
//
// All strings given to this layer are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plat {

struct FontFace;  // opaque: an opened face at one size
using FontHandle = FontFace*;

struct ResolvedFont {
  std::string file;    // the font file to open; empty when nothing could be found
  std::string family;  // the family fontconfig reported for it
  bool bold = false;   // the face was asked for at bold weight
  bool synthesiseBold = false;  // asked for bold, but the file is not a bold face
};

// Adds a folder of font files to fontconfig for this process only. False when the folder is
// missing or fontconfig refuses it. Adding the same folder again does nothing.
bool AddApplicationFontFolder(const std::string& folder);

// Resolves a face name (see above). Results are cached per lower-cased name.
ResolvedFont ResolveFontFace(const std::string& faceName);

// A face at the given cell height in pixels (ascent + descent, as GDI counts a positive font
// height), kerning off, optionally italic. Opened faces are shared: the same file, size, style
// give the same handle, which lives for the rest of the run. Null with the reason on failure.
FontHandle OpenFontAtCellHeight(const ResolvedFont& face, int cellHeight, bool italic,
                                std::string& error);
// How many distinct faces have been opened so far (for tests of the caches above it).
int OpenedFontCount();

// The cell height the face was opened at (the line advance).
int FontLineHeight(FontHandle font);
// The whole-pixel em size the face's outlines are scaled and hinted at, and the distance from
// the cell's top down to the baseline: what it takes to set the same type with the font
// library directly (the text bench's baseline does). 0 for no font.
int FontEmPixels(FontHandle font);
int FontCellAscent(FontHandle font);
// The one-line width of a string in pixels; false on failure.
bool MeasureTextWidth(FontHandle font, const std::string& utf8, int& width);
// A one-line string as coverage (0..255 per pixel, rows top-down, `width` pixels a row),
// anti-aliased. `top` is where the mask's first row lies relative to the cell's top (negative
// when a glyph reaches above the cell). An empty string gives a 0-wide mask and true.
bool RenderTextMask(FontHandle font, const std::string& utf8, std::vector<uint8_t>& mask,
                    int& width, int& height, int& top, std::string& error);

}  // namespace plat

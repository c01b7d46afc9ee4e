// Text drawn from bitmap fonts: strings are laid out as textured quads (one per glyph, the
// glyph's cell scaled to the current size), collected in a batch of up to 2000 quads and drawn
// with one indexed call when the batch is flushed, the font changes or the batch is full.
//
// Layout: the renderer folds the accented letters the fonts do not carry to their plain
// letters and the right single quote to "'"; a space advances a quarter of the size, a tab to
// the next multiple of 80 pixels; a glyph advances by its measured width scaled to the size,
// after the kerning adjustment it has with the glyph before it. Characters the font has no
// glyph for are skipped. Measuring uses the same layout as drawing.
//
// While a chunk list is being recorded, AddString stores the string in it instead of drawing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/GVertexBuffer.h"
#include "engine/LibFont.h"

class LibTextChunkList;

class LibTextRenderer {
 public:
  static constexpr int kMaxVertices = 8000;  // 2000 glyphs
  static constexpr float kTabStop = 80.0f;
  enum Alignment { kLeft = 0, kRight = 1, kCentre = 2 };

  // The game's renderer (never destroyed).
  static LibTextRenderer& Instance();

  LibTextRenderer() = default;
  virtual ~LibTextRenderer();
  LibTextRenderer(const LibTextRenderer&) = delete;
  LibTextRenderer& operator=(const LibTextRenderer&) = delete;

  // Makes the batch's vertex buffer once. False when it could not be made.
  bool Init();
  bool IsInitialised() const { return initialised_; }

  // The loaded font of that name, or a new one with its widths measured from its texture
  // (widths stay 0 when the texture is missing). Does not select it.
  LibFont* LoadFont(const std::string& name, int cellSize);
  // Makes the loaded font of that name (exact compare) current, drawing the pending glyphs of
  // the previous font first. An unknown name is logged and the current font stays.
  void SelectFont(const std::string& name);
  // Font and size; a size below 1 draws at the font's cell size.
  void SetFont(const std::string& name, int size);

  // The advance of one character at the current size (0 for a tab or a character without a
  // glyph), and the rounded width of a string laid out from x = 0.
  float GlyphWidth(unsigned char c);
  int MeasureString(const std::string& text);
  // Lays the text out at (x, y) (top of the glyph cells) in the given colour; alignment 1
  // puts its right edge at x + width, 2 centres it in that width (whole pixels).
  void AddString(float x, float y, const std::string& text, uint32_t argb, float width = 0.0f,
                 int alignment = kLeft);
  // Moves the first line of `text` that fits in maxWidth into `line`: it ends at the last
  // space before the width is reached (the space dropped), or inside the word when the first
  // word alone is too wide (at least one character); the rest stays in `text`. Text that fits
  // moves whole.
  void SplitLine(float maxWidth, std::string& text, std::string& line);
  // Draws the pending glyphs and empties the batch.
  void Flush();

  // Strings given to AddString go into the list (with the current font and size) until
  // EndRecording.
  void BeginRecording(LibTextChunkList* list);
  void EndRecording();
  LibTextChunkList* Recording() const { return recording_; }

  LibFont* CurrentFont() const { return font_; }
  int CurrentSize() const { return size_; }
  // The size glyphs are drawn at now.
  float DrawSize() const;
  const std::vector<SpriteVertex>& Pending() const { return batch_; }
  const std::vector<std::unique_ptr<LibFont>>& Fonts() const { return fonts_; }

  // The character the fonts draw for a Windows-1252 byte (accents folded).
  static unsigned char FoldCharacter(unsigned char c);

 private:
  // Lays the text out from x and calls glyph(glyphIndex, x) for each glyph; returns the x
  // after the last character.
  template <typename GlyphFn>
  float Layout(const std::string& text, float x, GlyphFn&& glyph) const;
  bool RequireFont(const char* message) const;

  std::vector<std::unique_ptr<LibFont>> fonts_;
  LibFont* font_ = nullptr;
  int size_ = 0;
  std::vector<SpriteVertex> batch_;
  GVertexBuffer buffer_;
  LibTextChunkList* recording_ = nullptr;
  bool initialised_ = false;
};

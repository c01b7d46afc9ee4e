#include "engine/LibFont.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "engine/DebugLog.h"
#include "engine/TextureImage.h"
#include "platform/Files.h"

LibFont::LibFont(const std::string& name, int cellSize)
    : name_(name), cellSize_(std::max(1, cellSize)) {
  textureWidth_ = textureHeight_ = cellSize_ * kGridSize;
  for (int g = 0; g < kGlyphs; ++g) {
    rects_[g] = GlyphRect{(g % kGridSize) * cellSize_, (g / kGridSize) * cellSize_, cellSize_,
                          cellSize_};
  }
  texture_.name = name;
  // Pairs that look loose in most hand-drawn fonts.
  const struct {
    char a, b;
    float adjustment;
  } pairs[] = {{'f', 'o', -1}, {'f', 'e', -1}, {'f', 'a', -1},
               {'f', 'f', -2}, {'f', 'u', -1}, {'o', 'w', -1}};
  for (const auto& p : pairs)
    AddKerning(GlyphOf(static_cast<unsigned char>(p.a)), GlyphOf(static_cast<unsigned char>(p.b)),
               p.adjustment);
}

int LibFont::GlyphOf(unsigned char c) {
  if (c == 0x80) return kEuroGlyph;
  if (c == 0xA3) return kPoundGlyph;
  // '|' and '~' would land on the pound and euro glyphs.
  if (c <= ' ' || c == '|' || c >= '~') return -1;
  return c - 32;
}

int LibFont::Width(int glyph) const {
  return glyph >= 0 && glyph < kGlyphs ? widths_[glyph] : 0;
}

void LibFont::SetWidth(int glyph, int width) {
  if (glyph >= 0 && glyph < kGlyphs) widths_[glyph] = width;
}

float LibFont::Kerning(int previous, int next) const {
  if (previous < 0 || previous >= kGlyphs) return 0.0f;
  for (const KerningPair& k : kerning_[previous])
    if (k.next == next) return k.adjustment;
  return 0.0f;
}

void LibFont::AddKerning(int previous, int next, float adjustment) {
  if (previous < 0 || previous >= kGlyphs || next < 0 || next >= kGlyphs) return;
  kerning_[previous].push_back(KerningPair{next, adjustment});
}

std::string LibFont::WidthFilePath(const std::string& fontName, const char* extension) {
  return "./data/" + fontName + extension;
}

bool LibFont::MeasureGlyphWidths() {
  D3DEngine& engine = D3DEngine::Instance();
  if (!engine.GetTexture(name_)) return false;
  // The device's textures cannot be read back, so the file it came from is decoded again.
  std::string path;
  for (const auto& record : engine.GetTextureRecords())
    if (record->fileName == name_) path = record->fullPath;
  TextureImage image;
  std::string error;
  const bool jpeg = path.find(".jpg") != std::string::npos;
  if (path.empty() || !TextureImage::Load(path, jpeg, image, error)) {
    DebugLog::Instance().Write("Could not read font texture " + name_ + ": " + error);
    return false;
  }
  textureWidth_ = image.width;
  textureHeight_ = image.height;

  int measured[kGlyphs] = {};
  for (int g = 0; g < kGlyphs; ++g) {
    const GlyphRect& r = rects_[g];
    // Cells beyond the picture's edge are empty.
    const int right = std::min(r.left + r.width, image.width);
    const int bottom = std::min(r.top + r.height, image.height);
    for (int y = r.top; y < bottom; ++y) {
      const uint32_t* row = image.pixels.data() + static_cast<size_t>(y) * image.width;
      for (int x = right - 1; x >= r.left + measured[g]; --x) {
        if ((row[x] >> 24) > 0) {
          measured[g] = x - r.left;
          break;
        }
      }
    }
  }

  FILE* dat = plat::OpenFile(WidthFilePath(name_, ".dat"), "wb");
  FILE* txt = plat::OpenFile(WidthFilePath(name_, ".txt"), "wt");
  if (!dat || !txt) DebugLog::Instance().Write("Could not write the width table of " + name_);
  for (int g = 0; g < kGlyphs; ++g) {
    widths_[g] = measured[g];
    if (dat) {
      const auto v = static_cast<uint32_t>(measured[g]);
      const unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                      static_cast<unsigned char>(v >> 16),
                                      static_cast<unsigned char>(v >> 24)};
      std::fwrite(bytes, 1, 4, dat);
    }
    if (txt) std::fprintf(txt, "%d\n", measured[g]);
    DebugLog::Instance().Write("Width of char " + std::to_string(g) + " is " +
                               std::to_string(measured[g]));
  }
  if (dat) std::fclose(dat);
  if (txt) std::fclose(txt);
  return true;
}

bool LibFont::LoadGlyphWidths() {
  std::string bytes;
  if (!plat::ReadFileBytes(WidthFilePath(name_, ".dat"), bytes)) return false;
  if (bytes.size() < static_cast<size_t>(kGlyphs) * 4) {
    DebugLog::Instance().Write("Width table too short: " + name_);
    return false;
  }
  for (int g = 0; g < kGlyphs; ++g) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
      v = (v << 8) | static_cast<unsigned char>(bytes[static_cast<size_t>(g * 4 + i)]);
    // A width is a column inside the cell; anything else is not a table of this font.
    const auto w = static_cast<int32_t>(v);
    widths_[g] = std::clamp(w, 0, cellSize_ - 1);
  }
  return true;
}

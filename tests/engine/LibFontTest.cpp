// Bitmap fonts: the character-to-glyph table, the default kerning pairs, glyph widths measured
// from a generated texture's alpha, the width record files and reading them back.
#include "engine/LibFont.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "LibFontFixture.h"
#include "engine/DebugLog.h"

namespace {

using libfonttest::FontTest;

TEST(LibFontTable, CharactersMapToTheGridAndCurrencySignsToTheirGlyphs) {
  EXPECT_EQ(LibFont::GlyphOf('!'), 1);
  EXPECT_EQ(LibFont::GlyphOf('A'), 33);
  EXPECT_EQ(LibFont::GlyphOf('a'), 65);
  EXPECT_EQ(LibFont::GlyphOf('}'), 93);
  EXPECT_EQ(LibFont::GlyphOf(0x80), LibFont::kEuroGlyph);
  EXPECT_EQ(LibFont::GlyphOf(0xA3), LibFont::kPoundGlyph);
  // '|' and '~' would draw the currency signs; blanks, controls and the rest of the upper half
  // have no glyph.
  for (unsigned char c : {'|', '~', ' ', '\t', '\n', '\0', '\x7F', '\x81', '\xA2', '\xE9', '\xFF'})
    EXPECT_EQ(LibFont::GlyphOf(c), -1) << static_cast<int>(c);
}

TEST(LibFontTable, NewFontsStartWithZeroWidthsAndTheDefaultPairs) {
  LibFont font("plain.dds", 8);
  for (int g = 0; g < LibFont::kGlyphs; ++g) EXPECT_EQ(font.Width(g), 0);
  auto k = [&font](char a, char b) {
    return font.Kerning(LibFont::GlyphOf(static_cast<unsigned char>(a)),
                        LibFont::GlyphOf(static_cast<unsigned char>(b)));
  };
  EXPECT_EQ(k('f', 'o'), -1.0f);
  EXPECT_EQ(k('f', 'e'), -1.0f);
  EXPECT_EQ(k('f', 'a'), -1.0f);
  EXPECT_EQ(k('f', 'f'), -2.0f);
  EXPECT_EQ(k('f', 'u'), -1.0f);
  EXPECT_EQ(k('o', 'w'), -1.0f);
  EXPECT_EQ(k('o', 'f'), 0.0f);
  EXPECT_EQ(k('w', 'o'), 0.0f);
  EXPECT_EQ(font.Kerning(-1, 5), 0.0f);
  EXPECT_EQ(font.Width(-1), 0);
  EXPECT_EQ(font.Width(LibFont::kGlyphs), 0);
  // Cells run row by row, 10 to a row.
  EXPECT_EQ(font.Rect(23).left, 24);
  EXPECT_EQ(font.Rect(23).top, 16);
  EXPECT_EQ(font.TextureWidth(), 80);
  EXPECT_EQ(font.Texture().name, "plain.dds");
}

TEST_F(FontTest, WidthsAreMeasuredFromAlphaAndRecorded) {
  const auto expected = WriteFont("fonts/glyphs.dds", 8, 10);
  std::filesystem::create_directories(dir.Path() / "data");
  LibFont font("glyphs.dds", 8);
  ASSERT_TRUE(font.MeasureGlyphWidths());
  for (int g = 0; g < LibFont::kGlyphs; ++g) EXPECT_EQ(font.Width(g), expected[g]) << g;
  EXPECT_EQ(font.Width(7), 7);  // a pixel of alpha 1 counts
  EXPECT_EQ(font.Width(0), 0);  // an empty cell

  const std::string dat = testsupport::ReadFile(dir.Path() / "data/glyphs.dds.dat");
  ASSERT_EQ(dat.size(), 400u);
  EXPECT_EQ(static_cast<unsigned char>(dat[4 * 33]), expected[33]);
  EXPECT_EQ(dat[4 * 33 + 1], 0);
  const std::string txt = testsupport::ReadFile(dir.Path() / "data/glyphs.dds.txt");
  std::string lines;
  for (int g = 0; g < LibFont::kGlyphs; ++g) lines += std::to_string(expected[g]) + "\n";
  EXPECT_EQ(txt, lines);
  EXPECT_EQ(CountInDebugLog("Width of char "), 100);
  EXPECT_EQ(CountInDebugLog("Width of char 7 is 7"), 1);

  // The record reads back into another font of the same name.
  LibFont again("glyphs.dds", 8);
  ASSERT_TRUE(again.LoadGlyphWidths());
  for (int g = 0; g < LibFont::kGlyphs; ++g) EXPECT_EQ(again.Width(g), expected[g]) << g;
}

TEST_F(FontTest, ASmallTextureLeavesTheCellsBeyondItEmpty) {
  // Half the grid's height: the bottom five rows lie outside the picture.
  const auto expected = WriteFont("fonts/half.dds", 8, 5);
  LibFont font("half.dds", 8);
  ASSERT_TRUE(font.MeasureGlyphWidths());
  EXPECT_EQ(font.Width(33), expected[33]);
  EXPECT_GT(font.Width(33), 0);
  for (int g = 50; g < LibFont::kGlyphs; ++g) EXPECT_EQ(font.Width(g), 0) << g;
  EXPECT_EQ(font.TextureHeight(), 40);
  // No data folder: the record cannot be written, the widths are measured all the same.
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "data/half.dds.dat"));
  EXPECT_EQ(CountInDebugLog("Could not write the width table of half.dds"), 1);
}

TEST_F(FontTest, MissingTexturesAndBadRecordsLeaveTheWidthsAlone) {
  LibFont font("absent.dds", 8);
  font.SetWidth(33, 5);
  EXPECT_FALSE(font.MeasureGlyphWidths());
  EXPECT_EQ(font.Width(33), 5);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "data/absent.dds.dat"));

  // No record, a short record, then a record with widths no cell can have.
  EXPECT_FALSE(font.LoadGlyphWidths());
  testsupport::WriteFile(dir.Path() / "data/absent.dds.dat", std::string(399, '\x01'));
  EXPECT_FALSE(font.LoadGlyphWidths());
  EXPECT_EQ(font.Width(33), 5);
  std::string wild(400, '\0');
  wild[4 * 2] = '\x40';                          // 64
  wild[4 * 3] = wild[4 * 3 + 3] = '\xFF';        // negative
  wild[4 * 4] = '\x03';
  testsupport::WriteFile(dir.Path() / "data/absent.dds.dat", wild);
  EXPECT_TRUE(font.LoadGlyphWidths());
  EXPECT_EQ(font.Width(2), 7);
  EXPECT_EQ(font.Width(3), 0);
  EXPECT_EQ(font.Width(4), 3);
  EXPECT_EQ(font.Width(33), 0);
}

}  // namespace

// Bitmap-font text: layout and measuring (kerning, blanks, tabs, folded accents, characters
// without glyphs), alignment, the 8000-vertex batch and its limits, font switching, drawing
// through the vertex buffer (also after the textures were released), line splitting, and
// recorded chunk lists.
#include "engine/LibTextRenderer.h"

#include <gtest/gtest.h>

#include <memory>

#include "LibFontFixture.h"
#include "engine/LibTextChunkList.h"

namespace {

class TextRendererTest : public libfonttest::FontTest {
 protected:
  void SetUp() override {
    FontTest::SetUp();
    widths = WriteFont("fonts/glyphs.dds", 8, 10);
    ASSERT_NE(r.LoadFont("glyphs.dds", 8), nullptr);
    r.SetFont("glyphs.dds", 8);
  }
  // Widths of the generated font: A 4, B 5, E 2, f 5, o 2, w 4, ' 7; a blank is 2 at size 8.
  std::array<int, 100> widths{};
  LibTextRenderer r;
};

TEST_F(TextRendererTest, MeasuresWithKerningBlanksTabsAndFoldedAccents) {
  ASSERT_EQ(widths[33], 4);
  EXPECT_EQ(r.MeasureString("A"), 4);
  EXPECT_EQ(r.MeasureString("AB"), 9);
  EXPECT_EQ(r.MeasureString("fo"), 6);   // 5 - 1 + 2
  EXPECT_EQ(r.MeasureString("ff"), 8);   // 5 - 2 + 5
  EXPECT_EQ(r.MeasureString("ow"), 5);   // 2 - 1 + 4
  EXPECT_EQ(r.MeasureString("f o"), 9);  // no kerning across a blank
  EXPECT_EQ(r.MeasureString("A A"), 10);
  EXPECT_EQ(r.MeasureString("A\tA"), 84);
  EXPECT_EQ(r.MeasureString("A|A~\x81"), 8);         // no glyph: skipped
  EXPECT_EQ(r.MeasureString("\xC9"), 2);             // folded to E
  EXPECT_EQ(r.MeasureString("\x92"), 7);             // right quote: the apostrophe
  EXPECT_EQ(r.MeasureString("\xE9"), 0);             // not folded and no glyph
  EXPECT_EQ(r.MeasureString("\x80\xA3"), widths[94] + widths[92]);
  EXPECT_FLOAT_EQ(r.GlyphWidth('A'), 4.0f);
  EXPECT_FLOAT_EQ(r.GlyphWidth(' '), 2.0f);
  EXPECT_FLOAT_EQ(r.GlyphWidth('|'), 0.0f);

  // Twice the cell size scales everything; a size below 1 is the cell size.
  r.SetFont("glyphs.dds", 16);
  EXPECT_EQ(r.MeasureString("fo"), 12);
  EXPECT_FLOAT_EQ(r.GlyphWidth(' '), 4.0f);
  r.SetFont("glyphs.dds", 0);
  EXPECT_EQ(r.MeasureString("fo"), 6);
  r.SetFont("glyphs.dds", 10);
  EXPECT_EQ(r.MeasureString("A A"), 13);  // 5 + 2.5 + 5, rounded

  LibTextRenderer none;
  EXPECT_EQ(none.MeasureString("A"), 0);
  EXPECT_FLOAT_EQ(none.GlyphWidth('A'), 0.0f);
  EXPECT_EQ(CountInDebugLog("Text Not Initialised"), 2);
}

TEST_F(TextRendererTest, LaysGlyphQuadsOutAlignedInTheirWidth) {
  r.AddString(10.0f, 5.0f, "AB", 0xFF00FF00u);
  const auto& v = r.Pending();
  ASSERT_EQ(v.size(), 8u);
  // 'A' is glyph 33: row 3, column 3 of an 80-pixel texture.
  EXPECT_FLOAT_EQ(v[0].x, 10.0f);
  EXPECT_FLOAT_EQ(v[0].y, 5.0f);
  EXPECT_FLOAT_EQ(v[3].x, 18.0f);
  EXPECT_FLOAT_EQ(v[3].y, 13.0f);
  EXPECT_FLOAT_EQ(v[0].tu, 0.3f);
  EXPECT_FLOAT_EQ(v[0].tv, 0.3f);
  EXPECT_FLOAT_EQ(v[3].tu, 0.4f);
  EXPECT_FLOAT_EQ(v[3].tv, 0.4f);
  EXPECT_EQ(v[1].diffuse, 0xFF00FF00u);
  EXPECT_FLOAT_EQ(v[4].x, 14.0f);  // after A's width
  EXPECT_FLOAT_EQ(v[4].tu, 0.4f);  // B is the next cell

  r.AddString(10.0f, 5.0f, "AB", 0xFF00FF00u, 40.0f, LibTextRenderer::kRight);
  EXPECT_FLOAT_EQ(r.Pending()[8].x, 41.0f);  // 10 + 40 - 9
  r.AddString(10.0f, 5.0f, "AB", 0xFF00FF00u, 40.0f, LibTextRenderer::kCentre);
  EXPECT_FLOAT_EQ(r.Pending()[16].x, 26.0f);  // 10 + round(15.5)
  r.AddString(10.0f, 5.0f, "AB", 0xFF00FF00u, 40.0f, LibTextRenderer::kLeft);
  EXPECT_FLOAT_EQ(r.Pending()[24].x, 10.0f);

  // A tab goes to the next multiple of 80 on the screen; blanks and skipped characters add no
  // quads.
  const size_t before = r.Pending().size();
  r.AddString(85.0f, 0.0f, "\tA | ", 0xFFFFFFFFu);
  ASSERT_EQ(r.Pending().size(), before + 4);
  EXPECT_FLOAT_EQ(r.Pending()[before].x, 160.0f);
  r.AddString(0.0f, 0.0f, "   |~", 0xFFFFFFFFu);
  EXPECT_EQ(r.Pending().size(), before + 4);

  LibTextRenderer none;
  none.AddString(0.0f, 0.0f, "A", 0xFFFFFFFFu);
  none.Flush();
  EXPECT_TRUE(none.Pending().empty());
  EXPECT_EQ(CountInDebugLog("TextNotInitialised"), 2);
}

TEST_F(TextRendererTest, TheBatchFlushesBeforeOverflowingAndDropsWhatNoBatchHolds) {
  r.AddString(0.0f, 0.0f, std::string(1500, 'A'), 0xFFFFFFFFu);
  EXPECT_EQ(r.Pending().size(), 6000u);
  // 600 more glyphs would pass 8000 vertices: the first string is drawn first.
  r.AddString(0.0f, 0.0f, std::string(600, 'A'), 0xFFFFFFFFu);
  EXPECT_EQ(r.Pending().size(), 2400u);
  // Blanks count for nothing when judging the room left.
  r.AddString(0.0f, 0.0f, std::string(1400, 'A') + std::string(3000, ' '), 0xFFFFFFFFu);
  EXPECT_EQ(r.Pending().size(), 8000u);
  EXPECT_EQ(CountInDebugLog("Text exceeds max characters"), 0);

  // One string of more glyphs than a batch holds: a full batch and one logged error.
  r.AddString(0.0f, 0.0f, std::string(2500, 'A'), 0xFFFFFFFFu);
  EXPECT_EQ(r.Pending().size(), 8000u);
  EXPECT_EQ(CountInDebugLog("ERROR - Text exceeds max characters"), 1);
  r.Flush();
  EXPECT_TRUE(r.Pending().empty());
}

TEST_F(TextRendererTest, SwitchingFontOrSizeDrawsThePendingGlyphsFirst) {
  WriteFont("fonts/other.dds", 8, 10);
  ASSERT_NE(r.LoadFont("other.dds", 8), nullptr);
  EXPECT_EQ(r.LoadFont("glyphs.dds", 8), r.Fonts()[0].get());  // loaded once
  EXPECT_EQ(r.Fonts().size(), 2u);

  r.AddString(0.0f, 0.0f, "A", 0xFFFFFFFFu);
  r.SetFont("glyphs.dds", 8);  // unchanged
  r.SelectFont("glyphs.dds");  // the current one
  EXPECT_EQ(r.Pending().size(), 4u);
  r.SelectFont("missing.dds");
  EXPECT_EQ(CountInDebugLog("missing font: missing.dds"), 1);
  EXPECT_EQ(r.CurrentFont()->Name(), "glyphs.dds");
  EXPECT_EQ(r.Pending().size(), 4u);
  r.SelectFont("other.dds");
  EXPECT_TRUE(r.Pending().empty());
  EXPECT_EQ(r.CurrentFont()->Name(), "other.dds");

  r.AddString(0.0f, 0.0f, "A", 0xFFFFFFFFu);
  r.SetFont("other.dds", 16);
  EXPECT_TRUE(r.Pending().empty());
  EXPECT_EQ(r.CurrentSize(), 16);
}

TEST_F(TextRendererTest, FlushDrawsTheGlyphsInTheirColourAfterTexturesComeBack) {
  // 'A' covers columns 1-4 and rows 1-6 of its cell.
  r.AddString(10.0f, 10.0f, "A", 0xFFFF0000u);
  r.Flush();
  EXPECT_EQ(engine.GetDevice()->Filter(), plat::TextureFilter::Point);
  EXPECT_EQ(Pixel(12, 13), 0xFFFF0000u);
  EXPECT_EQ(Pixel(13, 15), 0xFFFF0000u);
  EXPECT_EQ(Pixel(17, 13), 0xFF000000u);  // the cell's empty columns are transparent
  EXPECT_EQ(Pixel(12, 9), 0xFF000000u);

  // After a focus loss the font's texture is looked up again by name.
  engine.ReleaseTexturesAndSurfaces();
  engine.RestoreSurfaces();
  r.AddString(30.0f, 10.0f, "A", 0xFF0000FFu);
  r.Flush();
  EXPECT_EQ(Pixel(32, 13), 0xFF0000FFu);
  EXPECT_EQ(Pixel(37, 13), 0xFF000000u);

  // Scaled glyphs are filtered linearly; the inside of a block keeps its colour.
  r.SetFont("glyphs.dds", 16);
  r.AddString(40.0f, 20.0f, "A", 0xFF00FF00u);
  r.Flush();
  EXPECT_EQ(engine.GetDevice()->Filter(), plat::TextureFilter::Linear);
  EXPECT_EQ(Pixel(45, 30), 0xFF00FF00u);
  EXPECT_EQ(Pixel(54, 30), 0xFF000000u);
}

TEST_F(TextRendererTest, SplitLineBreaksAtTheLastBlankOrInsideAnOverlongWord) {
  std::string text = "AAA AAA AAA", line;
  r.SplitLine(20.0f, text, line);  // prefixes 4 8 12 14 18 22: the width is reached at 22
  EXPECT_EQ(line, "AAA");
  EXPECT_EQ(text, "AAA AAA");
  r.SplitLine(20.0f, text, line);
  EXPECT_EQ(line, "AAA");
  EXPECT_EQ(text, "AAA");
  r.SplitLine(20.0f, text, line);
  EXPECT_EQ(line, "AAA");
  EXPECT_EQ(text, "");

  text = "AAA AAA";
  r.SplitLine(14.0f, text, line);  // the blank itself reaches the width
  EXPECT_EQ(line, "AAA");
  EXPECT_EQ(text, "AAA");

  // A word with no blank before the width: cut where it stops fitting, at least one character.
  text = "AAAAAAAAAA";
  r.SplitLine(10.0f, text, line);
  EXPECT_EQ(line, "AA");
  EXPECT_EQ(text, "AAAAAAAA");
  r.SplitLine(3.0f, text, line);
  EXPECT_EQ(line, "A");
  EXPECT_EQ(text, "AAAAAAA");
  int guard = 0;
  while (!text.empty() && ++guard < 100) r.SplitLine(1.0f, text, line);
  EXPECT_LT(guard, 100);

  // Without a font nothing can be measured: the whole text is one line.
  LibTextRenderer none;
  text = "AAA AAA";
  none.SplitLine(5.0f, text, line);
  EXPECT_EQ(line, "AAA AAA");
  EXPECT_EQ(text, "");
  EXPECT_EQ(CountInDebugLog("Text Not Initialised"), 1);
}

TEST_F(TextRendererTest, RecordedChunksKeepTheirFontAndDrawLater) {
  auto list = std::make_unique<LibTextChunkList>();
  r.BeginRecording(list.get());
  r.AddString(3.0f, 4.0f, "AB", 0xFF112233u, 40.0f, LibTextRenderer::kRight);
  r.SetFont("glyphs.dds", 16);
  r.AddString(5.0f, 6.0f, "A", 0xFFFFFFFFu);
  EXPECT_TRUE(r.Pending().empty());
  ASSERT_EQ(list->Size(), 2u);
  const LibTextChunk& first = list->At(0);
  EXPECT_EQ(first.text, "AB");
  EXPECT_FLOAT_EQ(first.x, 3.0f);
  EXPECT_FLOAT_EQ(first.y, 4.0f);
  EXPECT_EQ(first.argb, 0xFF112233u);
  EXPECT_FLOAT_EQ(first.width, 40.0f);
  EXPECT_EQ(first.alignment, 1);
  EXPECT_EQ(first.fontName, "glyphs.dds");
  EXPECT_EQ(first.size, 8);
  EXPECT_EQ(list->At(1).size, 16);

  // Drawing the list being recorded adds its glyphs without recording it into itself.
  list->Draw(r);
  EXPECT_EQ(list->Size(), 2u);
  EXPECT_EQ(r.Recording(), list.get());
  EXPECT_EQ(r.Pending().size(), 4u);  // the 16-pixel chunk; the 8-pixel one was flushed
  EXPECT_EQ(r.CurrentSize(), 16);

  // Drawing it while another list records copies the chunks there.
  LibTextChunkList copy;
  r.BeginRecording(&copy);
  list->Draw(r);
  EXPECT_EQ(copy.Size(), 2u);
  EXPECT_EQ(copy.At(0).size, 8);
  r.EndRecording();

  // A list deleted while recorded ends the recording; strings are drawn again.
  r.BeginRecording(list.get());
  list.reset();
  EXPECT_EQ(r.Recording(), nullptr);
  r.Flush();
  r.AddString(0.0f, 0.0f, "A", 0xFFFFFFFFu);
  EXPECT_EQ(r.Pending().size(), 4u);

  // A renderer that goes first leaves the list it recorded into usable.
  LibTextChunkList outlives;
  {
    LibTextRenderer brief;
    brief.BeginRecording(&outlives);
  }
  outlives.Clear();
  EXPECT_EQ(outlives.Size(), 0u);
}

}  // namespace

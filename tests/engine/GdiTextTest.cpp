// Queued text on the software renderer: fonts by face and cell height, the frame queue and its
// character budget, alignment, word wrapping, clipping, "&" handling, Windows-1252 glyphs, the
// rendered-text cache and the lock counting.
#include "engine/GdiText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RenderFixture.h"
#include "engine/DebugLog.h"
#include "engine/GdiTextList.h"
#include "engine/RenderStats.h"
#include "platform/Fonts.h"

namespace {

using rendertest::RenderTest;

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive; right < 0: empty
  bool Empty() const { return right < 0; }
  int Width() const { return Empty() ? 0 : right - left + 1; }
};

class GdiTextTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    ResetGdiTextState();
    ASSERT_TRUE(engine.InitOffscreen(kW, kH));
    engine.BeginRender();
    RenderStats::Instance().Reset();
  }
  void TearDown() override {
    ResetGdiTextState();
    RenderTest::TearDown();
  }

  std::vector<uint32_t> Read() {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    std::string error;
    EXPECT_TRUE(engine.GetDevice()->ReadPixels(px, w, h, error));
    return px;
  }
  // The bounding box of lit pixels (any channel above 0x40) inside [x0, x1) x [y0, y1).
  Box Lit(int x0, int y0, int x1, int y1) {
    const std::vector<uint32_t> px = Read();
    Box b;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        const uint32_t p = px[static_cast<size_t>(y * kW + x)];
        if (((p >> 16) & 0xFF) > 0x40 || ((p >> 8) & 0xFF) > 0x40 || (p & 0xFF) > 0x40) {
          b.left = std::min(b.left, x), b.right = std::max(b.right, x);
          b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
        }
      }
    return b;
  }
  Box LitAll() { return Lit(0, 0, kW, kH); }
  void Clear() {
    std::string error;
    engine.GetDevice()->Present(error);
  }

  static constexpr int kW = 400, kH = 240;
};

TEST_F(GdiTextTest, TahomaFacesComeFromTheWineFontsAndNamesIgnoreCase) {
  const plat::ResolvedFont regular = plat::ResolveFontFace("tahoma");
  const plat::ResolvedFont bold = plat::ResolveFontFace("tahoma bold");
  const plat::ResolvedFont boldCaps = plat::ResolveFontFace("Tahoma bold");
  EXPECT_EQ(regular.file, "/usr/share/wine/fonts/tahoma.ttf");
  EXPECT_EQ(bold.file, "/usr/share/wine/fonts/tahomabd.ttf");
  EXPECT_EQ(boldCaps.file, bold.file);
  EXPECT_FALSE(bold.synthesiseBold);  // a real bold face, not a thickened regular one
  EXPECT_EQ(plat::ResolveFontFace("tahoma bold ").file, bold.file);  // a stray blank

  SelectGdiFont("tahoma bold", 16, false);
  const size_t fonts = GdiFontCacheSize();
  const int opened = plat::OpenedFontCount();
  SelectGdiFont("Tahoma bold", 16, false);
  EXPECT_EQ(SelectedGdiFontFile(), bold.file);
  EXPECT_EQ(GdiFontCacheSize(), fonts + 1);        // its own cache entry, by exact name...
  EXPECT_EQ(plat::OpenedFontCount(), opened);      // ...on the very same opened face
  // Re-selecting a font that exists creates nothing.
  SelectGdiFont("tahoma bold", 16, false);
  SelectGdiFont("tahoma bold", 16, false);
  EXPECT_EQ(GdiFontCacheSize(), fonts + 1);
  EXPECT_EQ(plat::OpenedFontCount(), opened);

  // Unknown faces still give a usable font; the post-it face is a handwriting one.
  EXPECT_FALSE(plat::ResolveFontFace("no such face at all").file.empty());
  EXPECT_EQ(plat::ResolveFontFace("Wee Bairn").family, "comic neue");
  EXPECT_EQ(plat::ResolveFontFace("").file, regular.file);
}

TEST_F(GdiTextTest, AHeightIsTheCellHeight) {
  for (int h : {12, 16, 24, 30}) {
    SelectGdiFont("tahoma", h, false);
    EXPECT_EQ(SelectedGdiFontHeight(), h);
    std::string error;
    plat::FontHandle f = plat::OpenFontAtCellHeight(plat::ResolveFontFace("tahoma"), h, false, error);
    ASSERT_NE(f, nullptr) << error;
    EXPECT_NEAR(plat::FontLineHeight(f), h, 1) << h;
  }
  // Drawn glyphs stay inside the cell: "Ág" reaches from accent to descender.
  SelectGdiFont("tahoma", 24, false);
  DrawGdiTextString(10, 10, "\xC1g", 0);
  const Box b = LitAll();
  ASSERT_FALSE(b.Empty());
  EXPECT_GE(b.top, 10);
  EXPECT_LE(b.bottom, 10 + 24);
  EXPECT_GT(b.bottom - b.top, 14);
}

TEST_F(GdiTextTest, AFaceReportsTheEmAndBaselineItsTextIsSetAt) {
  // Whoever sets the same type with the font library directly goes by these two figures: an
  // "H" stands on the baseline and is Tahoma's cap height (1489 of 2048 units) of the em tall.
  for (int h : {12, 16, 24, 30}) {
    std::string error;
    plat::FontHandle f = plat::OpenFontAtCellHeight(plat::ResolveFontFace("tahoma"), h, false, error);
    ASSERT_NE(f, nullptr) << error;
    Clear();
    SelectGdiFont("tahoma", h, false);
    DrawGdiTextString(10, 10, "H", 0);
    const Box b = LitAll();
    ASSERT_FALSE(b.Empty()) << h;
    EXPECT_EQ(b.bottom + 1, 10 + plat::FontCellAscent(f)) << h;
    EXPECT_NEAR(b.bottom - b.top + 1, plat::FontEmPixels(f) * 1489.0 / 2048.0, 1.0) << h;
  }
}

TEST_F(GdiTextTest, TheBaselineDoesNotMoveWithTheGlyphsOfTheText) {
  // An accented capital reaches higher than the rest; the "a" after it stays on its line.
  SelectGdiFont("tahoma", 24, false);
  DrawGdiTextString(10, 10, "a", 0);
  const Box alone = Lit(0, 0, kW, kH);
  Clear();
  DrawGdiTextString(10, 10, "\xC1" "a", 0);
  const float accentWidth = MeasureGdiTextWidth("\xC1");
  const Box after = Lit(10 + static_cast<int>(accentWidth), 0, kW, kH);
  ASSERT_FALSE(alone.Empty());
  ASSERT_FALSE(after.Empty());
  EXPECT_EQ(after.bottom, alone.bottom);
  EXPECT_EQ(after.top, alone.top);
}

TEST_F(GdiTextTest, FlushDrawsTheQueueInOneLockAndEmptyQueuesTakeNone) {
  FlushGdiText(-1);
  EXPECT_EQ(RenderStats::Instance().Get(RenderStats::kGdiLocks), 0.0f);
  EXPECT_TRUE(g_inScene);  // nothing ended the scene

  QueueText(20, 20, "One", "tahoma", 16, 0, 0, 255, 255, 255);
  QueueText(20, 60, "Two", nullptr, 16, 0, 0, 255, 0, 0);  // a null face is the default
  EXPECT_EQ(QueuedGdiTextCount(), 2u);
  FlushGdiText(-1);
  EXPECT_EQ(QueuedGdiTextCount(), 0u);
  EXPECT_TRUE(g_inScene);  // re-opened after the text
  EXPECT_FALSE(IsBackBufferDCHeld());
  EXPECT_FALSE(Lit(0, 15, kW, 40).Empty());
  const Box red = Lit(0, 55, kW, 80);
  ASSERT_FALSE(red.Empty());
  QueueText(20, 100, "Three", "tahoma", 16, 0, 0, 255, 255, 255);
  FlushGdiText(-1);
  EXPECT_EQ(RenderStats::Instance().Get(RenderStats::kGdiLocks), 2.0f);
  engine.Flip();
  EXPECT_EQ(RenderStats::Instance().Get(RenderStats::kGdiLocks), 0.0f);
}

TEST_F(GdiTextTest, TextIsDrawnInItsColourOnlyWhereTheGlyphsAre) {
  SelectGdiFont("tahoma bold", 30, false);
  SetGdiTextColour(255, 0, 0);
  DrawGdiTextString(10, 10, "IIII", 0);
  const std::vector<uint32_t> px = Read();
  int red = 0, other = 0;
  for (uint32_t p : px) {
    if (p == 0xFF000000u) continue;
    if (((p >> 8) & 0xFF) == 0 && (p & 0xFF) == 0) ++red; else ++other;
  }
  EXPECT_GT(red, 40);
  EXPECT_EQ(other, 0);
}

TEST_F(GdiTextTest, DefaultFontAndNullNames) {
  SetDefaultGdiFont("tahoma bold", 20);
  QueueText(10, 10, nullptr, nullptr, -1, 0, 0, 255, 255, 255);  // no text, no face: harmless
  QueueTextString(10, 10, "Default", "anything", -1, 0, 0, 255, 255, 255);
  BeginGdiDrawing();
  SelectDefaultGdiFont(false);
  EXPECT_EQ(SelectedGdiFontHeight(), 20);
  EXPECT_EQ(SelectedGdiFontFile(), plat::ResolveFontFace("tahoma bold").file);
  EndGdiDrawing();
  FlushGdiText(-1);
  const Box b = LitAll();
  ASSERT_FALSE(b.Empty());
  EXPECT_LE(b.bottom, 10 + 20);

  // Before any default is set, size 0 draws at a usable height.
  ResetGdiTextState();
  SelectDefaultGdiFont(false);
  EXPECT_EQ(SelectedGdiFontHeight(), 16);
  EXPECT_GT(MeasureGdiTextWidth("abc"), 0.0f);
}

TEST_F(GdiTextTest, TheBudgetCutsCopiesAndEndsWithTheFlush) {
  SetDefaultGdiFont("tahoma", 16);
  // Three wrapped texts of 6 characters with a budget of 10: 6, then 4, then nothing.
  QueueText(10, 10, "HHHHHH", "tahoma", 16, 300, 0, 255, 255, 255);
  QueueText(10, 50, "HHHHHH", "tahoma", 16, 300, 0, 255, 255, 255);
  QueueText(10, 90, "HHHHHH", "tahoma", 16, 300, 0, 255, 255, 255);
  FlushGdiText(10);
  EXPECT_EQ(GetGdiCharacterBudget(), -1);
  const Box first = Lit(0, 5, kW, 35), second = Lit(0, 45, kW, 75), third = Lit(0, 85, kW, 115);
  ASSERT_FALSE(first.Empty());
  ASSERT_FALSE(second.Empty());
  EXPECT_TRUE(third.Empty());
  SelectGdiFont("tahoma", 16, false);
  EXPECT_NEAR(first.Width(), MeasureGdiTextWidth("HHHHHH"), 2.0);
  EXPECT_NEAR(second.Width(), MeasureGdiTextWidth("HHHH"), 2.0);

  // A window's list drawn later in the frame keeps its whole text.
  GdiTextList list;
  list.AddText(10, 130, "HHHHHH", "tahoma", 16, 300, 0, 255, 255, 255);
  list.DrawNow();
  EXPECT_EQ(list.Item(0).text, "HHHHHH");
  EXPECT_NEAR(Lit(0, 125, kW, 155).Width(), first.Width(), 1.0);

  // Inside a drawing the budget counts wrapped texts only; one-line text is never cut.
  BeginGdiDrawing();
  SetGdiCharacterBudget(10);
  SelectGdiFont("tahoma", 16, false);
  EXPECT_EQ(DrawGdiTextString(10, 170, "abcdef", 0), 16);
  EXPECT_EQ(DrawGdiTextString(10, 170, "abcdef", 300), 16);
  EXPECT_EQ(DrawGdiTextString(10, 170, "abcdef", 300), 16);  // cut to 4
  EXPECT_EQ(DrawGdiTextString(10, 170, "abcdef", 300), 0);   // nothing left
  SetGdiCharacterBudget(-1);
  EndGdiDrawing();
}

TEST_F(GdiTextTest, AlignmentIsWorkedOutOnceFromTheOneLineWidth) {
  GdiTextList list;
  list.AddText(100, 20, "Right", "tahoma bold", 16, 200, 2, 255, 255, 255);
  list.AddText(100, 60, "Centre", "tahoma bold", 16, 200, 1, 255, 255, 255);
  BeginGdiDrawing();
  SelectGdiFont("tahoma bold", 16, false);
  const float right = MeasureGdiTextWidth("Right");
  const float centre = MeasureGdiTextWidth("Centre");
  list.DrawAll(255, 255, 255);
  EndGdiDrawing();
  EXPECT_FLOAT_EQ(list.Item(0).x, 100 + 200 - right);
  EXPECT_FLOAT_EQ(list.Item(1).x, 100 + 100 - centre * 0.5f);
  EXPECT_EQ(list.Item(0).alignment, 0);  // kept items are aligned once
  EXPECT_EQ(list.Item(1).alignment, 0);
  const Box r = Lit(0, 15, kW, 45);
  ASSERT_FALSE(r.Empty());
  EXPECT_LE(r.right, 300);
  EXPECT_GE(r.right, 296);
  const Box c = Lit(0, 55, kW, 85);
  ASSERT_FALSE(c.Empty());
  EXPECT_NEAR((c.left + c.right) / 2.0, 200.0, 3.0);
}

TEST_F(GdiTextTest, WrappingBreaksAtBlanksAndLineBreaks) {
  SelectGdiFont("tahoma", 16, false);
  const int wAlphaBeta = static_cast<int>(MeasureGdiTextWidth("alpha beta"));
  const int wAll = static_cast<int>(MeasureGdiTextWidth("alpha beta gamma"));
  ASSERT_LT(wAlphaBeta, wAll);
  const int box = (wAlphaBeta + wAll) / 2;
  EXPECT_EQ(WrapGdiText("alpha beta gamma", static_cast<float>(box)),
            (std::vector<std::string>{"alpha beta", "gamma"}));
  EXPECT_EQ(MeasureGdiTextHeight("alpha beta gamma", box), 32);
  EXPECT_EQ(MeasureGdiTextHeight("alpha beta gamma", wAll), 16);
  // Blanks at a break vanish; those starting the text stay.
  EXPECT_EQ(WrapGdiText("alpha beta    gamma", static_cast<float>(box)),
            (std::vector<std::string>{"alpha beta", "gamma"}));
  EXPECT_EQ(WrapGdiText("  x", 200)[0], "  x");
  // CR/LF, CR and LF each force a break; an empty line counts; a final break adds nothing.
  EXPECT_EQ(WrapGdiText("one\r\ntwo\nthree\rfour", 300),
            (std::vector<std::string>{"one", "two", "three", "four"}));
  EXPECT_EQ(WrapGdiText("one\n\nthree\n", 300),
            (std::vector<std::string>{"one", "", "three"}));
  EXPECT_TRUE(WrapGdiText("", 300).empty());

  const int drawn = DrawGdiTextString(20, 20, "alpha beta gamma", static_cast<float>(box));
  EXPECT_EQ(drawn, 32);
  const Box b = LitAll();
  EXPECT_GE(b.top, 20);
  EXPECT_GT(b.bottom, 20 + 16);  // the second line is there
  EXPECT_LE(b.bottom, 20 + 32);
  EXPECT_LE(b.right, 20 + box);
}

TEST_F(GdiTextTest, AnOverlongWordOverflowsAndIsClippedAtTheBox) {
  SelectGdiFont("tahoma bold", 24, false);
  const std::string word = "Unbreakablelongword";
  EXPECT_EQ(WrapGdiText(word, 40), std::vector<std::string>{word});
  EXPECT_EQ(WrapGdiText("a " + word + " b", 40),
            (std::vector<std::string>{"a", word, "b"}));
  EXPECT_EQ(DrawGdiTextString(10, 10, word, 40), 24);
  const Box b = LitAll();
  ASSERT_FALSE(b.Empty());
  EXPECT_LE(b.right, 49);   // clipped at x + width
  EXPECT_GE(b.right, 44);   // and filled up to it
  // One-line text is not clipped.
  Clear();
  DrawGdiTextString(10, 10, word, 0);
  EXPECT_GT(LitAll().right, 49 + 100);
}

TEST_F(GdiTextTest, WrappedTextIsClippedHalfAKilopixelBelowItsTop) {
  ASSERT_TRUE(engine.InitOffscreen(120, 700));
  engine.BeginRender();
  SelectGdiFont("tahoma", 40, false);
  std::string many;
  for (int i = 0; i < 16; ++i) many += "W\n";
  EXPECT_EQ(DrawGdiTextString(10, 10, many, 100), 16 * 40);  // the laid-out height
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  std::string error;
  ASSERT_TRUE(engine.GetDevice()->ReadPixels(px, w, h, error));
  int lowest = -1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((px[static_cast<size_t>(y * w + x)] & 0xFF) > 0x40) lowest = y;
  EXPECT_GT(lowest, 400);
  EXPECT_LT(lowest, 10 + 512);
}

TEST_F(GdiTextTest, AnAmpersandIsDrawnAsItStandsWrappedOrNot) {
  // Names such as "Saffron & Sage" keep their "&": no text is a menu with a marked letter.
  SelectGdiFont("tahoma", 16, false);
  EXPECT_EQ(WrapGdiText("Saffron & Sage", 300), std::vector<std::string>{"Saffron & Sage"});
  EXPECT_EQ(WrapGdiText("&Save", 300), std::vector<std::string>{"&Save"});
  DrawGdiTextString(10, 10, "&&", 0);
  const int literal = LitAll().Width();
  Clear();
  DrawGdiTextString(10, 10, "&&", 300);
  EXPECT_EQ(LitAll().Width(), literal);
  EXPECT_GT(literal, 3);
}

TEST_F(GdiTextTest, Windows1252CharactersAreRealGlyphs) {
  SelectGdiFont("tahoma", 24, false);
  for (const char* text : {"\x80", "\xA3", "\x92"}) {
    Clear();
    DrawGdiTextString(10, 10, text, 0);
    const Box b = LitAll();
    EXPECT_FALSE(b.Empty()) << static_cast<int>(static_cast<unsigned char>(text[0]));
    EXPECT_GT(MeasureGdiTextWidth(text), 2.0f);
  }
  // The pound sign is not the euro sign.
  EXPECT_NE(MeasureGdiTextWidth("\xA3\xA3\xA3\xA3"), MeasureGdiTextWidth("\x80\x80\x80\x80"));
}

TEST_F(GdiTextTest, RenderedTextIsCachedPerColourAndTheCacheStaysBounded) {
  SelectGdiFont("tahoma", 16, false);
  const long before = GdiTextRenderCount();
  SetGdiTextColour(255, 0, 0);
  DrawGdiTextString(10, 10, "Cached", 0);
  SetGdiTextColour(0, 255, 0);
  DrawGdiTextString(10, 40, "Cached", 0);
  DrawGdiTextString(10, 70, "Cached", 200);  // wrapped: another layout
  SetGdiTextColour(255, 0, 0);
  DrawGdiTextString(10, 100, "Cached", 0);  // red again: drawn from the cache
  EXPECT_EQ(GdiTextRenderCount(), before + 3);
  const std::vector<uint32_t> px = Read();
  bool sawRed = false, sawGreen = false;
  for (int y = 10; y < 30; ++y)
    for (int x = 10; x < 80; ++x) sawRed |= px[static_cast<size_t>(y * kW + x)] == 0xFFFF0000u;
  for (int y = 40; y < 60; ++y)
    for (int x = 10; x < 80; ++x) sawGreen |= px[static_cast<size_t>(y * kW + x)] == 0xFF00FF00u;
  EXPECT_TRUE(sawRed);
  EXPECT_TRUE(sawGreen);

  // Ten thousand distinct strings (typed-out text) do not pile up.
  for (int i = 0; i < 10000; ++i) DrawGdiTextString(10, 100, "n" + std::to_string(i), 0);
  EXPECT_LE(GdiTextCacheSize(), 1024u);
  EXPECT_GE(GdiTextCacheSize(), 100u);
  // Unused entries go after a number of frames.
  for (int f = 0; f < 130; ++f) {
    engine.BeginRender();
    DrawGdiTextString(10, 10, "kept", 0);
    engine.EndScene();
    BeginGdiDrawing();
    EndGdiDrawing();
    engine.Flip();
  }
  EXPECT_EQ(GdiTextCacheSize(), 1u);
  // Releasing the renderer's textures drops them all.
  engine.ReleaseTexturesAndSurfaces();
  EXPECT_EQ(GdiTextCacheSize(), 0u);
  DrawGdiTextString(10, 10, "again", 0);
  EXPECT_EQ(GdiTextCacheSize(), 1u);
  engine.Release();
  EXPECT_EQ(GdiTextCacheSize(), 0u);
}

TEST_F(GdiTextTest, ATextThatCannotBeDrawnIsTriedOnceNotEveryFrame) {
  DebugLog& log = DebugLog::Instance();
  const std::string oldPath = log.GetPath();
  log.Close();
  log.SetPath((dir.Path() / "debug.txt").string());
  log.Open();
  // One line far too large for one picture at this size: the font refuses it.
  SelectGdiFont("tahoma", 400, false);
  for (int frame = 0; frame < 3; ++frame) DrawGdiTextString(0, 0, std::string(8000, 'W'), 0);
  log.Close();
  log.SetPath(oldPath);
  const std::string text = testsupport::ReadFile(dir.Path() / "debug.txt");
  EXPECT_EQ(text.find("RenderText failed"), text.rfind("RenderText failed")) << text;
  EXPECT_NE(text.find("RenderText failed"), std::string::npos);
}

TEST_F(GdiTextTest, ShadowedTextPutsABlackCopyUnderneath) {
  // A white field shows the black shadow.
  engine.FillRect(0, 0, kW, kH, 0xFFFFFFFFu);
  SelectGdiFont("tahoma bold", 24, false);
  SetGdiTextColour(255, 0, 0);
  DrawGdiTextShadowed(10, 10, "I", 0);
  const std::vector<uint32_t> px = Read();
  int black = 0, red = 0;
  for (uint32_t p : px) black += p == 0xFF000000u, red += p == 0xFFFF0000u;
  EXPECT_GT(black, 5);
  EXPECT_GT(red, 5);
}

}  // namespace

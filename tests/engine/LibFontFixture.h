// A renderer test with the debug log open and a generated bitmap font: a 32-bit texture of
// 10 x `rows` cells whose glyphs are solid white blocks of known widths.
#pragma once

#include <array>
#include <string>

#include "RenderFixture.h"

namespace libfonttest {

class FontTest : public rendertest::RenderTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the font texture under the test folder (fonts are looked up in "fonts") and returns
  // the width each glyph should measure: glyph g is filled from column 1 to column 1 + g % 6
  // and rows 1 to cell - 2 (glyph 7 also has one faint pixel in its last column), glyphs 0 and
  // 99 are empty, and the transparent background carries colour so only alpha can tell.
  std::array<int, 100> WriteFont(const std::string& relativePath, int cell, int rows);
  int CountInDebugLog(const std::string& text);
};

}  // namespace libfonttest

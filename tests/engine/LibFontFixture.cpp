#include "LibFontFixture.h"

#include <filesystem>
#include <vector>

#include "engine/DebugLog.h"

namespace libfonttest {

void FontTest::SetUp() {
  rendertest::RenderTest::SetUp();
  DebugLog::Instance().Close();
  DebugLog::Instance().SetPath("./debugdata/debug.txt");
  DebugLog::Instance().Open();
  std::filesystem::create_directories(dir.Path() / "fonts");
  engine.AddTextureFolder("fonts");
}

void FontTest::TearDown() {
  DebugLog::Instance().Close();
  rendertest::RenderTest::TearDown();
}

std::array<int, 100> FontTest::WriteFont(const std::string& relativePath, int cell, int rows) {
  const int w = cell * 10, h = cell * rows;
  std::vector<uint32_t> px(static_cast<size_t>(w * h), 0x00FF00FFu);
  std::array<int, 100> widths{};
  for (int g = 0; g < 100 && g / 10 < rows; ++g) {
    if (g == 0 || g == 99) continue;
    const int left = (g % 10) * cell, top = (g / 10) * cell;
    const int last = g == 7 ? 3 : 1 + g % 6;
    for (int y = top + 1; y < top + cell - 1; ++y)
      for (int x = left + 1; x <= left + last; ++x) px[static_cast<size_t>(y * w + x)] = 0xFFFFFFFFu;
    widths[static_cast<size_t>(g)] = last;
    if (g == 7) {
      px[static_cast<size_t>((top + 2) * w + left + cell - 1)] = 0x01FFFFFFu;
      widths[7] = cell - 1;
    }
  }
  rendertest::WriteDdsArgb(dir.Path() / relativePath, w, h, px);
  return widths;
}

int FontTest::CountInDebugLog(const std::string& text) {
  const std::string log = testsupport::ReadFile(dir.Path() / "debugdata/debug.txt");
  int n = 0;
  for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++n;
  return n;
}

}  // namespace libfonttest

// The 9-slice frame drawn on the software renderer and read back: its cells must meet without
// a gap or a foreign colour anywhere inside the rectangle.
#include "gui/GUI_Frame.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/RenderFixture.h"
#include "gui/GuiFixture.h"

namespace {

// A 64 x 64 sheet of 16 px cells, each one flat opaque colour of its own.
uint32_t CellColour(int index) {
  return 0xFF000000u | static_cast<uint32_t>(0x20 + index * 12) << 16 |
         static_cast<uint32_t>(0xF0 - index * 9) << 8 | 0x80u;
}

class FrameTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    std::vector<uint32_t> px(64 * 64);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) px[static_cast<size_t>(y * 64 + x)] = CellColour(y / 16 * 4 + x / 16);
    rendertest::WriteDdsArgb(dir.Path() / "data/bitmaps/cells.dds", 64, 64, px);
    engine.AddTextureFolder("data/bitmaps");
  }

  // Every pixel of [left, right) x [top, bottom) after drawing the frame there; the back
  // buffer starts black, so a pixel no cell reached stays black.
  std::vector<std::string> Faults(int left, int top, int right, int bottom, float border) {
    DrawFrameByFile(static_cast<float>(left), static_cast<float>(top), static_cast<float>(right),
                    static_cast<float>(bottom), "cells.dds", border, 1.0f);
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    std::string error;
    EXPECT_TRUE(engine.GetDevice()->ReadPixels(px, w, h, error)) << error;
    std::set<uint32_t> drawn;
    for (int i : {0, 3, 12, 15, 5, 1, 14, 4, 7}) drawn.insert(CellColour(i));
    std::vector<std::string> faults;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) {
        const uint32_t p = px[static_cast<size_t>(y * w + x)];
        if (!drawn.count(p) && faults.size() < 8)
          faults.push_back("(" + std::to_string(x) + ", " + std::to_string(y) + ") = " +
                           std::to_string(p));
      }
    // Nothing spills over the top or the left edge.
    for (int x = left; x < right; ++x)
      if (px[static_cast<size_t>((top - 1) * w + x)] != 0xFF000000u && faults.size() < 16)
        faults.push_back("above the frame at x " + std::to_string(x));
    for (int y = top; y < bottom; ++y)
      if (px[static_cast<size_t>(y * w + left - 1)] != 0xFF000000u && faults.size() < 16)
        faults.push_back("left of the frame at y " + std::to_string(y));
    return faults;
  }
};

TEST_F(FrameTest, CellsMeetWithoutSeamsForEvenAndOddSizes) {
  // Frames of a dialog's and a client area's borders and a text button's, in even and odd
  // widths and heights (an odd one puts the centre cell on a half pixel); apart, so each
  // starts on black.
  struct Case {
    int l, t, r, b;
    float border;
  } cases[] = {{20, 20, 340, 270, 30},   {360, 20, 620, 210, 20},  {640, 20, 941, 271, 30},
               {20, 300, 283, 491, 20},  {320, 300, 419, 380, 9},  {451, 301, 772, 533, 30}};
  for (const Case& c : cases) {
    const std::vector<std::string> faults = Faults(c.l, c.t, c.r, c.b, c.border);
    std::string all;
    for (const std::string& f : faults) all += f + "; ";
    EXPECT_TRUE(faults.empty()) << c.l << "," << c.t << " - " << c.r << "," << c.b
                                << " border " << c.border << ": " << all;
  }
}

}  // namespace

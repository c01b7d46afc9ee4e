// The download progress frame on the software renderer: its own scene and present for every
// report, and the text in white across the middle of the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "RenderFixture.h"
#include "engine/GdiText.h"
#include "engine/DownloadProgress.h"
#include "engine/InternetRequest.h"

namespace {

using rendertest::RenderTest;

constexpr int kW = 400, kH = 120;

class DownloadProgressTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    ResetGdiTextState();
    ASSERT_TRUE(engine.InitOffscreen(kW, kH));
    GetDownloadProgressFrame() = {};
  }
  void TearDown() override {
    GetDownloadProgressFrame() = {};
    ResetGdiTextState();
    RenderTest::TearDown();
  }
};

TEST_F(DownloadProgressTest, EveryReportIsAFrameOfItsOwn) {
  const long scenes = engine.GetScenesBegun();
  const long presented = engine.GetFramesPresented();
  ShowDownloadProgress("mods/a.png", 0.25f);
  ShowDownloadProgress("mods/a.png", 0.5f);
  EXPECT_GE(engine.GetScenesBegun(), scenes + 2);  // the text drawing may open one more
  EXPECT_EQ(engine.GetFramesPresented(), presented + 2);
  EXPECT_EQ(QueuedGdiTextCount(), 0u);  // drawn within its own frame, nothing left queued
  EXPECT_EQ(GetDownloadProgressFrame().frames, 2);
  EXPECT_EQ(GetDownloadProgressFrame().lastText, "Downloading: mods/a.png  (50.00%)");
}

TEST_F(DownloadProgressTest, TheTextIsWhiteAndCentredAcrossTheMiddle) {
  engine.BeginRender();
  DrawDownloadProgress("a.png", 0.5f);
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  std::string error;
  ASSERT_TRUE(engine.GetDevice()->ReadPixels(px, w, h, error)) << error;
  engine.EndScene();
  ASSERT_EQ(w, kW);
  int left = kW, right = -1, top = kH, bottom = -1, white = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const uint32_t p = px[static_cast<size_t>(y * kW + x)];
      const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (r < 0x40 && g < 0x40 && b < 0x40) continue;
      EXPECT_TRUE(r == g && g == b) << "text is white, not coloured, at " << x << "," << y;
      if (r > 0xF0) ++white;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  ASSERT_GE(right, 0) << "nothing drawn";
  EXPECT_GT(white, 20);
  EXPECT_GE(top, kH / 2);          // from half the height down
  EXPECT_LT(top, kH / 2 + 10);
  EXPECT_NEAR((left + right) / 2.0, kW / 2.0, 6.0);  // centred across the whole width
}

TEST_F(DownloadProgressTest, WithoutARendererOnlyTheReportIsKept) {
  engine.Release();
  ShowDownloadProgress("b.png", 1.0f);
  EXPECT_EQ(GetDownloadProgressFrame().frames, 1);
  EXPECT_EQ(GetDownloadProgressFrame().lastText, "Downloading: b.png  (100.00%)");
  EXPECT_EQ(QueuedGdiTextCount(), 0u);
}

}  // namespace

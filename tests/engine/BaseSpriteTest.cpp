// Sprites: placement, rotation, texture cells, colours, drawing, animation over an injected
// clock, textured sprites across a release of textures, and smart textures.
#include "engine/BaseSprite.h"

#include <gtest/gtest.h>

#include "RenderFixture.h"
#include "engine/AnimatedSprite.h"
#include "engine/CallTrace.h"
#include "engine/CTexturedSprite.h"
#include "engine/RenderStats.h"
#include "engine/SmartTexture.h"
#include "engine/Timer.h"
#include "engine/WorldSprite.h"

namespace {

using rendertest::RenderTest;

TEST(BaseSpriteTest, PlacementRotationAndContainment) {
  BaseSprite s;
  s.width = 20;
  s.height = 10;
  s.SetPosition(100, 50);
  EXPECT_FLOAT_EQ(s.vertices[0].x, 90);
  EXPECT_FLOAT_EQ(s.vertices[3].y, 55);
  EXPECT_FLOAT_EQ(s.right, 110);
  EXPECT_FLOAT_EQ(s.bottom, 55);
  EXPECT_TRUE(s.ContainsPoint(95, 52));
  EXPECT_FALSE(s.ContainsPoint(90, 52));  // on the edge
  EXPECT_FALSE(s.ContainsPoint(95, 55));
  s.Rotate(90);
  s.SetPosition(100, 50);
  // Top-left (-10, -5) turned a quarter clockwise on screen lands at (+5, -10).
  EXPECT_NEAR(s.vertices[0].x, 105, 1e-4);
  EXPECT_NEAR(s.vertices[0].y, 40, 1e-4);
  EXPECT_NEAR(s.vertices[3].x, 95, 1e-4);
  EXPECT_NEAR(s.vertices[3].y, 60, 1e-4);
  s.noRotation = true;
  s.SetPosition(100, 50);
  EXPECT_FLOAT_EQ(s.vertices[0].x, 90);
}

TEST(BaseSpriteTest, RotationWrapsOnce) {
  BaseSprite s;
  s.Rotate(370);
  EXPECT_FLOAT_EQ(s.rotation, 10);
  BaseSprite t;
  t.Rotate(-10);
  EXPECT_FLOAT_EQ(t.rotation, 350);
}

TEST(BaseSpriteTest, GridFramesAndTextureRectangles) {
  BaseSprite s;
  s.SetGridFrame(16, 5);
  EXPECT_FLOAT_EQ(s.vertices[0].tu, 0.25f);
  EXPECT_FLOAT_EQ(s.vertices[0].tv, 0.25f);
  EXPECT_FLOAT_EQ(s.vertices[3].tu, 0.5f);
  EXPECT_FLOAT_EQ(s.vertices[3].tv, 0.5f);
  s.SetGridFrame(0, 0);  // no cells: the whole texture, no division by zero
  EXPECT_FLOAT_EQ(s.vertices[0].tu, 0.0f);
  EXPECT_FLOAT_EQ(s.vertices[3].tv, 1.0f);
  s.FlipHorizontal();
  EXPECT_FLOAT_EQ(s.vertices[0].tu, 1.0f);
  EXPECT_FLOAT_EQ(s.vertices[2].tu, 1.0f);
  s.SetUVPixels(64, 16, 0, 32, 64);
  EXPECT_FLOAT_EQ(s.vertices[1].tu, 0.5f);
  EXPECT_FLOAT_EQ(s.vertices[2].tv, 1.0f);
}

TEST(BaseSpriteTest, ColourComponentsAreClampedNotSpilled) {
  BaseSprite s;
  EXPECT_EQ(s.vertices[0].diffuse, 0xFFFFFFFFu);
  s.SetColour(300, -5, 128, 255);
  for (const SpriteVertex& v : s.vertices) EXPECT_EQ(v.diffuse, 0xFFFF0080u);
  s.SetColour(1, 2, 3, 4);
  EXPECT_EQ(s.vertices[2].diffuse, 0x04010203u);
}

TEST(WorldSpriteTest, CameraPlacementAndRoundHitTest) {
  WorldSprite w;
  w.width = 10;
  w.height = 10;
  w.worldX = 150;
  w.worldY = 80;
  w.UpdateScreenPosition(100, 50);
  EXPECT_FLOAT_EQ(w.screenX, 50);
  EXPECT_FLOAT_EQ(w.vertices[0].x, 45);
  EXPECT_TRUE(w.ContainsPoint(53, 33));
  EXPECT_FALSE(w.ContainsPoint(55, 30));  // exactly half the width away
  EXPECT_FALSE(w.ContainsPoint(54.5f, 34.5f));
  w.noRotation = true;
  EXPECT_TRUE(w.ContainsPoint(54.5f, 34.5f));
}

class SpriteDrawTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    // A 2 x 2 sheet: red, green / blue, white.
    rendertest::WriteBmp24(dir.Path() / "data/bitmaps/sheet.bmp", 2, 2,
                           {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu});
    engine.AddTextureFolder("data/bitmaps");
    engine.BeginRender();
    engine.SetPointFiltering();
  }
};

TEST_F(SpriteDrawTest, TheStripDrawsTheTextureAndAFlipMirrorsIt) {
  BaseSprite s;
  s.width = 8;
  s.height = 8;
  s.SetPosition(4, 4);
  engine.SetTextureByName("sheet.bmp");
  s.Draw();
  EXPECT_EQ(Pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(Pixel(6, 6), 0xFFFFFFFFu);
  s.FlipHorizontal();
  s.Draw();
  EXPECT_EQ(Pixel(1, 1), 0xFF00FF00u);
  EXPECT_EQ(Pixel(6, 6), 0xFF0000FFu);
  // Wholly off screen: not drawn.
  s.SetPosition(-20, -20);
  s.SetColourARGB(0xFF000000u);
  s.Draw();
  EXPECT_EQ(Pixel(1, 1), 0xFF00FF00u);
}

TEST_F(SpriteDrawTest, AnAnimationShowsEachCellOnceThenVanishes) {
  ManualTimerClock clock;
  AnimatedSprite a;
  a.width = 8;
  a.height = 8;
  a.SetPosition(4, 4);
  a.Draw();  // not playing: nothing
  EXPECT_EQ(Pixel(4, 4), 0xFF000000u);
  engine.SetTextureByName("sheet.bmp");
  a.Play(400, 4);
  const uint32_t expected[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
  for (int frame = 0; frame < 4; ++frame) {
    a.Draw();
    EXPECT_EQ(a.GetFrame(), frame);
    EXPECT_EQ(Pixel(4, 4), expected[frame]) << frame;
    clock.Advance(100);
    a.Draw();  // exactly one frame time: still the same cell
    EXPECT_EQ(a.GetFrame(), frame);
    clock.Advance(1);
  }
  engine.FillRect(0, 0, 64, 48, 0xFF000000u);
  engine.SetTextureByName("sheet.bmp");
  a.Draw();
  EXPECT_TRUE(a.IsFinished());
  EXPECT_EQ(Pixel(4, 4), 0xFF000000u);
  a.Play(100, 0);  // no frames counts as one: the whole sheet
  a.Draw();
  EXPECT_EQ(Pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(Pixel(6, 6), 0xFFFFFFFFu);
}

TEST_F(SpriteDrawTest, TexturedSpritesAndCopiesFindTheirTextureAgainAfterARelease) {
  const size_t before = CTexturedSprite::Count();
  std::vector<CTexturedSprite> sprites(1);
  sprites[0].width = 8;
  sprites[0].height = 8;
  sprites[0].SetPosition(4, 4);
  sprites[0].SetTexture("sheet.bmp");
  ASSERT_NE(sprites[0].GetTexturePtr(), nullptr);
  sprites.push_back(sprites[0]);  // reallocates: the list must follow the moved sprites
  EXPECT_EQ(CTexturedSprite::Count(), before + 2);
  engine.ReleaseTexturesAndSurfaces();
  for (const CTexturedSprite& s : sprites) EXPECT_EQ(s.GetTexturePtr(), nullptr);
  sprites[1].Draw();
  EXPECT_NE(sprites[1].GetTexturePtr(), nullptr);
  EXPECT_EQ(Pixel(1, 1), 0xFFFF0000u);
  sprites.clear();
  EXPECT_EQ(CTexturedSprite::Count(), before);
}

TEST_F(SpriteDrawTest, TexturedSpritesForgetTexturesOfADeviceThatIsReplaced) {
  CTexturedSprite s;
  s.width = 8;
  s.height = 8;
  s.SetPosition(4, 4);
  s.SetTexture("sheet.bmp");
  ASSERT_NE(s.GetTexturePtr(), nullptr);
  // A second start replaces the device and every texture it held, without a release first.
  ASSERT_TRUE(engine.InitOffscreen(64, 48));
  EXPECT_EQ(s.GetTexturePtr(), nullptr);
  engine.AddTextureFolder("data/bitmaps");
  engine.BeginRender();
  engine.SetPointFiltering();
  s.Draw();
  EXPECT_NE(s.GetTexturePtr(), nullptr);
  EXPECT_EQ(Pixel(1, 1), 0xFFFF0000u);
}

TEST_F(SpriteDrawTest, SmartTexturesRebindAfterARelease) {
  SmartTexture t;
  t.name = "sheet.bmp";
  SmartTexture empty;
  SmartTexture::RebindAll();
  ASSERT_NE(t.texture, nullptr);
  EXPECT_EQ(empty.texture, nullptr);
  engine.ReleaseTexturesAndSurfaces();
  SmartTexture::RebindAll();
  ASSERT_NE(t.texture, nullptr);
  t.Bind();
  EXPECT_EQ(engine.GetDevice()->BoundTexture(), t.texture);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(SpriteDrawTest, TheStatisticsOverlayDrawsItsPanelAndCounters) {
  RenderStats::Instance().Reset();
  RenderStats::Instance().Add(RenderStats::kGdiLocks, 2.0f);
  RenderStats::Instance().Add(RenderStats::kPixelsDrawn, 1234.4f);
  RenderStats::Instance().Add(7, 1.0f);  // no such counter: ignored
  ClearTracedCalls();
  engine.InitOffscreen(256, 160);
  RenderStats::Instance().DrawOverlay();
  EXPECT_EQ(Pixel(32, 32), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(232, 132), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(100, 100), 0xFF000000u);
  // The three lines are real text in white "tahoma" 12: each row band holds lit pixels,
  // and nothing is drawn right of the panel's text column past the longest line.
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  std::string error;
  ASSERT_TRUE(engine.GetDevice()->ReadPixels(px, w, h, error));
  for (int band : {42, 54, 66}) {
    int lit = 0;
    for (int y = band; y < band + 12; ++y)
      for (int x = 42; x < 222; ++x)
        if ((px[static_cast<size_t>(y * w + x)] & 0xFF) > 0x80) ++lit;
    EXPECT_GT(lit, 20) << "row at " << band;
  }
  for (int y = 80; y < 131; ++y) EXPECT_EQ(px[static_cast<size_t>(y * w + 100)], 0xFF000000u);
  EXPECT_EQ(RenderStats::Instance().Get(RenderStats::kGdiLocks), 3.0f);
}

}  // namespace

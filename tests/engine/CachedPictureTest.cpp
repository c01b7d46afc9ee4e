// Still pictures and frames kept as composed textures: they must look as drawing their pieces
// in turn looks (up to SDL's rounding of one blitter against another, 2 per channel), follow
// what they show, and outlive the textures going.
#include "engine/CachedPicture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/QuadSheet.h"
#include "RenderFixture.h"

namespace rendertest {
namespace {

constexpr int kW = 128, kH = 96;

class CachedPictureTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    ASSERT_TRUE(engine.InitOffscreen(kW, kH));
    // A 16 x 16 picture: a see-through rim round an opaque inside, colours running across.
    std::vector<uint32_t> px(16 * 16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool rim = x < 2 || y < 2 || x > 13 || y > 13;
        px[static_cast<size_t>(y * 16 + x)] = (rim ? 0x70000000u : 0xFF000000u) |
                                              static_cast<uint32_t>(x * 16) << 16 |
                                              static_cast<uint32_t>(y * 16) << 8 | 0x40u;
      }
    std::string error;
    texture = engine.GetDevice()->CreateTexture(16, 16, px.data(), error);
    ASSERT_NE(texture, nullptr) << error;
  }

  void Sprite(float l, float t, float r, float b, uint32_t argb) {
    BaseSprite s;
    s.width = r - l;
    s.height = b - t;
    s.SetColourARGB(argb);
    s.SetPosition((l + r) / 2.0f, (t + b) / 2.0f);
    engine.SetTexture(0, texture);
    s.DrawQuad();
  }
  void Fill(uint32_t argb) { engine.FillRect(0, 0, kW, kH, argb); }

  // One frame: `draw` on a fresh screen, read back, then presented.
  std::vector<uint32_t> Frame(const std::function<void()>& draw) {
    engine.BeginRender();
    draw();
    engine.EndScene();
    std::vector<uint32_t> px = ReadScreen();
    engine.Flip();
    return px;
  }

  // Within `most` per colour channel. SDL's tinting and per-pixel blitters round up to 2
  // apart; a layer's translucent pieces lying on one another are kept premultiplied in 8 bits,
  // which adds 1 more where they overlap.
  static bool Near(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b,
                   int most = 2) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>(a[i] >> shift & 0xFF) -
                     static_cast<int>(b[i] >> shift & 0xFF)) > most)
          return false;
    return true;
  }

  plat::TextureHandle texture = nullptr;
};

TEST_F(CachedPictureTest, AStillScreenIsComposedOnceLooksAsDrawnAndFollowsAChange) {
  uint32_t tint = 0xC0FF8040u;
  auto scene = [&] {
    Fill(0xFF204060u);
    Sprite(10, 10, 90, 70, tint);   // stretched and tinted
    Sprite(60, 40, 76, 56, 0xFFFFFFFFu);
  };
  const std::vector<uint32_t> direct = Frame(scene);
  CachedPicture picture(CachedPicture::Kind::kScreen);
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(Near(Frame([&] { picture.Draw(scene); }), direct)) << "frame " << i;
  EXPECT_EQ(picture.Compositions(), 1);

  tint = 0xFF40FF40u;
  const std::vector<uint32_t> changed = Frame(scene);
  ASSERT_FALSE(Near(changed, direct));
  EXPECT_TRUE(Near(Frame([&] { picture.Draw(scene); }), changed));
  EXPECT_EQ(picture.Compositions(), 2);

  // The textures go (a display change): the picture is made again, from live textures.
  engine.ReleaseTexturesAndSurfaces();
  EXPECT_TRUE(Near(Frame([&] { picture.Draw(scene); }), changed));
  EXPECT_EQ(picture.Compositions(), 3);
}

TEST_F(CachedPictureTest, ALayerLiesOverWhatIsUnderItAsItsPiecesWouldAndAnAnimationIsNotKept) {
  CachedPicture inner(CachedPicture::Kind::kLayer);
  auto layer = [&] {
    Sprite(20, 20, 100, 80, 0xFFFFFFFFu);
    Sprite(80, 10, 120, 40, 0x90FFFFFFu);  // translucent, partly off the opaque piece
    inner.Draw([&] { Sprite(30, 30, 50, 50, 0xFF80FF80u); });  // pictures nest
  };
  auto under = [&] { Fill(0xFFC03020u); };
  const std::vector<uint32_t> direct = Frame([&] {
    under();
    layer();
  });
  CachedPicture picture(CachedPicture::Kind::kLayer);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(Near(Frame([&] {
                       under();
                       picture.Draw(layer);
                     }),
                     direct, 3))
        << "frame " << i;
  }
  EXPECT_EQ(picture.Compositions(), 1);

  // What moves every frame is drawn piece by piece, never composed.
  CachedPicture moving(CachedPicture::Kind::kLayer);
  for (int i = 0; i < 4; ++i) {
    const auto x = static_cast<float>(10 + 7 * i);
    auto piece = [&] { Sprite(x, 20, x + 30, 50, 0xA0FFFFFFu); };
    const std::vector<uint32_t> expected = Frame([&] {
      under();
      piece();
    });
    EXPECT_TRUE(Near(Frame([&] {
                       under();
                       moving.Draw(piece);
                     }),
                     expected));
  }
  EXPECT_EQ(moving.Compositions(), 0);
}

TEST_F(CachedPictureTest, AFrameSeenAgainIsOnePictureThatLooksAsItsCells) {
  auto frame = [&] {
    Fill(0xFF102030u);
    engine.SetTexture(0, texture);
    QuadSheet sheet;
    BaseSprite cell;
    for (int i = 0; i < 3; ++i) {
      cell.SetGridFrame(4, i);  // overlapping, stretched, translucent cells
      cell.width = 40.0f + 10.0f * static_cast<float>(i);
      cell.height = 30.0f;
      cell.SetColourARGB(0xD0FFFFFFu);
      cell.SetPosition(30.5f + 20.0f * static_cast<float>(i), 40.0f);
      sheet.Add(cell);
    }
    sheet.Draw();
  };
  const std::vector<uint32_t> cells = Frame(frame);
  EXPECT_EQ(QuadSheetCacheSize(), 0u);
  EXPECT_TRUE(Near(Frame(frame), cells));
  EXPECT_EQ(QuadSheetCacheSize(), 1u);
  EXPECT_TRUE(Near(Frame(frame), cells));
  ReleaseQuadSheets();
}

}  // namespace
}  // namespace rendertest

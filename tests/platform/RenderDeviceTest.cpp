// The drawing device on SDL's software renderer, read back pixel by pixel.
#include "platform/RenderDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/Window.h"

namespace {

using plat::PrimitiveType;
using plat::RenderDevice;
using plat::SpriteVertex;

SpriteVertex V(float x, float y, uint32_t argb, float u = 0, float v = 0) {
  SpriteVertex out;
  out.x = x;
  out.y = y;
  out.diffuse = out.specular = argb;
  out.tu = u;
  out.tv = v;
  return out;
}

class RenderDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    device = RenderDevice::CreateOffscreen(64, 48, error);
    ASSERT_NE(device, nullptr) << error;
    device->SetFilter(plat::TextureFilter::Point);
  }
  uint32_t Pixel(int x, int y) {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    std::string error;
    EXPECT_TRUE(device->ReadPixels(px, w, h, error)) << error;
    return px[static_cast<size_t>(y * w + x)];
  }
  void Quad(float l, float t, float r, float b, uint32_t argb) {
    const SpriteVertex q[4] = {V(l, t, argb, 0, 0), V(r, t, argb, 1, 0), V(l, b, argb, 0, 1),
                               V(r, b, argb, 1, 1)};
    std::string error;
    ASSERT_TRUE(device->DrawPrimitive(PrimitiveType::TriangleStrip, q, 4, error)) << error;
  }
  std::unique_ptr<RenderDevice> device;
};

// The back buffer is drawn straight, texel runs copied, skipped or blended; a target is drawn
// by SDL's own blitter. Both must give the same pixels, partly off the screen and from a part
// of a texture too.
void ExpectTheFrameGetsWhatSDLsBlitterGivesATarget(RenderDevice& device) {
  std::vector<uint32_t> back(64 * 48), sprite(37 * 23);
  uint32_t seed = 12345u;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 7; };
  for (uint32_t& c : back) c = 0xFF000000u | (next() & 0xFFFFFFu);
  // Runs of clear, opaque and see-through texels, long and short, as windows and text have.
  for (size_t i = 0; i < sprite.size();) {
    const uint32_t kind = next() % 3u, length = 1u + next() % 40u;
    for (uint32_t k = 0; k < length && i < sprite.size(); ++k, ++i) {
      const uint32_t alpha = kind == 0 ? 0u : (kind == 1 ? 255u : 1u + next() % 254u);
      sprite[i] = alpha << 24 | (next() & 0xFFFFFFu);
    }
  }
  device.SetFilter(plat::TextureFilter::Point);
  std::string error;
  plat::TextureHandle backdrop = device.CreateTexture(64, 48, back.data(), error);
  plat::TextureHandle t = device.CreateTexture(37, 23, sprite.data(), error);
  plat::TextureHandle target = device.CreateTarget(64, 48, error);
  ASSERT_TRUE(backdrop && t && target) << error;
  auto quad = [&](float l, float top, float r, float b, float u0 = 0, float v0 = 0, float u1 = 1,
                  float v1 = 1) {
    const SpriteVertex q[4] = {V(l, top, 0xFFFFFFFFu, u0, v0), V(r, top, 0xFFFFFFFFu, u1, v0),
                               V(l, b, 0xFFFFFFFFu, u0, v1), V(r, b, 0xFFFFFFFFu, u1, v1)};
    ASSERT_TRUE(device.DrawPrimitive(PrimitiveType::TriangleStrip, q, 4, error)) << error;
  };
  auto draw = [&] {
    device.BindTexture(backdrop);
    quad(0, 0, 64, 48);
    device.BindTexture(t);
    quad(-5, 30, 32, 53);
    quad(20, 3, 50, 23);  // stretched: SDL's either way
    quad(40, 11, 70, 29, 3.0f / 37, 2.0f / 23, 33.0f / 37, 20.0f / 23);
  };
  std::vector<uint32_t> straight, blitted;
  int w = 0, h = 0;
  draw();
  ASSERT_TRUE(device.ReadPixels(straight, w, h, error)) << error;
  ASSERT_TRUE(device.SetTarget(target, error)) << error;
  draw();
  ASSERT_TRUE(device.ReadPixels(blitted, w, h, error)) << error;
  ASSERT_TRUE(device.SetTarget(nullptr, error)) << error;
  EXPECT_NE(straight, back);
  // What is seen: a window's surface may keep no alpha.
  for (std::vector<uint32_t>* picture : {&straight, &blitted})
    for (uint32_t& c : *picture) c &= 0xFFFFFFu;
  EXPECT_EQ(straight, blitted);
  for (plat::TextureHandle made : {backdrop, t, target}) device.DestroyTexture(made);
}

TEST_F(RenderDeviceTest, TheFrameGetsWhatSDLsBlitterGivesATarget) {
  ExpectTheFrameGetsWhatSDLsBlitterGivesATarget(*device);
}

TEST(RenderDeviceWindowTest, TheWindowsFrameGetsWhatSDLsBlitterGivesATarget) {
  std::string error;
  plat::WindowHandle window = plat::CreatePlatformWindow("Tovel", 64, 48, "", error);
  ASSERT_NE(window, nullptr) << error;
  {
    auto device = RenderDevice::CreateForWindow(window, 64, 48, false, true, error);
    ASSERT_NE(device, nullptr) << error;
    ExpectTheFrameGetsWhatSDLsBlitterGivesATarget(*device);
  }
  plat::DestroyPlatformWindow(window);
}

// Full screen covers the display and letterboxes the configured picture into it; leaving it,
// by the device (as an error box does) or by a new windowed device (as the display toggle
// does), gives the window back its configured size and the place it had. The headless driver
// has no window manager, so the game places the window itself there.
TEST(RenderDeviceWindowTest, FullScreenCoversTheDisplayAndLeavingItRestoresThePlaceAndSize) {
  std::string error;
  plat::WindowHandle window = plat::CreatePlatformWindow("Tovel", 640, 480, "", error);
  ASSERT_NE(window, nullptr) << error;
  ASSERT_FALSE(plat::WindowManagerRuns(window));
  plat::SetWindowPosition(window, 100, 60);
  int displayW = 0, displayH = 0;
  ASSERT_TRUE(plat::GetDesktopSize(displayW, displayH));
  auto expectWindow = [window](int x, int y, int w, int h) {
    int gotX = -1, gotY = -1, gotW = 0, gotH = 0;
    plat::GetWindowPosition(window, gotX, gotY);
    plat::GetWindowSize(window, gotW, gotH);
    EXPECT_EQ(gotX, x);
    EXPECT_EQ(gotY, y);
    EXPECT_EQ(gotW, w);
    EXPECT_EQ(gotH, h);
  };
  {
    auto device = RenderDevice::CreateForWindow(window, 640, 480, true, true, error);
    ASSERT_NE(device, nullptr) << error;
    expectWindow(0, 0, displayW, displayH);
    device->SetFullscreen(false);
    expectWindow(100, 60, 640, 480);
    device->SetFullscreen(true);
    expectWindow(0, 0, displayW, displayH);
    device->SetFullscreen(true);  // already there: the place kept is still the window's own
  }
  {
    auto device = RenderDevice::CreateForWindow(window, 640, 480, false, true, error);
    ASSERT_NE(device, nullptr) << error;
    expectWindow(100, 60, 640, 480);
  }
  plat::DestroyPlatformWindow(window);
}

TEST_F(RenderDeviceTest, StartsOpaqueBlackAndHalfAlphaRedBlendsOverIt) {
  EXPECT_EQ(Pixel(0, 0), 0xFF000000u);
  Quad(10, 10, 20, 20, 0x80FF0000u);
  const uint32_t p = Pixel(10, 10);
  EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 128, 2);
  EXPECT_EQ(p & 0xFFFF, 0u);
  EXPECT_NE(Pixel(19, 19) & 0xFF0000, 0u);
  EXPECT_EQ(Pixel(9, 10), 0xFF000000u);
  EXPECT_EQ(Pixel(20, 15), 0xFF000000u);
  EXPECT_EQ(Pixel(15, 20), 0xFF000000u);
  EXPECT_EQ(Pixel(15, 9), 0xFF000000u);
}

TEST_F(RenderDeviceTest, TextureAlphaAndColourAreModulatedByTheDiffuse) {
  // White at alpha 128 under a diffuse of half-alpha green: a quarter of green over black.
  const std::vector<uint32_t> texels(4, 0x80FFFFFFu);
  std::string error;
  plat::TextureHandle tex = device->CreateTexture(2, 2, texels.data(), error);
  ASSERT_NE(tex, nullptr) << error;
  device->BindTexture(tex);
  Quad(0, 0, 8, 8, 0x8000FF00u);
  const uint32_t p = Pixel(4, 4);
  EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 64, 3);
  EXPECT_EQ(p & 0xFF00FF, 0u);
  device->DestroyTexture(tex);
  EXPECT_EQ(device->BoundTexture(), nullptr);  // a freed texture is never left bound
}

TEST_F(RenderDeviceTest, PointFilteredTextureMapsTexelsToItsQuarters) {
  const std::vector<uint32_t> texels = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
  std::string error;
  plat::TextureHandle tex = device->CreateTexture(2, 2, texels.data(), error);
  ASSERT_NE(tex, nullptr) << error;
  device->BindTexture(tex);
  Quad(0, 0, 8, 8, 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(Pixel(6, 1), 0xFF00FF00u);
  EXPECT_EQ(Pixel(1, 6), 0xFF0000FFu);
  EXPECT_EQ(Pixel(6, 6), 0xFFFFFFFFu);
}

TEST_F(RenderDeviceTest, CoordinatesOutsideTheTextureAreClampedNotRefused) {
  const std::vector<uint32_t> texels(4, 0xFFFFFFFFu);
  std::string error;
  device->BindTexture(device->CreateTexture(2, 2, texels.data(), error));
  const SpriteVertex q[4] = {V(0, 0, 0xFFFFFFFFu, -0.5f, 0), V(8, 0, 0xFFFFFFFFu, 1, 0),
                             V(0, 8, 0xFFFFFFFFu, -0.5f, 2), V(8, 8, 0xFFFFFFFFu, 1, 2)};
  ASSERT_TRUE(device->DrawPrimitive(PrimitiveType::TriangleStrip, q, 4, error)) << error;
  EXPECT_EQ(Pixel(4, 4), 0xFFFFFFFFu);
}

TEST_F(RenderDeviceTest, GradientRunsFromTheLeftColourToTheRightColour) {
  const SpriteVertex q[4] = {V(0, 0, 0xFFFF0000u), V(32, 0, 0xFF0000FFu), V(0, 8, 0xFFFF0000u),
                             V(32, 8, 0xFF0000FFu)};
  std::string error;
  ASSERT_TRUE(device->DrawPrimitive(PrimitiveType::TriangleStrip, q, 4, error)) << error;
  const uint32_t left = Pixel(0, 4), right = Pixel(31, 4);
  EXPECT_GT((left >> 16) & 0xFF, 240u);
  EXPECT_LT(left & 0xFF, 16u);
  EXPECT_GT(right & 0xFF, 240u);
  EXPECT_LT((right >> 16) & 0xFF, 16u);
}

TEST_F(RenderDeviceTest, CounterClockwiseTrianglesAreNotDrawn) {
  std::string error;
  const SpriteVertex ccw[3] = {V(0, 0, 0xFFFFFFFFu), V(0, 20, 0xFFFFFFFFu), V(20, 0, 0xFFFFFFFFu)};
  ASSERT_TRUE(device->DrawPrimitive(PrimitiveType::TriangleList, ccw, 3, error));
  EXPECT_EQ(Pixel(3, 3), 0xFF000000u);
  const SpriteVertex cw[3] = {V(0, 0, 0xFFFFFFFFu), V(20, 0, 0xFFFFFFFFu), V(0, 20, 0xFFFFFFFFu)};
  ASSERT_TRUE(device->DrawPrimitive(PrimitiveType::TriangleList, cw, 3, error));
  EXPECT_EQ(Pixel(3, 3), 0xFFFFFFFFu);
  // A strip given right to left is counter-clockwise throughout.
  const SpriteVertex mirrored[4] = {V(40, 0, 0xFFFFFFFFu), V(30, 0, 0xFFFFFFFFu),
                                    V(40, 10, 0xFFFFFFFFu), V(30, 10, 0xFFFFFFFFu)};
  ASSERT_TRUE(device->DrawPrimitive(PrimitiveType::TriangleStrip, mirrored, 4, error));
  EXPECT_EQ(Pixel(35, 5), 0xFF000000u);
}

TEST_F(RenderDeviceTest, LineStripOutlinesTouchOnlyTheEdges) {
  const SpriteVertex loop[5] = {V(5, 5, 0xFFFFFFFFu), V(15, 5, 0xFFFFFFFFu), V(15, 12, 0xFFFFFFFFu),
                                V(5, 12, 0xFFFFFFFFu), V(5, 5, 0xFFFFFFFFu)};
  std::string error;
  ASSERT_TRUE(device->DrawPrimitive(PrimitiveType::LineStrip, loop, 5, error)) << error;
  EXPECT_EQ(Pixel(10, 5), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(10, 12), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(5, 8), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(15, 8), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(10, 8), 0xFF000000u);
  EXPECT_EQ(Pixel(4, 8), 0xFF000000u);
}

TEST_F(RenderDeviceTest, QuadsOnFractionalEdgesMeetWithoutAGapOrAnOverlap) {
  // Red over 9.75..20.25 covers the pixels whose whole-number centres lie inside: 10..20.
  Quad(9.75f, 2, 20.25f, 6, 0xFFFF0000u);
  EXPECT_EQ(Pixel(9, 4), 0xFF000000u);
  EXPECT_EQ(Pixel(10, 4), 0xFFFF0000u);
  EXPECT_EQ(Pixel(20, 4), 0xFFFF0000u);
  EXPECT_EQ(Pixel(21, 4), 0xFF000000u);
  EXPECT_EQ(Pixel(15, 1), 0xFF000000u);
  // Green and blue share the edge at 30.5 (and 40.5 down the side): every pixel between is
  // one colour or the other, none is left black.
  Quad(20.5f, 10, 30.5f, 20.5f, 0xFF00FF00u);
  Quad(30.5f, 10, 41.25f, 20.5f, 0xFF0000FFu);
  Quad(20.5f, 20.5f, 41.25f, 30, 0xFFFFFFFFu);
  for (int x = 21; x <= 41; ++x)
    for (int y = 10; y < 30; ++y) ASSERT_NE(Pixel(x, y), 0xFF000000u) << x << "," << y;
  EXPECT_EQ(Pixel(30, 15), 0xFF00FF00u);
  EXPECT_EQ(Pixel(31, 15), 0xFF0000FFu);
  EXPECT_EQ(Pixel(25, 20), 0xFF00FF00u);
  EXPECT_EQ(Pixel(25, 21), 0xFFFFFFFFu);
}

TEST_F(RenderDeviceTest, PresentLeavesTheBackBufferBlack) {
  Quad(0, 0, 64, 48, 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(30, 30), 0xFFFFFFFFu);
  std::string error;
  ASSERT_TRUE(device->Present(error));
  EXPECT_EQ(Pixel(30, 30), 0xFF000000u);
  EXPECT_EQ(Pixel(0, 0), 0xFF000000u);
}

// Stretched pictures are drawn from copies kept at the size drawn, opaque ones without
// blending: neither may change a pixel. The first frame draws through SDL's own stretch.
TEST_F(RenderDeviceTest, KeptStretchesAndOpaqueCopiesDrawTheSamePixelsFrameAfterFrame) {
  std::vector<uint32_t> translucent(8 * 4), opaque(8 * 4);
  for (uint32_t i = 0; i < translucent.size(); ++i) {
    translucent[i] = (i * 8u) << 24 | (i * 37u % 256u) << 16 | (i * 91u % 256u) << 8 | 0x40u;
    opaque[i] = 0xFF000000u | (i * 53u % 256u) << 16 | (i * 7u % 256u);
  }
  std::string error;
  plat::TextureHandle a = device->CreateTexture(8, 4, translucent.data(), error);
  plat::TextureHandle b = device->CreateTexture(8, 4, opaque.data(), error);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  device->SetFilter(plat::TextureFilter::Linear);
  auto frame = [&] {
    device->BindTexture(nullptr);
    Quad(0, 0, 64, 48, 0xFF3060A0u);
    device->BindTexture(b);
    Quad(0, 0, 40, 30, 0xFFFFFFFFu);   // stretched, opaque
    Quad(30, 20, 38, 24, 0xFFFFFFFFu);  // unstretched, opaque
    Quad(40, 0, 48, 4, 0x80FFFFFFu);    // unstretched at half alpha: still blends
    device->BindTexture(a);
    Quad(-10, 10, 30, 50, 0xC0FF8040u);  // stretched, modulated, partly off the screen
    Quad(20, 5, 61, 27, 0xFFFFFFFFu);
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    EXPECT_TRUE(device->ReadPixels(px, w, h, error));
    EXPECT_TRUE(device->Present(error));
    return px;
  };
  // From the second frame on, tinted parts come from kept copies with the tint baked in, drawn
  // by SDL's per-pixel blitter, which rounds up to 2 per channel apart from its tinting one.
  auto near = [](const std::vector<uint32_t>& x, const std::vector<uint32_t>& y) {
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i)
      for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>(x[i] >> shift & 0xFF) - static_cast<int>(y[i] >> shift & 0xFF)) > 2)
          return false;
    return true;
  };
  const std::vector<uint32_t> first = frame();
  const std::vector<uint32_t> second = frame();
  EXPECT_TRUE(near(second, first));
  for (int i = 0; i < 2; ++i) EXPECT_EQ(frame(), second) << "frame " << i + 3;
  // Half alpha over the backdrop is a mix, not the texel.
  EXPECT_NE(first[static_cast<size_t>(2 * 64 + 44)] & 0xFFFFFF, opaque[2 * 8 + 4] & 0xFFFFFF);
  device->DestroyTexture(a);  // its kept stretches go with it
  device->BindTexture(b);
  Quad(0, 0, 40, 30, 0xFFFFFFFFu);
}

}  // namespace

// Sprites batched as triangle pairs (rain, snow) land on the same pixels as the same sprites
// drawn one strip at a time; a turned one stays a triangle batch.
TEST_F(RenderDeviceTest, SpritesInATriangleListDrawAsTheirStrips) {
  std::vector<uint32_t> texels(8 * 8);
  for (uint32_t i = 0; i < texels.size(); ++i) texels[i] = (i * 4u) << 24 | (i * 29u % 256u) << 8 | 0xC0u;
  std::string error;
  plat::TextureHandle t = device->CreateTexture(8, 8, texels.data(), error);
  ASSERT_NE(t, nullptr) << error;
  device->SetFilter(plat::TextureFilter::Linear);
  device->BindTexture(t);
  const float quads[2][4] = {{3.5f, 4.25f, 19.5f, 20.25f}, {15, 10, 47, 18}};
  auto read = [&] {
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    EXPECT_TRUE(device->ReadPixels(px, w, h, error));
    EXPECT_TRUE(device->Present(error));
    return px;
  };
  // Drawn twice first: from the second time on, the device draws kept copies of the
  // stretched, tinted sprites.
  std::vector<uint32_t> strips;
  for (int i = 0; i < 2; ++i) {
    for (const auto& q : quads) Quad(q[0], q[1], q[2], q[3], 0xA0FFFFFFu);
    strips = read();
  }
  std::vector<SpriteVertex> list;
  for (const auto& q : quads) {
    const SpriteVertex c[4] = {V(q[0], q[1], 0xA0FFFFFFu, 0, 0), V(q[2], q[1], 0xA0FFFFFFu, 1, 0),
                               V(q[0], q[3], 0xA0FFFFFFu, 0, 1), V(q[2], q[3], 0xA0FFFFFFu, 1, 1)};
    for (int i : {0, 1, 2, 2, 1, 3}) list.push_back(c[i]);
  }
  ASSERT_TRUE(device->DrawPrimitive(PrimitiveType::TriangleList, list.data(),
                                    static_cast<int>(list.size()), error));
  EXPECT_EQ(read(), strips);
  device->DestroyTexture(t);
}

// A picture with a soft rim and a solid inside (opaque, or one see-through colour) is drawn in
// pieces; every pixel still comes out as its texel blended over what was there.
TEST_F(RenderDeviceTest, PicturesWithASolidInsideLookAsTheirTexelsBlendedOver) {
  for (const uint32_t inside : {0xFF3080C0u, 0xB4204060u}) {
    std::vector<uint32_t> texels(40 * 36);
    for (int y = 0; y < 36; ++y)
      for (int x = 0; x < 40; ++x) {
        const int edge = std::min(std::min(x, 39 - x), std::min(y, 35 - y));
        texels[static_cast<size_t>(y * 40 + x)] =
            edge < 3 ? static_cast<uint32_t>(60 * edge + 40) << 24 | 0x00E0A020u : inside;
      }
    std::string error;
    plat::TextureHandle t = device->CreateTexture(40, 36, texels.data(), error);
    ASSERT_NE(t, nullptr) << error;
    device->BindTexture(nullptr);
    Quad(0, 0, 64, 48, 0xFF40C060u);
    device->BindTexture(t);
    Quad(7, 5, 47, 41, 0xFFFFFFFFu);
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    ASSERT_TRUE(device->ReadPixels(px, w, h, error));
    for (int y = 0; y < 36; ++y)
      for (int x = 0; x < 40; ++x) {
        const uint32_t s = texels[static_cast<size_t>(y * 40 + x)], a = s >> 24;
        const uint32_t got = px[static_cast<size_t>((y + 5) * w + x + 7)];
        for (int shift = 0; shift < 24; shift += 8) {
          const int want = static_cast<int>(((s >> shift & 0xFFu) * a +
                                             (0xFF40C060u >> shift & 0xFFu) * (255u - a)) / 255u);
          ASSERT_NEAR(static_cast<int>(got >> shift & 0xFF), want, 2)
              << std::hex << inside << std::dec << " at " << x << "," << y;
        }
      }
    EXPECT_TRUE(device->Present(error));
    device->DestroyTexture(t);
  }
}

// Turned sprites in a batch (snowflakes) each keep their own angle, size and alpha: drawn again
// from the pictures the device keeps of them, they land on the pixels SDL's geometry gave them
// the first time, up to the blitters' rounding. Two share a shape and differ in alpha, two share
// an alpha and differ in angle and size; each has its bounding box's corner on a whole pixel.
TEST_F(RenderDeviceTest, TurnedSpritesKeepTheirOwnAngleSizeAndAlphaFrameAfterFrame) {
  std::vector<uint32_t> texels(16 * 16);
  for (uint32_t i = 0; i < texels.size(); ++i)
    texels[i] = (i * 7u % 256u) << 24 | (i * 29u % 256u) << 16 | (i * 13u % 256u) << 8 | 0xE0u;
  std::string error;
  plat::TextureHandle t = device->CreateTexture(16, 16, texels.data(), error);
  ASSERT_NE(t, nullptr) << error;
  struct Flake {
    float left, top, e1x, e1y, e2x, e2y;  // bounding box corner; the edges from the first corner
    uint32_t colour;
  };
  const Flake flakes[] = {{3, 2, 12.5f, 5, -5, 12.5f, 0xC0FFFFFFu},
                          {30, 20, 12.5f, 5, -5, 12.5f, 0x50FFFFFFu},
                          {40, 2, 6, -6, 6, 6, 0xC0FFFFFFu},
                          {10, 28, 9.25f, 3.5f, -3.5f, 9.25f, 0xFFFFFFFFu}};
  std::vector<SpriteVertex> list;
  for (const Flake& f : flakes) {
    const float x0 = f.left - std::min({0.0f, f.e1x, f.e2x, f.e1x + f.e2x});
    const float y0 = f.top - std::min({0.0f, f.e1y, f.e2y, f.e1y + f.e2y});
    const SpriteVertex c[4] = {V(x0, y0, f.colour, 0, 0),
                               V(x0 + f.e1x, y0 + f.e1y, f.colour, 1, 0),
                               V(x0 + f.e2x, y0 + f.e2y, f.colour, 0, 1),
                               V(x0 + f.e1x + f.e2x, y0 + f.e1y + f.e2y, f.colour, 1, 1)};
    for (int i : {0, 1, 2, 2, 1, 3}) list.push_back(c[i]);
  }
  auto frame = [&](bool withFlakes) {
    device->BindTexture(nullptr);
    Quad(0, 0, 64, 48, 0xFF305080u);
    device->BindTexture(t);
    if (withFlakes) {
      EXPECT_TRUE(device->DrawPrimitive(PrimitiveType::TriangleList, list.data(),
                                        static_cast<int>(list.size()), error));
    }
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    EXPECT_TRUE(device->ReadPixels(px, w, h, error));
    EXPECT_TRUE(device->Present(error));
    return px;
  };
  const std::vector<uint32_t> backdrop = frame(false), first = frame(true);
  const std::vector<uint32_t> second = frame(true), third = frame(true);
  for (const Flake& f : flakes) {
    int drawn = 0;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        const size_t at =
            static_cast<size_t>(f.top + 4 + y) * 64 + static_cast<size_t>(f.left + 4 + x);
        drawn += first[at] != backdrop[at];
      }
    EXPECT_GT(drawn, 32) << "the flake at " << f.left << "," << f.top;
  }
  for (size_t i = 0; i < first.size(); ++i)
    for (int shift = 0; shift < 24; shift += 8)
      ASSERT_NEAR(static_cast<int>(second[i] >> shift & 0xFF),
                  static_cast<int>(first[i] >> shift & 0xFF), 2)
          << "at " << i % 64 << "," << i / 64;
  EXPECT_EQ(third, second);
  device->DestroyTexture(t);  // its kept pictures go with it
}

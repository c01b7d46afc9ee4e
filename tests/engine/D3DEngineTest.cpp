// The renderer: start-up rules, scenes, present, primitives read back from the software
// back buffer, the error boxes, and textures found by name.
#include "engine/D3DEngine.h"

#include <gtest/gtest.h>

#include "RenderFixture.h"
#include "engine/BaseSprite.h"
#include "engine/RenderStats.h"

namespace {

using rendertest::RenderTest;
using testsupport::WriteFile;

uint8_t Red(uint32_t c) { return static_cast<uint8_t>(c >> 16); }
uint8_t Blue(uint32_t c) { return static_cast<uint8_t>(c); }

class D3DEngineTest : public RenderTest {};

TEST_F(D3DEngineTest, FillRectBlendsHalfRedOverBlackInExactlyTheRectangle) {
  engine.BeginRender();
  engine.FillRect(10, 10, 20, 20, 0x80FF0000u);
  EXPECT_NEAR(Red(Pixel(10, 10)), 128, 2);
  EXPECT_NEAR(Red(Pixel(19, 19)), 128, 2);
  for (auto [x, y] : {std::pair{9, 15}, {20, 15}, {15, 9}, {15, 20}})
    EXPECT_EQ(Pixel(x, y), 0xFF000000u) << x << "," << y;
  // A quarter-white veil over it lightens without hiding.
  engine.FillRect(0, 0, 64, 48, 0x40FFFFFFu);
  EXPECT_NEAR(Blue(Pixel(2, 2)), 64, 2);
}

TEST_F(D3DEngineTest, GradientEdgesTakeTheTwoColours) {
  engine.FillRectHorizontalGradient(0, 0, 40, 10, 0xFFFF0000u, 0xFF0000FFu);
  EXPECT_GT(Red(Pixel(0, 5)), 240);
  EXPECT_LT(Blue(Pixel(0, 5)), 16);
  EXPECT_GT(Blue(Pixel(39, 5)), 240);
  EXPECT_LT(Red(Pixel(39, 5)), 16);
}

TEST_F(D3DEngineTest, OutlinesTouchTheEdgesAndRoundedCornersStayClear) {
  engine.DrawRectOutline(4, 4, 20, 14, 0xFFFFFFFFu);
  for (auto [x, y] : {std::pair{10, 4}, {10, 14}, {4, 9}, {20, 9}, {4, 4}, {20, 14}})
    EXPECT_EQ(Pixel(x, y), 0xFFFFFFFFu) << x << "," << y;
  EXPECT_EQ(Pixel(10, 9), 0xFF000000u);
  engine.DrawRoundedRectOutline(30, 4, 50, 20, 0xFFFFFFFFu);
  for (auto [x, y] : {std::pair{30, 4}, {50, 4}, {30, 20}, {50, 20}})
    EXPECT_EQ(Pixel(x, y), 0xFF000000u) << "corner " << x << "," << y;
  EXPECT_EQ(Pixel(40, 4), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(30, 12), 0xFFFFFFFFu);
}

TEST_F(D3DEngineTest, FullScreenDrawsReallyDraw) {
  engine.FillRect(0, 0, 64, 48, 0xFFFFFFFFu);
  engine.FillScreenBlack();
  EXPECT_EQ(Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(Pixel(63, 47), 0xFF000000u);
  // A sprite exactly covering the screen has every corner on the edge and still draws.
  BaseSprite sprite;
  sprite.width = 64;
  sprite.height = 48;
  sprite.SetPosition(32, 24);
  sprite.SetColourARGB(0xFF00FF00u);
  engine.SetTexture(0, nullptr);
  sprite.Draw();
  EXPECT_EQ(Pixel(32, 24), 0xFF00FF00u);
  EXPECT_EQ(Pixel(0, 47), 0xFF00FF00u);
}

TEST_F(D3DEngineTest, ScenesOpenOncePerFrameAndFlipPresentsOnBlack) {
  engine.BeginRender();
  engine.BeginRender();
  EXPECT_EQ(engine.GetBegunThisFrame(), 1);
  EXPECT_TRUE(g_inScene);
  engine.FillRect(0, 0, 64, 48, 0xFFFFFFFFu);
  engine.EndScene();
  EXPECT_FALSE(g_inScene);
  RenderStats::Instance().Add(RenderStats::kGdiLocks, 2.0f);
  const long frames = engine.GetFramesPresented();
  engine.Flip();
  EXPECT_EQ(engine.GetFramesPresented(), frames + 1);
  EXPECT_EQ(engine.GetBegunThisFrame(), 0);
  EXPECT_EQ(RenderStats::Instance().Get(RenderStats::kGdiLocks), 0.0f);
  EXPECT_EQ(Pixel(30, 30), 0xFF000000u);
}

TEST_F(D3DEngineTest, ReleaseLogsOnceAndThenOnlySaysSo) {
  engine.Flip();
  engine.Release();
  engine.Release();
  EXPECT_EQ(CountInLog("Release D3DEngine\n"), 1);
  EXPECT_EQ(CountInLog("Redundant calls/frame = 0.000000\n"), 1);
  EXPECT_EQ(CountInLog("Engine already released\n"), 1);
  // Without a device every operation is a harmless no-op.
  engine.BeginRender();
  engine.FillRect(0, 0, 10, 10, 0xFFFFFFFFu);
  engine.SetTextureByName("anything.bmp");
  engine.Flip();
  EXPECT_FALSE(g_inScene);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(D3DEngineTest, EachErrorShowsOneBoxAndFocusCodesNever) {
  engine.ReportError(D3DEngine::kErrSurfaceLost, "Flip");
  engine.ReportError(D3DEngine::kErrNoExclusiveMode, "Flip");
  EXPECT_TRUE(boxes.empty());
  engine.ReportError(D3DEngine::kErrDevice, "Fill rect");
  engine.ReportError(D3DEngine::kErrDevice, "Fill rect");
  // A later, different error is not hidden by the first.
  engine.ReportError(D3DEngine::kErrDevice, "SetTexture");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0],
            "D3DEngine Error|Please check publishers website for tech support Details: [Fill rect] ");
  EXPECT_NE(boxes[1].find("[SetTexture]"), std::string::npos);
  EXPECT_EQ(CountInLog("SetTexture\n"), 1);
}

// Start-up on no window: the settings and rules are logged, the device fails cleanly.
class D3DEngineInitTest : public RenderTest {
 protected:
  bool InitWith(const std::string& config, int depth = 32, int skipSafe = 0) {
    WriteFile(dir.Path() / "data/config.muf", "[config]\r\n" + config);
    engine.Release();
    return engine.Init(nullptr, 320, 200, depth, skipSafe, 0);
  }
};

TEST_F(D3DEngineInitTest, NoWindowFailsThroughTheFallbackAndLeavesNoDevice) {
  EXPECT_FALSE(InitWith(""));
  EXPECT_FALSE(engine.IsInitialised());
  EXPECT_EQ(engine.GetWidth(), 320);
  EXPECT_FLOAT_EQ(g_screenHeight, 200.0f);
  const std::string log = LogText();
  EXPECT_NE(log.find("Initialising Direct Draw\nAttempting fullscreen mode\n"
                     "Creating Context at 320 200 32\nD3DXCreateContext failed"),
            std::string::npos);
  EXPECT_NE(log.find("Attempting Fallback Init\nNULL window handle\n"), std::string::npos);
}

TEST_F(D3DEngineInitTest, SettingsSteerTheStart) {
  InitWith("IsWindowed=1\r\nForceFallback=1\r\nUseRGB=1\r\n");
  EXPECT_EQ(CountInLog("Attempting windowed mode"), 1);
  EXPECT_EQ(CountInLog("Using RGB renderer"), 1);
  EXPECT_EQ(CountInLog("Forcing Fallback Init"), 1);
  EXPECT_EQ(CountInLog("D3DXCreateContext failed"), 0);
  InitWith("SafeMode=1\r\n");
  EXPECT_EQ(CountInLog("Forcing to safe mode, fullscreen not stable"), 1);
  EXPECT_EQ(CountInLog("Attempting windowed mode"), 2);
  InitWith("SafeMode=1\r\n", 32, 1);
  EXPECT_EQ(CountInLog("Forcing to safe mode"), 1);
  EXPECT_EQ(CountInLog("Attempting fullscreen mode"), 1);
}

TEST_F(D3DEngineInitTest, DepthRulesForSixteenBitDesktopsAndIntelAdapters) {
  engine.OverrideDisplayInfo(16, "software");
  InitWith("");
  EXPECT_EQ(engine.GetDepth(), 16);
  EXPECT_EQ(CountInLog("Can't use 32 bit color on a 16bit desktop, swapping to 16 bit"), 1);
  engine.OverrideDisplayInfo(32, "Mobile Intel(R) 945");
  InitWith("");
  EXPECT_EQ(engine.GetDepth(), 16);
  EXPECT_EQ(CountInLog("Intel video card detected, forcing to 16 bit mode"), 1);
  InitWith("IgnoreIntel=1\r\n");
  EXPECT_EQ(engine.GetDepth(), 32);
  EXPECT_EQ(CountInLog("Intel video card detected"), 1);
}

TEST_F(D3DEngineInitTest, FoldersAreListedOnceHoweverOftenTheDisplayStarts) {
  std::filesystem::create_directories(dir.Path() / "data/bitmaps/a/.hidden");
  std::filesystem::create_directories(dir.Path() / "data/bitmaps/b");
  std::filesystem::create_directory_symlink(dir.Path() / "data", dir.Path() / "data/bitmaps/b/loop");
  for (int i = 0; i < 2; ++i) {
    InitWith("");
    engine.AddTextureFolder("data/bitmaps");
    engine.AddTextureFolder("data/bitmaps");
  }
  const std::vector<std::string> expected = {"data/bitmaps", "data/bitmaps/a", "data/bitmaps/b",
                                             "data/bitmaps/b/loop"};
  EXPECT_EQ(engine.GetTextureFolders(), expected);
}

// --- Textures ---

class TextureTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    rendertest::WriteBmp24(dir.Path() / "data/bitmaps/Red.bmp", 2, 2,
                           std::vector<uint32_t>(4, 0xFFFF0000u));
    rendertest::WriteBmp24(dir.Path() / "user/Red.bmp", 2, 2, std::vector<uint32_t>(4, 0xFF0000FFu));
    rendertest::WriteBmp24(dir.Path() / "user/sub/green.bmp", 2, 2,
                           std::vector<uint32_t>(4, 0xFF00FF00u));
    engine.AddTextureFolder("data/bitmaps");
    engine.AddTextureFolder("user");
    engine.BeginRender();
    engine.SetPointFiltering();
  }
  // The colour a full-screen quad gets with the texture bound now.
  uint32_t DrawnColour() {
    BaseSprite s;
    s.width = 8;
    s.height = 8;
    s.SetPosition(4, 4);
    s.DrawQuad();
    return Pixel(4, 4);
  }
};

TEST_F(TextureTest, NamesAreExactAndTheDataTreeComesFirst) {
  EXPECT_NE(engine.GetTexture("Red.bmp"), nullptr);
  EXPECT_EQ(engine.GetTextureRecords().front()->fullPath, "data/bitmaps/Red.bmp");
  engine.SetTextureByName("Red.bmp");
  EXPECT_EQ(DrawnColour(), 0xFFFF0000u);
  EXPECT_NE(engine.GetTexture("green.bmp"), nullptr);  // found in a sub-folder
  EXPECT_EQ(engine.GetTexture("red.bmp"), nullptr);    // wrong case
  EXPECT_EQ(engine.GetTexture("Red"), nullptr);        // searched among .bmp, no such name
  EXPECT_EQ(engine.GetTextureRecords().size(), 2u);
}

TEST_F(TextureTest, ABindOfTheBoundNameIsRedundantUntilTheSceneEnds) {
  engine.SetTextureByName("Red.bmp");
  engine.SetTextureByName(std::string("Red.bmp"));
  EXPECT_EQ(engine.GetRedundantCalls(), 1.0f);
  EXPECT_EQ(engine.GetCurrentTextureName(), "Red.bmp");
  engine.EndScene();
  EXPECT_EQ(engine.GetCurrentTextureName(), "");
  engine.SetTextureByName("Red.bmp");
  EXPECT_EQ(engine.GetRedundantCalls(), 1.0f);
  EXPECT_TRUE(g_inScene);  // binding opened the scene
}


TEST_F(TextureTest, TheDeviceSeesOnlyBindsThatChangeTheTexture) {
  plat::RenderDevice& device = *engine.GetDevice();
  const auto before = device.GetBindCounts();
  TexturePtr red = engine.GetTexture("Red.bmp");
  for (int i = 0; i < 3; ++i) engine.SetTextureByName("Red.bmp");
  engine.SetTexture(0, red);  // as a textured sprite binds: by pointer, the same texture
  EXPECT_EQ(engine.GetCurrentTextureName(), "Red.bmp");
  EXPECT_EQ(DrawnColour(), 0xFFFF0000u);
  engine.FillRect(0, 0, 4, 4, 0xFF00FF00u);
  engine.FillRect(4, 4, 8, 8, 0xFF00FF00u);
  EXPECT_EQ(engine.GetCurrentTextureName(), "");
  engine.SetTextureByName("Red.bmp");
  EXPECT_EQ(DrawnColour(), 0xFFFF0000u);
  const auto after = device.GetBindCounts();
  EXPECT_EQ(after.changes - before.changes, 3);  // red, untextured, red again
  EXPECT_EQ(after.repeats - before.repeats, 0);
}
TEST_F(TextureTest, ReleaseMidSceneForgetsTheBindingAndTexturesComeBackByName) {
  engine.SetTextureByName("Red.bmp");
  engine.ReleaseTexturesAndSurfaces();
  EXPECT_TRUE(engine.GetTextureRecords().empty());
  EXPECT_EQ(engine.GetDevice()->BoundTexture(), nullptr);
  engine.FillRect(0, 0, 64, 48, 0xFF000000u);
  engine.SetTextureByName("Red.bmp");  // the same name binds for real, from a new record
  EXPECT_EQ(engine.GetTextureRecords().size(), 1u);
  EXPECT_EQ(DrawnColour(), 0xFFFF0000u);
}

TEST_F(TextureTest, AMissingNameIsSearchedAndReportedOnce) {
  engine.SetTextureByName("Red.bmp");
  for (int i = 0; i < 5; ++i) engine.SetTextureByName("nothere.bmp");
  EXPECT_EQ(engine.GetTexture("nothere.bmp"), nullptr);
  EXPECT_EQ(CountInLog("Failed to locate texture: nothere.bmp\n"), 1);
  EXPECT_EQ(CountInLog("Failed to create texture on demand\n"), 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("[Failed to locate texture: nothere.bmp]"), std::string::npos);
  EXPECT_EQ(DrawnColour(), 0xFFFF0000u);  // the previous binding stays
  // After a release the name is looked for again (the box is still shown only once).
  engine.ReleaseTexturesAndSurfaces();
  engine.SetTextureByName("nothere.bmp");
  EXPECT_EQ(CountInLog("Failed to locate texture: nothere.bmp\n"), 2);
  EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(TextureTest, JpegsAreUprightAndOpaqueGreyscaleIncluded) {
  std::vector<uint32_t> px(16 * 16, 0xFFFFFFFFu);
  for (int i = 8 * 16; i < 16 * 16; ++i) px[static_cast<size_t>(i)] = 0xFF000000u;
  rendertest::WriteJpeg(dir.Path() / "data/bitmaps/half.jpg", 16, 16, px, false);
  rendertest::WriteJpeg(dir.Path() / "data/bitmaps/grey.jpg", 16, 16, px, true);
  for (const char* name : {"half.jpg", "grey.jpg"}) {
    engine.SetTextureByName(name);
    BaseSprite s;
    s.width = 16;
    s.height = 16;
    s.SetPosition(8, 8);
    s.SetColourARGB(0x80FFFFFFu);  // half the diffuse alpha: an opaque texel gives half white
    engine.FillRect(0, 0, 64, 48, 0xFF000000u);
    engine.SetTextureByName(name);
    s.DrawQuad();
    EXPECT_NEAR(Red(Pixel(8, 2)), 128, 4) << name;
    EXPECT_LT(Red(Pixel(8, 13)), 8) << name;
  }
  EXPECT_EQ(CountInLog("Created jpg surface\n"), 2);
}

TEST_F(TextureTest, DdsCarriesItsAlphaAndDxtIsUpright) {
  rendertest::WriteDdsArgb(dir.Path() / "data/bitmaps/glass.dds", 2, 2,
                           std::vector<uint32_t>(4, 0x80FFFFFFu));
  rendertest::WriteDxt1RedOverBlue(dir.Path() / "data/bitmaps/flag.dds");
  engine.SetTextureByName("glass.dds");
  EXPECT_NEAR(Red(DrawnColour()), 128, 3);
  engine.SetTextureByName("flag.dds");
  BaseSprite s;
  s.width = 4;
  s.height = 8;
  s.SetPosition(20, 20);
  s.DrawQuad();
  EXPECT_EQ(Pixel(19, 17), 0xFFFF0000u);
  EXPECT_EQ(Pixel(19, 22), 0xFF0000FFu);
}

TEST_F(TextureTest, LongUserPathsWork) {
  std::string deep = "user";
  while (deep.size() < 200) deep += "/a_rather_long_folder_name";
  rendertest::WriteBmp24(dir.Path() / deep / "deep.bmp", 2, 2, std::vector<uint32_t>(4, 0xFFFFFFFFu));
  engine.AddTextureFolder(deep);
  ASSERT_NE(engine.GetTexture("deep.bmp"), nullptr);
  EXPECT_GT(engine.GetTextureRecords().back()->fullPath.size(), 200u);
}

TEST_F(TextureTest, AnUndecodableFileKeepsAnEmptyRecordAndIsNotSearchedAgain) {
  WriteFile(dir.Path() / "data/bitmaps/broken.bmp", "not a picture");
  EXPECT_EQ(engine.GetTexture("broken.bmp"), nullptr);
  EXPECT_EQ(engine.GetTexture("broken.bmp"), nullptr);
  EXPECT_EQ(engine.GetTextureRecords().size(), 1u);
  EXPECT_EQ(CountInLog("CreateTextureFromFile\n"), 1);
}

}  // namespace

#include "RenderFixture.h"

#include <FreeImage.h>

#include <cstring>
#include <fstream>

#include "engine/DebugLog.h"

namespace rendertest {
namespace {

FIBITMAP* Make(int w, int h, const std::vector<uint32_t>& px, int bpp) {
  FIBITMAP* bmp = FreeImage_Allocate(w, h, bpp);
  for (int y = 0; y < h; ++y) {
    BYTE* row = FreeImage_GetScanLine(bmp, h - 1 - y);
    for (int x = 0; x < w; ++x) {
      const uint32_t c = px[static_cast<size_t>(y * w + x)];
      BYTE* p = row + x * (bpp / 8);
      p[FI_RGBA_BLUE] = static_cast<BYTE>(c);
      p[FI_RGBA_GREEN] = static_cast<BYTE>(c >> 8);
      p[FI_RGBA_RED] = static_cast<BYTE>(c >> 16);
      if (bpp == 32) p[FI_RGBA_ALPHA] = static_cast<BYTE>(c >> 24);
    }
  }
  return bmp;
}

void Put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::string DdsHeader(int w, int h, uint32_t pfFlags, uint32_t fourCC, uint32_t bits,
                      uint32_t linearSize) {
  std::string d = "DDS ";
  Put32(d, 124);
  Put32(d, 0x1007 | (fourCC ? 0x80000u : 0x8u));
  Put32(d, static_cast<uint32_t>(h));
  Put32(d, static_cast<uint32_t>(w));
  Put32(d, linearSize);
  Put32(d, 0);  // depth
  Put32(d, 0);  // mip-maps
  for (int i = 0; i < 11; ++i) Put32(d, 0);
  Put32(d, 32);
  Put32(d, pfFlags);
  Put32(d, fourCC);
  Put32(d, bits);
  Put32(d, bits ? 0x00FF0000u : 0);
  Put32(d, bits ? 0x0000FF00u : 0);
  Put32(d, bits ? 0x000000FFu : 0);
  Put32(d, bits ? 0xFF000000u : 0);
  Put32(d, 0x1000);  // a texture
  for (int i = 0; i < 4; ++i) Put32(d, 0);
  return d;
}

}  // namespace

void WriteBmp24(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px) {
  std::filesystem::create_directories(path.parent_path());
  FIBITMAP* bmp = Make(w, h, px, 24);
  ASSERT_TRUE(FreeImage_Save(FIF_BMP, bmp, path.c_str(), 0));
  FreeImage_Unload(bmp);
}

void WriteJpeg(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px,
               bool greyscale) {
  std::filesystem::create_directories(path.parent_path());
  FIBITMAP* bmp = Make(w, h, px, 24);
  if (greyscale) {
    FIBITMAP* grey = FreeImage_ConvertToGreyscale(bmp);
    FreeImage_Unload(bmp);
    bmp = grey;
    ASSERT_EQ(FreeImage_GetBPP(bmp), 8u);
  }
  ASSERT_TRUE(FreeImage_Save(FIF_JPEG, bmp, path.c_str(), JPEG_QUALITYSUPERB));
  FreeImage_Unload(bmp);
}

void WriteDdsArgb(const std::filesystem::path& path, int w, int h,
                  const std::vector<uint32_t>& px) {
  std::string d = DdsHeader(w, h, 0x41, 0, 32, static_cast<uint32_t>(w * 4));
  for (uint32_t c : px) Put32(d, c);
  testsupport::WriteFile(path, d);
}

void WriteDxt1RedOverBlue(const std::filesystem::path& path) {
  std::string d = DdsHeader(4, 8, 0x4, 0x31545844u /* "DXT1" */, 0, 16);
  // Each block: two 5-6-5 colours and sixteen 2-bit indices.
  Put32(d, 0x001FF800u);  // colour 0 red, colour 1 blue
  Put32(d, 0x00000000u);  // every texel colour 0
  Put32(d, 0x001FF800u);
  Put32(d, 0x55555555u);  // every texel colour 1
  testsupport::WriteFile(path, d);
}

void RenderTest::SetUp() {
  std::filesystem::create_directory(dir.Path() / "debugdata");
  engine.ResetForTesting();
  engine.SetLogPath((dir.Path() / "debugdata/drawdebug.txt").string());
  engine.SetErrorBoxHandler(
      [this](const std::string& title, const std::string& text) { boxes.push_back(title + "|" + text); });
  ASSERT_TRUE(engine.InitOffscreen(64, 48));
}

void RenderTest::TearDown() {
  engine.Release();
  engine.ResetForTesting();
  engine.SetErrorBoxHandler(nullptr);
  engine.SetLogPath(D3DEngine::kLogFile);
  engine.OverrideDisplayInfo(0, "");
}

std::vector<uint32_t> RenderTest::ReadScreen() {
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  std::string error;
  EXPECT_TRUE(engine.GetDevice() && engine.GetDevice()->ReadPixels(px, w, h, error)) << error;
  return px;
}

uint32_t RenderTest::Pixel(int x, int y) {
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  std::string error;
  if (!engine.GetDevice() || !engine.GetDevice()->ReadPixels(px, w, h, error)) return 0xDEADBEEF;
  return px[static_cast<size_t>(y * w + x)];
}

std::string RenderTest::LogText() {
  return testsupport::ReadFile(dir.Path() / "debugdata/drawdebug.txt");
}

int RenderTest::CountInLog(const std::string& text) {
  const std::string log = LogText();
  int n = 0;
  for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++n;
  return n;
}

}  // namespace rendertest

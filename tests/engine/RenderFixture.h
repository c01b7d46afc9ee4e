// A renderer on an off-screen software back buffer, with its log in a temporary folder and
// its error box recorded, plus small image files written for texture tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/D3DEngine.h"
#include "support/TestSupport.h"

namespace rendertest {

// Image files of the formats the game loads. Pixels are ARGB, rows from the top.
void WriteBmp24(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px);
void WriteJpeg(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px,
               bool greyscale);
void WriteDdsArgb(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px);
// A 4 x 8 DXT1 texture: the top block red, the bottom block blue.
void WriteDxt1RedOverBlue(const std::filesystem::path& path);

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  uint32_t Pixel(int x, int y);
  // The whole back buffer, rows from the top.
  std::vector<uint32_t> ReadScreen();
  std::string LogText();
  int CountInLog(const std::string& text);

  testsupport::TempDir dir;
  testsupport::ScopedChdir cd{dir.Path()};
  std::vector<std::string> boxes;
  D3DEngine& engine = D3DEngine::Instance();
};

}  // namespace rendertest

// The shop and the owned-things panel tell the pets apart by their pictures: no two pets may
// share one drawing, whatever colour each is tinted.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The pixels of a 24-bit uncompressed BMP, top row first, as 0xRRGGBB; empty when unreadable.
std::vector<std::vector<uint32_t>> ReadBmp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
  auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24);
  };
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || (b[28] | b[29] << 8) != 24) return {};
  const uint32_t offset = u32(10);
  const auto width = static_cast<int32_t>(u32(18)), height = static_cast<int32_t>(u32(22));
  if (width <= 0 || height == 0) return {};
  const int rows = std::abs(height);
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  if (b.size() < offset + stride * static_cast<size_t>(rows)) return {};
  std::vector<std::vector<uint32_t>> pixels(static_cast<size_t>(rows));
  for (int y = 0; y < rows; ++y) {
    const size_t at = offset + stride * static_cast<size_t>(height > 0 ? rows - 1 - y : y);
    for (int x = 0; x < width; ++x) {
      const size_t p = at + static_cast<size_t>(x) * 3;
      pixels[static_cast<size_t>(y)].push_back(static_cast<uint32_t>(b[p + 2] << 16 | b[p + 1] << 8 | b[p]));
    }
  }
  return pixels;
}

// Where the drawing is: the pixels that stand apart from the tile, whose rows are one shade
// from edge to edge (the row's first pixel).
std::vector<bool> Shape(const std::vector<std::vector<uint32_t>>& pixels) {
  std::vector<bool> shape;
  for (const auto& row : pixels) {
    for (uint32_t p : row) {
      int d = 0;
      for (int c = 0; c < 3; ++c)
        d += std::abs(static_cast<int>(p >> (8 * c) & 0xFF) - static_cast<int>(row[0] >> (8 * c) & 0xFF));
      shape.push_back(d > 40);
    }
  }
  return shape;
}

TEST(PetPicturesTest, EachPetHasADrawingOfItsOwn) {
  const char* pets[] = {"dog", "cat", "fish", "hamster", "parrot"};
  std::vector<std::vector<bool>> shapes;
  for (const char* pet : pets) {
    const auto pixels = ReadBmp(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps/assets/asset_" +
                                pet + ".bmp");
    ASSERT_EQ(pixels.size(), 64u) << pet;
    shapes.push_back(Shape(pixels));
  }
  for (size_t i = 0; i < shapes.size(); ++i) {
    for (size_t j = i + 1; j < shapes.size(); ++j) {
      int either = 0, one = 0;
      for (size_t k = 0; k < shapes[i].size(); ++k) {
        either += shapes[i][k] || shapes[j][k];
        one += shapes[i][k] != shapes[j][k];
      }
      ASSERT_GT(either, 0);
      // Shapes told apart at a glance differ in a good part of what either covers.
      EXPECT_GT(static_cast<double>(one) / either, 0.2) << pets[i] << " and " << pets[j];
    }
  }
}

}  // namespace

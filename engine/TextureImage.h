// Image files decoded for textures: .dds, .bmp and .jpg (and whatever else FreeImage reads),
// as 32-bit ARGB rows from the top.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TextureImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // ARGB, row 0 at the top

  // Decodes the file; `opaque` forces every alpha to 255 (JPEG has no alpha, and a
  // greyscale or CMYK JPEG is converted like any other). False with a reason on failure.
  static bool Load(const std::string& path, bool opaque, TextureImage& out, std::string& error);
};

// Image files decoded for textures: DDS, BMP and JPEG, as 32-bit ARGB rows from the top.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TextureImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // ARGB, row 0 at the top

  // The formats the game's pictures come in. A file in any other is damaged, whatever its
  // name says.
  enum class Format { kNone, kDds, kBmp, kJpeg };
  // No side of a picture the game can use is longer (its largest is 1024 x 768); a header
  // claiming more would have gigabytes allocated for a file of a few bytes.
  static constexpr int kLargestSide = 4096;
  // How many of a file's first bytes the header verdict reads.
  static constexpr size_t kHeaderBytes = 128;

  // What a file's first bytes and its length say of it before anything is decoded.
  struct Header {
    Format format = Format::kNone;
    // The size claimed (DDS and BMP); a JPEG's size is read by its decoder.
    int64_t width = 0, height = 0;
    // Why the file is damaged: another format, a size beyond kLargestSide, or fewer bytes
    // than the header's own size needs. Null when it may be decoded.
    const char* refusal = nullptr;
  };
  static Header HeaderVerdict(const uint8_t* bytes, size_t count, uint64_t fileLength);

  // Decodes the file; `opaque` forces every alpha to 255 (JPEG has no alpha, and a
  // greyscale or CMYK JPEG is converted like any other). False with a reason on failure:
  // a file the header verdict refuses, or a JPEG whose data ends early, is never taken.
  static bool Load(const std::string& path, bool opaque, TextureImage& out, std::string& error);
};

// Decoding through FreeImage. Every source depth is converted to 32 bits first, so a
// greyscale, paletted or CMYK file never has its rows read at the wrong width.
#include "engine/TextureImage.h"

#include <FreeImage.h>

#include <cstring>

#include "platform/Files.h"

bool TextureImage::Load(const std::string& file, bool opaque, TextureImage& out,
                        std::string& error) {
  const std::string path = plat::ResolvePath(file);
  // The contents say what a file is. One whose contents no decoder recognises is damaged (a
  // download cut short, text saved under a picture's name): decoded by its name's format
  // alone, its garbage header was trusted for the picture's size.
  const FREE_IMAGE_FORMAT fif = FreeImage_GetFileType(path.c_str(), 0);
  if (fif == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(fif)) {
    error = "unknown image format";
    return false;
  }
  FIBITMAP* loaded = FreeImage_Load(fif, path.c_str(), 0);
  if (!loaded) {
    error = "cannot decode image";
    return false;
  }
  FIBITMAP* bmp = FreeImage_ConvertTo32Bits(loaded);
  FreeImage_Unload(loaded);
  if (!bmp) {
    error = "cannot convert image to 32 bits";
    return false;
  }
  out.width = static_cast<int>(FreeImage_GetWidth(bmp));
  out.height = static_cast<int>(FreeImage_GetHeight(bmp));
  out.pixels.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height), 0);
  for (int y = 0; y < out.height; ++y) {
    // FreeImage keeps rows bottom-up; 32-bit pixels are B, G, R, A in memory, which is ARGB
    // read as a little-endian word.
    const BYTE* src = FreeImage_GetScanLine(bmp, out.height - 1 - y);
    uint32_t* dst = out.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(out.width);
    for (int x = 0; x < out.width; ++x) {
      const BYTE* p = src + x * 4;
      dst[x] = static_cast<uint32_t>(p[FI_RGBA_BLUE]) |
               static_cast<uint32_t>(p[FI_RGBA_GREEN]) << 8 |
               static_cast<uint32_t>(p[FI_RGBA_RED]) << 16 |
               static_cast<uint32_t>(opaque ? 255 : p[FI_RGBA_ALPHA]) << 24;
    }
  }
  FreeImage_Unload(bmp);
  if (out.width <= 0 || out.height <= 0) {
    error = "empty image";
    return false;
  }
  return true;
}

// Decoding through FreeImage. Every source depth is converted to 32 bits first, so a
// greyscale, paletted or CMYK file never has its rows read at the wrong width.
//
// FreeImage trusts a header: it allocates whatever size it claims (its DDS reader even when
// asked for the header alone), and it takes a DDS or BMP cut short as whole, with its missing
// rows left as they were. So the header is read here first, and the decoder is given only a
// file of a usable size that holds every byte its header promises.
#include "engine/TextureImage.h"

#include <FreeImage.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/Files.h"

namespace {

using Header = TextureImage::Header;
using Format = TextureImage::Format;

uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint32_t U16(const uint8_t* p) { return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8; }

bool Usable(int64_t side) { return side >= 1 && side <= TextureImage::kLargestSide; }

Header Refuse(Header header, const char* why) {
  header.refusal = why;
  return header;
}

constexpr uint32_t FourCC(const char (&code)[5]) {
  return static_cast<uint32_t>(code[0]) | static_cast<uint32_t>(code[1]) << 8 |
         static_cast<uint32_t>(code[2]) << 16 | static_cast<uint32_t>(code[3]) << 24;
}

constexpr uint32_t kDdsPitchGiven = 0x8;  // surface flags
constexpr uint32_t kDdsFourCC = 0x4;      // pixel format flags
constexpr uint32_t kDdsRgb = 0x40;

// As FreeImage reads a DDS: the top level only, straight after the 128-byte header, as rows
// `pitch` apart or as DXT1/3/5 blocks, of which it takes whole ones only.
Header Dds(const uint8_t* b, size_t count, uint64_t length) {
  Header h{Format::kDds, 0, 0, "damaged DDS header"};
  if (count < 128 || U32(b + 4) != 124 || U32(b + 76) != 32) return h;
  h.height = U32(b + 12);
  h.width = U32(b + 16);
  if (!Usable(h.width) || !Usable(h.height)) return Refuse(h, "image size out of range");
  const uint64_t width = static_cast<uint64_t>(h.width), height = static_cast<uint64_t>(h.height);
  const uint32_t flags = U32(b + 80);
  uint64_t needed = 128;
  if (flags & kDdsRgb) {
    const uint32_t bits = U32(b + 88);
    if (bits != 24 && bits != 32) return Refuse(h, "unsupported DDS format");
    const uint64_t line = width * bits / 8;
    const uint64_t pitch = (U32(b + 8) & kDdsPitchGiven) ? U32(b + 20) : line;
    if (pitch < line || pitch > TextureImage::kLargestSide * 4u) return h;
    needed += pitch * (height - 1) + line;
  } else if (flags & kDdsFourCC) {
    const uint32_t code = U32(b + 84);
    const uint64_t block = code == FourCC("DXT1")                             ? 8
                           : code == FourCC("DXT3") || code == FourCC("DXT5") ? 16
                                                                              : 0;
    if (block == 0) return Refuse(h, "unsupported DDS format");
    if (width < 4 || height < 4) return Refuse(h, "image smaller than a block");
    needed += width / 4 * (height / 4) * block;
  } else {
    return Refuse(h, "unsupported DDS format");
  }
  h.refusal = needed > length ? "image cut short" : nullptr;
  return h;
}

// A Windows or OS/2 bitmap of rows padded to 4 bytes from the data offset. Run-length coded
// ones are refused: the game's bitmaps are plain rows, and coded data has no length to check.
Header Bmp(const uint8_t* b, size_t count, uint64_t length) {
  Header h{Format::kBmp, 0, 0, "damaged BMP header"};
  if (count < 18) return h;
  const uint32_t info = U32(b + 14);
  uint32_t bits = 0, compression = 0;
  if (info == 12 && count >= 26) {
    h.width = U16(b + 18);
    h.height = U16(b + 20);
    bits = U16(b + 24);
  } else if (info >= 40 && count >= 34) {
    h.width = static_cast<int32_t>(U32(b + 18));
    h.height = static_cast<int32_t>(U32(b + 22));  // below 0 for rows from the top
    if (h.height < 0) h.height = -h.height;
    bits = U16(b + 28);
    compression = U32(b + 30);
  } else {
    return h;
  }
  if (!Usable(h.width) || !Usable(h.height)) return Refuse(h, "image size out of range");
  constexpr uint32_t kBitFields = 3, kAlphaBitFields = 6;
  const bool rows = compression == 0 ||
                    (bits >= 16 && (compression == kBitFields || compression == kAlphaBitFields));
  if ((bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) || !rows)
    return Refuse(h, "unsupported BMP format");
  const uint64_t pitch = (static_cast<uint64_t>(h.width) * bits + 31) / 32 * 4;
  const uint64_t needed = U32(b + 10) + pitch * static_cast<uint64_t>(h.height);
  h.refusal = needed > length ? "image cut short" : nullptr;
  return h;
}

// FreeImage reads through the one handle the header was read from, so the file judged is
// the file decoded.
unsigned Read(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  return static_cast<unsigned>(std::fread(buffer, size, count, static_cast<FILE*>(handle)));
}
unsigned Write(void*, unsigned, unsigned, fi_handle) { return 0; }
int Seek(fi_handle handle, long offset, int origin) {
  return std::fseek(static_cast<FILE*>(handle), offset, origin);
}
long Tell(fi_handle handle) { return std::ftell(static_cast<FILE*>(handle)); }

// libjpeg's one sign of a file cut short: it pads the missing data, warns, and succeeds.
bool g_jpegCutShort = false;
void NoteMessage(FREE_IMAGE_FORMAT fif, const char* message) {
  if (fif == FIF_JPEG && message && std::strcmp(message, "Premature end of JPEG file") == 0)
    g_jpegCutShort = true;
}

}  // namespace

TextureImage::Header TextureImage::HeaderVerdict(const uint8_t* bytes, size_t count,
                                                 uint64_t fileLength) {
  if (count >= 4 && std::memcmp(bytes, "DDS ", 4) == 0) return Dds(bytes, count, fileLength);
  if (count >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return Bmp(bytes, count, fileLength);
  if (count >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
    return Header{Format::kJpeg, 0, 0, nullptr};
  return Header{Format::kNone, 0, 0, "unknown image format"};
}

bool TextureImage::Load(const std::string& file, bool opaque, TextureImage& out,
                        std::string& error) {
  const std::unique_ptr<FILE, int (*)(FILE*)> handle(plat::OpenFile(plat::ResolvePath(file), "rb"),
                                                     &std::fclose);
  FILE* f = handle.get();
  if (!f) {
    error = "cannot open image";
    return false;
  }
  uint8_t bytes[kHeaderBytes];
  const size_t count = std::fread(bytes, 1, sizeof bytes, f);
  const long length = std::fseek(f, 0, SEEK_END) == 0 ? std::ftell(f) : -1;
  // The contents say what a file is. One whose contents no decoder recognises is damaged (a
  // download cut short, text saved under a picture's name): decoded by its name's format
  // alone, its garbage header was trusted for the picture's size.
  const Header header = HeaderVerdict(bytes, count, length < 0 ? 0 : static_cast<uint64_t>(length));
  if (header.refusal || std::fseek(f, 0, SEEK_SET) != 0) {
    error = header.refusal ? header.refusal : "cannot read image";
    return false;
  }
  FreeImageIO io{&Read, &Write, &Seek, &Tell};
  const FREE_IMAGE_FORMAT fif = header.format == Format::kDds   ? FIF_DDS
                                : header.format == Format::kBmp ? FIF_BMP
                                                                : FIF_JPEG;
  if (fif == FIF_JPEG) {  // its size lies past markers of any length: its decoder finds it
    FIBITMAP* claimed = FreeImage_LoadFromHandle(FIF_JPEG, &io, f, FIF_LOAD_NOPIXELS);
    const bool read = claimed != nullptr;
    const bool usable =
        read && Usable(FreeImage_GetWidth(claimed)) && Usable(FreeImage_GetHeight(claimed));
    if (read) FreeImage_Unload(claimed);
    if (!usable || std::fseek(f, 0, SEEK_SET) != 0) {
      error = read ? "image size out of range" : "cannot decode image";
      return false;
    }
  }
  g_jpegCutShort = false;
  FreeImage_SetOutputMessage(&NoteMessage);
  FIBITMAP* loaded = FreeImage_LoadFromHandle(fif, &io, f, 0);
  FreeImage_SetOutputMessage(nullptr);
  if (loaded && g_jpegCutShort) {
    FreeImage_Unload(loaded);
    error = "image cut short";
    return false;
  }
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

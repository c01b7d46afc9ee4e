// A picture file of any bytes, as a download or the player's own folder may hold one. The
// header verdict never lets through a size the game cannot use; a picture it lets through
// decodes to at most that size, every pixel there, or fails; one it refuses is never decoded
// here (a size it should have refused would be decoded in full, and the replay of the kept
// inputs is an ordinary test with no memory or time limit).
#include <string>

#include "FuzzSupport.h"
#include "engine/TextureImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const TextureImage::Header header = TextureImage::HeaderVerdict(
      data, size < TextureImage::kHeaderBytes ? size : TextureImage::kHeaderBytes, size);
  const auto usable = [](int64_t side) { return side >= 1 && side <= TextureImage::kLargestSide; };
  if (header.refusal) return 0;
  FUZZ_CHECK(header.format != TextureImage::Format::kNone);
  if (header.format != TextureImage::Format::kJpeg)
    FUZZ_CHECK(usable(header.width) && usable(header.height));

  const std::string path = fuzz::WriteInput("picture", data, size);
  TextureImage image;
  std::string error;
  if (!TextureImage::Load(path, true, image, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  FUZZ_CHECK(usable(image.width) && usable(image.height));
  if (header.format != TextureImage::Format::kJpeg)  // a DDS drops partial 4 x 4 blocks
    FUZZ_CHECK(image.width <= header.width && image.height <= header.height);
  FUZZ_CHECK(image.pixels.size() == static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
  for (const uint32_t pixel : image.pixels) FUZZ_CHECK(pixel >> 24 == 255);
  return 0;
}

// Pictures from outside the game (downloads, the player's own folder): a header is judged
// before anything is decoded. No test here decodes a header that lies about its size: were
// the judgement lost, that decoding would take gigabytes and never end.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "engine/TextureImage.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

const fs::path kBitmaps = fs::path(TOVEL_SOURCE_DIR) / "data/bitmaps";

TextureImage::Header Verdict(const std::string& head, uint64_t fileLength) {
  return TextureImage::HeaderVerdict(reinterpret_cast<const uint8_t*>(head.data()), head.size(),
                                     fileLength);
}

std::string Head(const fs::path& file) {
  return testsupport::ReadFile(file).substr(0, TextureImage::kHeaderBytes);
}

// The first 128 bytes of a DXT-compressed DDS of that size.
std::string DxtHeader(uint32_t width, uint32_t height, const char* fourCC) {
  std::string head = "DDS " + std::string(TextureImage::kHeaderBytes - 4, '\0');
  for (const auto& [at, value] : {std::pair<size_t, uint32_t>{4, 124}, {12, height}, {16, width},
                                  {76, 32}, {80, 0x4}})  // 0x4: a four-character code follows
    for (size_t i = 0; i < 4; ++i) head[at + i] = static_cast<char>(value >> (8 * i));
  return head.replace(84, 4, fourCC);
}

TEST(TextureImageTest, AHeaderIsTakenOnlyForAUsableSizeAndEveryByteItPromises) {
  int shipped = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kBitmaps)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".dds" && ext != ".bmp" && ext != ".jpg") continue;
    EXPECT_EQ(Verdict(Head(entry.path()), fs::file_size(entry.path())).refusal, nullptr)
        << entry.path();
    ++shipped;
  }
  EXPECT_GT(shipped, 400);

  // A header that claims more than the game could use, whatever the file's length: 60000 x
  // 60000 in 1,128 bytes. And a file in a format the game does not ship, whatever its name.
  EXPECT_STREQ(Verdict(DxtHeader(60000, 60000, "DXT5"), 1128).refusal, "image size out of range");
  EXPECT_STREQ(Verdict("\x89PNG\r\n\x1a\n", 5000).refusal, "unknown image format");

  // Fewer bytes than the header promises: a DXT1 1024 x 1024 with 100 bytes of data, a
  // shipped avatar cut to its first 60,000 bytes, a bitmap without its last rows.
  EXPECT_STREQ(Verdict(DxtHeader(1024, 1024, "DXT1"), 228).refusal, "image cut short");
  EXPECT_STREQ(Verdict(Head(kBitmaps / "avatars/m_alex.dds"), 60000).refusal, "image cut short");
  const uint64_t progbar = fs::file_size(kBitmaps / "room/progbar.bmp");
  EXPECT_STREQ(Verdict(Head(kBitmaps / "room/progbar.bmp"), progbar / 2).refusal,
               "image cut short");
}

// A JPEG's data length is not in its header: one cut short is known by its decoder's warning.
TEST(TextureImageTest, AJpegCutShortIsDamaged) {
  testsupport::TempDir dir;
  const std::string whole = testsupport::ReadFile(kBitmaps / "room/composite_sun.jpg");
  testsupport::WriteFile(dir.Path() / "cut.jpg", whole.substr(0, whole.size() / 2));
  TextureImage image;
  std::string error;
  EXPECT_TRUE(TextureImage::Load((kBitmaps / "room/composite_sun.jpg").string(), true, image, error))
      << error;
  EXPECT_FALSE(TextureImage::Load((dir.Path() / "cut.jpg").string(), true, image, error));
  EXPECT_EQ(error, "image cut short");
}

}  // namespace

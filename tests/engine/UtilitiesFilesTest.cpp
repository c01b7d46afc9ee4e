// Files, folders, geometry, number text, key mapping and the string helpers.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/Utilities.h"
#include "platform/System.h"
#include "support/TestSupport.h"

using testsupport::ScopedChdir;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

// How far apart two compass directions are, ignoring whole turns.
double AngleGap(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360.0 - d);
}

TEST(UtilitiesFilesTest, FileExistsOnlyForFiles) {
  TempDir dir;
  ScopedChdir cd{dir.Path()};
  WriteFile(dir.Path() / "Save.XML", "x");
  std::filesystem::create_directories(dir.Path() / "folder");
  EXPECT_TRUE(FileExists("Save.XML"));
  EXPECT_TRUE(FileExists("save.xml"));
  EXPECT_FALSE(FileExists("folder"));
  EXPECT_FALSE(FileExists("nothing.txt"));
  EXPECT_FALSE(FileExists(""));
}

TEST(UtilitiesFilesTest, UniqueFileNameSkipsTakenNames) {
  TempDir dir;
  ScopedChdir cd{dir.Path()};
  EXPECT_EQ(MakeUniqueFileName("shot", "png"), "shot.png");
  WriteFile(dir.Path() / "shot.png", "x");
  WriteFile(dir.Path() / "shot(1).png", "x");
  EXPECT_EQ(MakeUniqueFileName("shot", "png"), "shot(2).png");
  // A folder by that name is not a file, so the name is free.
  std::filesystem::create_directories(dir.Path() / "dir.txt");
  EXPECT_EQ(MakeUniqueFileName("dir", "txt"), "dir.txt");
}

TEST(UtilitiesFilesTest, FileListsMatchIgnoringCaseInSortedOrder) {
  TempDir dir;
  ScopedChdir cd{dir.Path()};
  std::filesystem::create_directories(dir.Path() / "Music");
  for (const char* name : {"b.ogg", "A.OGG", "c.Ogg", "notes.txt"}) WriteFile(dir.Path() / "Music" / name, "x");
  std::filesystem::create_directories(dir.Path() / "Music" / "z.ogg");
  std::filesystem::create_directories(dir.Path() / "Music" / "Sub");
  std::filesystem::create_directories(dir.Path() / "Music" / ".hidden");

  FileList list;
  list.prefix = "data/";
  list.AddFiles("music\\*.ogg");
  EXPECT_EQ(list.files, (std::vector<std::string>{"data/A.OGG", "data/b.ogg", "data/c.Ogg", "data/z.ogg"}));
  list.Clear();
  EXPECT_TRUE(list.files.empty());
  list.prefix.clear();
  list.AddFolders("Music/*");
  EXPECT_EQ(list.files, (std::vector<std::string>{"Sub", "z.ogg"}));
  list.AddFiles("music/*.wav");
  EXPECT_EQ(list.files.size(), 2u);
}

TEST(UtilitiesFilesTest, ShellOpenPassesTheTargetOn) {
  std::vector<std::string> opened;
  plat::SetShellOpenHandler([&](const std::string& t) { opened.push_back(t); });
  ShellOpen("https://example.org/page?a=1&b=2");
  plat::SetShellOpenHandler(nullptr);
  EXPECT_EQ(opened, (std::vector<std::string>{"https://example.org/page?a=1&b=2"}));
}

TEST(UtilitiesFilesTest, Geometry) {
  EXPECT_FLOAT_EQ(PointDistance(1, 1, 4, 5), 5.0f);
  EXPECT_FLOAT_EQ(PointDistance(2, 2, 2, 2), 0.0f);
  // Screen coordinates, y down: up 0, right 90, down 180, left 270.
  EXPECT_LT(AngleGap(AngleBetweenPoints(0, 0, 0, -10), 0.0), 1e-3);
  for (float x : {-7.0f, 0.0f, 3.0f})
    for (float y : {-2.0f, 0.0f, 9.0f}) {
      const float a = AngleBetweenPoints(0, 0, x, y);
      EXPECT_GE(a, 0.0f);
      EXPECT_LE(a, 360.0f);
    }
  EXPECT_LT(AngleGap(AngleBetweenPoints(0, 0, 10, 0), 90.0), 1e-3);
  EXPECT_LT(AngleGap(AngleBetweenPoints(0, 0, 0, 10), 180.0), 1e-3);
  EXPECT_LT(AngleGap(AngleBetweenPoints(0, 0, -10, 0), 270.0), 1e-3);
  EXPECT_LT(AngleGap(AngleBetweenPoints(5, 5, 6, 4), 45.0), 1e-3);
  EXPECT_LT(AngleGap(AngleBetweenPoints(5, 5, 6, 6), 135.0), 1e-3);
  EXPECT_LT(AngleGap(AngleBetweenPoints(5, 5, 4, 6), 225.0), 1e-3);
  EXPECT_LT(AngleGap(AngleBetweenPoints(5, 5, 4, 4), 315.0), 1e-3);
}

TEST(UtilitiesFilesTest, ThousandsSeparators) {
  EXPECT_EQ(FormatThousands(0), "0");
  EXPECT_EQ(FormatThousands(999), "999");
  EXPECT_EQ(FormatThousands(1000), "1,000");
  EXPECT_EQ(FormatThousands(123456), "123,456");
  EXPECT_EQ(FormatThousands(1000000), "1,000,000");
  EXPECT_EQ(FormatThousands(-1234), "-1,234");
  EXPECT_EQ(FormatThousands(-999), "-999");
  EXPECT_EQ(FormatThousands(INT_MAX), "2,147,483,647");
  EXPECT_EQ(FormatThousands(INT_MIN), "-2,147,483,648");

  std::string text = "You owe $<CASH> and $<CASH>";
  EXPECT_TRUE(ReplaceTagWithNumber(text, "<CASH>", -25000));
  EXPECT_EQ(text, "You owe $-25,000 and $<CASH>");
  EXPECT_FALSE(ReplaceTagWithNumber(text, "<NONE>", 1));
}

TEST(UtilitiesFilesTest, ScanCodes) {
  EXPECT_EQ(ScanCodeToChar(30), 'a');
  EXPECT_EQ(ScanCodeToChar(42), 0);
  EXPECT_EQ(ScanCodeToChar(2), '1');
  EXPECT_EQ(ScanCodeToChar(10), '9');
  EXPECT_EQ(ScanCodeToChar(11), '0');
  EXPECT_EQ(ScanCodeToChar(12), '-');
  EXPECT_EQ(ScanCodeToChar(16), 'q');
  EXPECT_EQ(ScanCodeToChar(25), 'p');
  EXPECT_EQ(ScanCodeToChar(38), 'l');
  EXPECT_EQ(ScanCodeToChar(40), '\'');
  EXPECT_EQ(ScanCodeToChar(44), 'z');
  EXPECT_EQ(ScanCodeToChar(50), 'm');
  EXPECT_EQ(ScanCodeToChar(51), ',');
  EXPECT_EQ(ScanCodeToChar(52), '.');
  EXPECT_EQ(ScanCodeToChar(57), ' ');
  for (int code : {-1, 0, 1, 13, 15, 26, 29, 39, 41, 43, 53, 56, 58, 255}) EXPECT_EQ(ScanCodeToChar(code), 0) << code;
}

TEST(UtilitiesFilesTest, CaseHelpersConvertAnyLength) {
  EXPECT_EQ(ToLowerString("MiXeD 12!"), "mixed 12!");
  EXPECT_EQ(ToUpperString("MiXeD 12!"), "MIXED 12!");
  EXPECT_EQ(ToLowerString(std::string(2000, 'A')), std::string(2000, 'a'));
  EXPECT_EQ(ToUpperString(std::string(1024, 'b')), std::string(1024, 'B'));
  EXPECT_EQ(ToLowerString("\xC9t\xC9"), "\xC9t\xC9");  // only ASCII letters change
}

TEST(UtilitiesFilesTest, Ellipses) {
  EXPECT_EQ(TruncateWithEllipsis("garden", 3), "gar...");
  EXPECT_EQ(TruncateWithEllipsis("garden", 6), "garden");
  EXPECT_EQ(TruncateWithEllipsis("garden", 0), "...");
  EXPECT_EQ(TruncateWithEllipsis("garden", -2), "...");

  EXPECT_STREQ(EllipsizeString("a long name", 6), "a l...");
  EXPECT_STREQ(EllipsizeString("short", 6), "short");
  EXPECT_STREQ(EllipsizeString("garden", 3), "...");
  EXPECT_STREQ(EllipsizeString("garden", 2), "ga");
  EXPECT_STREQ(EllipsizeString("garden", 0), "");
  EXPECT_STREQ(EllipsizeString("garden", -1), "");
  const std::string longText(5000, 'x');
  EXPECT_EQ(std::strlen(EllipsizeString(longText, 4000)), 4000u);
}

TEST(UtilitiesFilesTest, KeyValueLines) {
  std::string key, value;
  EXPECT_FALSE(ParseKeyValueLine("no equals here\n", key, value));
  EXPECT_TRUE(ParseKeyValueLine("volume=   0.8  \r\n", key, value));
  EXPECT_EQ(key, "volume");
  EXPECT_EQ(value, "0.8");
  EXPECT_TRUE(ParseKeyValueLine("name =a=b", key, value));
  EXPECT_EQ(key, "name ");
  EXPECT_EQ(value, "a=b");
  EXPECT_TRUE(ParseKeyValueLine("empty=", key, value));
  EXPECT_EQ(value, "");
}

TEST(UtilitiesFilesTest, ReplaceSubstringNeverOverflows) {
  std::string text = "Dear <NAME>, hello <NAME>";
  EXPECT_EQ(ReplaceSubstring(text, "<NAME>", "Bo"), 1);
  EXPECT_EQ(text, "Dear Bo, hello <NAME>");
  EXPECT_EQ(ReplaceSubstring(text, "<X>", "y"), 0);
  EXPECT_EQ(ReplaceSubstring(text, "", "y"), 0);
  EXPECT_EQ(text, "Dear Bo, hello <NAME>");

  char buffer[16] = "Hi <N>!";
  EXPECT_EQ(ReplaceSubstring(buffer, sizeof buffer, "<N>", "Al"), 1);
  EXPECT_STREQ(buffer, "Hi Al!");
  // A replacement that does not fit is cut at the buffer's end, guarded by a canary.
  struct {
    char text[16];
    char canary[8];
  } guarded{};
  std::strcpy(guarded.text, "Hi <N>!");
  std::memcpy(guarded.canary, "CANARY!", 8);
  EXPECT_EQ(ReplaceSubstring(guarded.text, sizeof guarded.text, "<N>", "Bartholomew the Great"), 1);
  EXPECT_EQ(std::string(guarded.text), "Hi Bartholomew ");
  EXPECT_STREQ(guarded.canary, "CANARY!");
  EXPECT_EQ(ReplaceSubstring(guarded.text, sizeof guarded.text, "<N>", "x"), 0);
}

}  // namespace

// Ini reading and in-place writing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Profile.h"
#include "support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class ProfileTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string File(const char* name = "settings.ini") const { return (dir.Path() / name).string(); }
};

TEST_F(ProfileTest, SectionLinesComeBackRawWithoutLineEndings) {
  WriteFile(File(), "[Other]\r\na=1\r\n[Pref]\r\nkey = 12\r\n\r\n; note\r\n  spaced=x\r\n[next]\r\nb=2\r\n");
  const auto lines = plat::ReadProfileSection("pref", File());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "key = 12");
  EXPECT_EQ(lines[1], "  spaced=x");
}

// A header counts wherever it stands on its line and ends the section before it; a lone
// carriage return stays in its line; the last line needs no ending; a section's name met a
// second time is never read.
TEST_F(ProfileTest, HeadersAnywhereOnTheirLineAndALastLineWithoutAnEnding) {
  WriteFile(File(),
            "a=0\n  [ Pref ] note\n\t\nx=1\rstill x\n ;comment\ny=2\n\t[other]\nz=3\n[pref]\nw=4");
  EXPECT_EQ(plat::ReadProfileSection("pref", File()),
            (std::vector<std::string>{"x=1\rstill x", "y=2"}));
  EXPECT_EQ(plat::ReadProfileSection("OTHER", File()), std::vector<std::string>{"z=3"});
  WriteFile(File(), "[pref]\nx=1\nlast=9");
  EXPECT_EQ(plat::ReadProfileSection("pref", File()), (std::vector<std::string>{"x=1", "last=9"}));
}

TEST_F(ProfileTest, MissingFileOrSectionGivesNothingAndDefaults) {
  EXPECT_TRUE(plat::ReadProfileSection("pref", File("absent.ini")).empty());
  WriteFile(File(), "[pref]\nA=1\n");
  EXPECT_TRUE(plat::ReadProfileSection("config", File()).empty());
  EXPECT_EQ(plat::ReadProfileString("config", "A", "dflt", File()), "dflt");
  EXPECT_EQ(plat::ReadProfileString("PREF", "a", "dflt", File()), "1");
}

TEST_F(ProfileTest, ValuesAreTrimmedAndUnquoted) {
  WriteFile(File(), "[s]\nname =  \"Ann Lee\"  \nempty=\n");
  EXPECT_EQ(plat::ReadProfileString("s", "NAME", "", File()), "Ann Lee");
  EXPECT_EQ(plat::ReadProfileString("s", "empty", "dflt", File()), "");
}

TEST_F(ProfileTest, WriteReplacesInPlaceAndKeepsEveryOtherByte) {
  const std::string before = "; top comment\r\n[pref]\r\nSCREEN_WIDTH=1024\r\n[config]\r\nisWindowed = 1\r\nSafeMode=0\r\n";
  WriteFile(File(), before);
  ASSERT_TRUE(plat::WriteProfileString("CONFIG", "IsWindowed", "0", File()));
  EXPECT_EQ(ReadFile(File()),
            "; top comment\r\n[pref]\r\nSCREEN_WIDTH=1024\r\n[config]\r\nIsWindowed=0\r\nSafeMode=0\r\n");
}

TEST_F(ProfileTest, NewKeyGoesAfterTheSectionsLastEntry) {
  WriteFile(File(), "[a]\nx=1\n\n[b]\ny=2\n");
  ASSERT_TRUE(plat::WriteProfileString("a", "z", "3", File()));
  EXPECT_EQ(ReadFile(File()), "[a]\nx=1\nz=3\n\n[b]\ny=2\n");
}

TEST_F(ProfileTest, NewSectionIsAppendedAndMissingFileCreated) {
  WriteFile(File(), "[a]\nx=1");  // no final newline
  ASSERT_TRUE(plat::WriteProfileString("b", "k", "v", File()));
  EXPECT_EQ(ReadFile(File()), "[a]\nx=1\n[b]\nk=v\n");

  ASSERT_TRUE(plat::WriteProfileString("config", "IsWindowed", "1", File("new.ini")));
  EXPECT_EQ(plat::ReadProfileString("config", "IsWindowed", "", File("new.ini")), "1");
}

TEST_F(ProfileTest, WriteIntoUnwritableFolderFails) {
  EXPECT_FALSE(plat::WriteProfileString("a", "b", "c", (dir.Path() / "no/such/dir/x.ini").string()));
}

TEST_F(ProfileTest, LargeSectionsAreReadWhole) {
  std::string text = "[strings]\n";
  for (int i = 0; i < 6000; ++i) text += "KEY_" + std::to_string(i) + "=" + std::string(30, 'x') + "\n";
  ASSERT_GT(text.size(), 128000u);
  WriteFile(File(), text);
  const auto lines = plat::ReadProfileSection("strings", File());
  ASSERT_EQ(lines.size(), 6000u);
  EXPECT_EQ(lines.back().substr(0, 10), "KEY_5999=x");
}

}  // namespace

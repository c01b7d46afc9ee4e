// Loading ini sections: trimming, comments, escapes, pair walking and the small helpers.
#include <gtest/gtest.h>

#include "engine/ConfigFile.h"
#include "support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class ConfigFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string file = (dir.Path() / "test.ini").string();
};

TEST_F(ConfigFileTest, KeysLoseTrailingBlanksAndValuesKeepLeadingOnes) {
  WriteFile(file, "[s]\r\nkey = 12\r\n");
  ConfigFile c;
  c.LoadSection("s", file);
  ASSERT_EQ(c.GetEntries().size(), 1u);
  EXPECT_EQ(c.GetEntries()[0].key, "key");
  EXPECT_STREQ(c.GetValue("key"), " 12");
  EXPECT_EQ(c.GetInt("key"), 12);
  EXPECT_FLOAT_EQ(c.GetFloat("key", 1.0f), 12.0f);
}

TEST_F(ConfigFileTest, CommentsEscapesAndQuotes) {
  WriteFile(file,
            "[s]\n// a comment=1\n/skipped too\nesc=a\\=b\nplain=a=b\nquoted=\"hello\"\n"
            "keptquote=say \\\"hi\\\"\n");
  ConfigFile c;
  c.LoadSection("s", file);
  EXPECT_FALSE(c.HasKey("// a comment"));
  EXPECT_EQ(c.GetEntries().size(), 4u);
  EXPECT_STREQ(c.GetValue("esc"), "a=b");
  EXPECT_STREQ(c.GetValue("plain"), "ab");
  EXPECT_STREQ(c.GetValue("quoted"), "hello");
  EXPECT_STREQ(c.GetValue("keptquote"), "say \"hi\"");
}

TEST_F(ConfigFileTest, LookupsAreExactAndTheFirstDuplicateWins) {
  WriteFile(file, "[s]\nA=first\nA=second\n");
  ConfigFile c;
  c.LoadSection("s", file);
  EXPECT_STREQ(c.GetValue("A"), "first");
  EXPECT_STREQ(c.GetValue("a"), "");
  EXPECT_FALSE(c.HasKey("a"));
}

TEST_F(ConfigFileTest, MissingFileGivesEmptyValuesAndDefaults) {
  ConfigFile c;
  c.LoadSection("pref", (dir.Path() / "absent.ini").string());
  EXPECT_TRUE(c.GetEntries().empty());
  EXPECT_STREQ(c.GetValue("SCREEN_WIDTH"), "");
  EXPECT_EQ(c.GetInt("SCREEN_WIDTH"), 0);
  EXPECT_FLOAT_EQ(c.GetFloat("x", 2.5f), 2.5f);
  std::string k = "x", v = "y";
  EXPECT_FALSE(c.ReadNextPair(k, 64, v, 64));
  EXPECT_TRUE(k.empty() && v.empty());
}

TEST_F(ConfigFileTest, ReadNextPairNeverSwallowsTheNextLine) {
  // A line without '=' once took the next line's name with it, losing that variable.
  WriteFile(file, "[config]\nnot a pair\nSLEEP_DURATION =10\nGV_X=1.5 \n");
  ConfigFile c;
  c.LoadSection("config", file);
  std::string key, value;
  ASSERT_TRUE(c.ReadNextPair(key, 1024, value, 31));
  EXPECT_EQ(key, "not a pair");
  EXPECT_EQ(value, "");
  ASSERT_TRUE(c.ReadNextPair(key, 1024, value, 31));
  EXPECT_EQ(key, "SLEEP_DURATION");
  EXPECT_EQ(value, "10");
  ASSERT_TRUE(c.ReadNextPair(key, 4, value, 3));
  EXPECT_EQ(key, "GV_");
  EXPECT_EQ(value, "1.");
  EXPECT_FALSE(c.ReadNextPair(key, 1024, value, 31));
}

TEST_F(ConfigFileTest, AZeroByteInsideALineNeverMakesAnotherPair) {
  // Found by fuzzing: the walk ends lines at zero bytes, so "A=1<zero>B=2" gave a hidden
  // second pair B=2 (and more pairs than the section has lines).
  WriteFile(file, std::string("[config]\nA=1\0B=2\nC=3\n", 21));
  ConfigFile c;
  c.LoadSection("config", file);
  std::string key, value;
  ASSERT_TRUE(c.ReadNextPair(key, 64, value, 64));
  EXPECT_EQ(key, "A");
  EXPECT_EQ(value, "1");
  ASSERT_TRUE(c.ReadNextPair(key, 64, value, 64));
  EXPECT_EQ(key, "C");
  EXPECT_EQ(value, "3");
  EXPECT_FALSE(c.ReadNextPair(key, 64, value, 64));
}

TEST_F(ConfigFileTest, LongKeysAndValuesAreCut) {
  WriteFile(file, "[s]\n" + std::string(300, 'k') + "=" + std::string(3000, 'v') + "\n");
  ConfigFile c;
  c.LoadSection("s", file);
  ASSERT_EQ(c.GetEntries().size(), 1u);
  EXPECT_EQ(c.GetEntries()[0].key.size(), 255u);
  EXPECT_EQ(c.GetEntries()[0].value.size(), 2047u);
}

TEST_F(ConfigFileTest, SetFloatAndSaveWriteWithAPoint) {
  WriteFile(file, "[vol]\nmusic=1\nfx=2\n");
  ConfigFile c;
  c.LoadSection("vol", file);
  c.SetFloat("music", 0.256f);
  const std::string out = (dir.Path() / "out.ini").string();
  c.Save(out);
  EXPECT_EQ(ReadFile(out), "[vol]\nmusic = 0.26\nfx = 2\n");
}

TEST_F(ConfigFileTest, ProfileHelpers) {
  WriteFile(file, "[colours]\nred=255,0,0,128\n[nums]\nf= 2.75 \nempty=\n");
  EXPECT_EQ(ReadProfileColour("colours", "red", file), 0x80FF0000u);
  EXPECT_EQ(ReadProfileColour("colours", "absent", file), 0u);
  EXPECT_FLOAT_EQ(ReadProfileFloat("nums", "f", 1.0f, file), 2.75f);
  EXPECT_FLOAT_EQ(ReadProfileFloat("nums", "empty", 1.0f, file), 1.0f);
  EXPECT_TRUE(WriteProfileInt("nums", "i", -7, file));
  EXPECT_TRUE(WriteProfileFloat("nums", "g", 0.5f, file));
  // A write that cannot be made says so.
  const std::string nowhere = (dir.Path() / "missing/settings.ini").string();
  EXPECT_FALSE(WriteProfileInt("nums", "i", 1, nowhere));
  EXPECT_FALSE(WriteProfileFloat("nums", "g", 1.0f, nowhere));
  ConfigFile c;
  c.LoadSection("nums", file);
  EXPECT_EQ(c.GetInt("i"), -7);
  EXPECT_STREQ(c.GetValue("g"), "0.500000");

  std::vector<std::string> names;
  ListIniSections(file, names);
  EXPECT_EQ(names, (std::vector<std::string>{"colours", "nums"}));
  EXPECT_TRUE(StringVectorContains(names, "nums"));
  EXPECT_FALSE(StringVectorContains(names, "Nums"));
}

}  // namespace

// The translation lookup table.
#include <gtest/gtest.h>

#include <string>

#include "engine/GHashTable.h"
#include "support/TestSupport.h"

using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

TEST(GHashTableTest, KeysOfEveryKindAreKeptAndFound) {
  TempDir dir;
  const std::string file = (dir.Path() / "s.ini").string();
  WriteFile(dir.Path() / "s.ini",
            "[strings]\n"
            "//comment=not a key anyone uses\n"
            "1ST_PLACE=First\n"
            "_HIDDEN=under\n"
            "\xE9T\xC9=summer\n"
            "apple=lower\n"
            "APPLE=upper\n"
            "MY KEY = spaced\n"
            "ESC=a\\=b \\\"q\\\" c\"d\n"
            "BACK=x\\ny\n"
            "apple=second\n"
            "[other]\n"
            "X=1\n");
  GHashTable table;
  EXPECT_FALSE(table.IsLoaded());
  table.Fill("strings", file);
  EXPECT_TRUE(table.IsLoaded());
  EXPECT_EQ(table.GetEntryCount(), 10u);
  EXPECT_STREQ(table.Lookup("1ST_PLACE"), "First");
  EXPECT_STREQ(table.Lookup("_HIDDEN"), "under");
  EXPECT_STREQ(table.Lookup("\xE9T\xC9"), "summer");
  EXPECT_STREQ(table.Lookup("//comment"), "not a key anyone uses");
  EXPECT_STREQ(table.Lookup("apple"), "lower");  // case matters, first one wins
  EXPECT_STREQ(table.Lookup("APPLE"), "upper");
  EXPECT_STREQ(table.Lookup("MYKEY"), " spaced");  // blanks leave the key, not the value
  EXPECT_STREQ(table.Lookup("ESC"), "a=b \"q\" cd");
  EXPECT_STREQ(table.Lookup("BACK"), "xny");
  EXPECT_STREQ(table.Lookup(""), "");
  EXPECT_STREQ(table.Lookup("X"), "");
  EXPECT_STREQ(table.Lookup("missing"), "");

  table.Fill("other", file);  // a refill replaces everything
  EXPECT_EQ(table.GetEntryCount(), 1u);
  EXPECT_STREQ(table.Lookup("apple"), "");
  EXPECT_STREQ(table.Lookup("X"), "1");
  table.Clear();
  EXPECT_FALSE(table.IsLoaded());
  EXPECT_EQ(table.GetEntryCount(), 0u);
}

TEST(GHashTableTest, BucketsStayInRange) {
  EXPECT_EQ(GHashTable::BucketOf("apple"), 0);
  EXPECT_EQ(GHashTable::BucketOf("Zebra"), 25);
  for (int c = 1; c < 256; ++c) {
    const int bucket = GHashTable::BucketOf(std::string(1, static_cast<char>(c)));
    EXPECT_GE(bucket, 0);
    EXPECT_LT(bucket, GHashTable::kBuckets);
  }
  EXPECT_EQ(GHashTable::BucketOf(""), GHashTable::kLetterBuckets);
}

TEST(GHashTableTest, LongValuesAreKeptToTheEntryLimit) {
  TempDir dir;
  WriteFile(dir.Path() / "s.ini", "[strings]\nLONG=" + std::string(5000, 'v') + "\n");
  GHashTable table;
  table.Fill("strings", (dir.Path() / "s.ini").string());
  EXPECT_EQ(std::string(table.Lookup("LONG")).size(), ConfigEntry::kMaxValue);
}

}  // namespace

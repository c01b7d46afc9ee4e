// The shipped translation file, read with the game's own readers, so broken data fails here
// rather than in play.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>

#include "engine/ConfigFile.h"
#include "engine/GHashTable.h"
#include "engine/Translate.h"
#include "platform/Profile.h"
#include "support/TestSupport.h"

using testsupport::ScopedChdir;

namespace {

class StringsDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetStringTable();
    ReleaseStringCaches();
  }
  void TearDown() override {
    ResetStringTable();
    ReleaseStringCaches();
  }
  ScopedChdir cd{TOVEL_SOURCE_DIR};
};

TEST_F(StringsDataTest, EveryStringsKeyTranslatesToItsOwnValue) {
  ConfigFile strings;
  strings.LoadSection("strings", kStringsFile);
  ASSERT_FALSE(strings.GetEntries().empty()) << "no [strings] section in " << kStringsFile;

  GHashTable table;
  table.Fill("strings", kStringsFile);
  // Every line must become exactly one entry: a '/' line would vanish from one reader and
  // not the other, so the counts differ.
  EXPECT_EQ(table.GetEntryCount(), plat::ReadProfileSection("strings", kStringsFile).size());

  std::map<std::string, int> seen;
  for (const std::string& key : table.GetKeys()) {
    ++seen[key];
    ASSERT_FALSE(key.empty());
    EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(key[0])))
        << "key must begin with a letter: " << key;
  }
  for (const auto& [key, count] : seen) EXPECT_EQ(count, 1) << "duplicated key: " << key;

  for (const ConfigEntry& entry : strings.GetEntries()) {
    EXPECT_FALSE(entry.value.empty()) << "empty text for " << entry.key;
    EXPECT_NE(entry.value[0], ' ') << "blank after '=' for " << entry.key;
    EXPECT_STREQ(Translate(entry.key.c_str()), entry.value.c_str()) << "key " << entry.key;
  }
}

TEST_F(StringsDataTest, MonthNamesAreExactlyZeroToEleven) {
  const ConfigFile* months = GetCachedConfig("MonthNames", kStringsFile);
  std::set<std::string> keys;
  for (const ConfigEntry& entry : months->GetEntries()) {
    EXPECT_TRUE(keys.insert(entry.key).second) << "duplicated month " << entry.key;
    EXPECT_FALSE(entry.value.empty()) << "empty month " << entry.key;
  }
  std::set<std::string> expected;
  for (int i = 0; i < 12; ++i) expected.insert(std::to_string(i));
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(months->GetEntries().size(), 12u);
  EXPECT_STRNE(GetNumberedString(0.0f, "MonthNames"), "");
  EXPECT_STRNE(GetNumberedString(11.5f / 12.0f, "MonthNames"), "");
}

}  // namespace

namespace {

TEST_F(StringsDataTest, StringsIsTheLastSectionSoAppendedKeysLandInIt) {
  std::vector<std::string> sections;
  ListIniSections(kStringsFile, sections);
  ASSERT_FALSE(sections.empty());
  EXPECT_EQ(sections.back(), "strings");
  // Every section name appears once: a second [strings] would hide its keys.
  EXPECT_EQ(std::set<std::string>(sections.begin(), sections.end()).size(), sections.size());
}

}  // namespace

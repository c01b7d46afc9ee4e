// The translation table, numbered and random sections and token filling, from a strings
// file of any bytes.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "engine/ConfigFile.h"
#include "engine/GHashTable.h"
#include "engine/Translate.h"

namespace {

constexpr size_t kMaxKeys = 64;
constexpr size_t kMaxSections = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  // Translate reads the strings file relative to the working directory (the private folder).
  const std::string path = fuzz::WriteInput(kStringsFile, data, size);
  ResetStringTable();
  ReleaseStringCaches();

  GHashTable table;
  table.Fill("strings", path);
  FUZZ_CHECK(table.IsLoaded());
  std::vector<std::string> keys = table.GetKeys();
  FUZZ_CHECK(keys.size() == table.GetEntryCount());
  if (keys.size() > kMaxKeys) keys.resize(kMaxKeys);
  keys.push_back("");
  keys.push_back("no such key");
  for (const std::string& key : keys) {
    FUZZ_CHECK(key.size() <= ConfigEntry::kMaxKey);
    FUZZ_CHECK(GHashTable::BucketOf(key) >= 0 && GHashTable::BucketOf(key) < GHashTable::kBuckets);
    const std::string looked = table.Lookup(key);
    const char* translated = Translate(key.c_str());
    FUZZ_CHECK(translated != nullptr);
    // The game's own table reads the same file the same way (the game asks by C string, so
    // a key holding a zero byte is never asked for as it stands).
    if (key.find('\0') == std::string::npos)
      FUZZ_CHECK(looked.empty() ? translated == key : looked == translated);
    (void)TranslateWithTokens(key.c_str(), "NAME=Ann,COUNT=3,<X>=y,,=,");
  }

  std::vector<std::string> sections;
  ListIniSections(path, sections);
  if (sections.size() > kMaxSections) sections.resize(kMaxSections);
  sections.push_back("MonthNames");
  const float fractions[] = {0.0f, 0.5f, 0.999f, 1.0f, -1.0f, 1e30f,
                             std::numeric_limits<float>::quiet_NaN()};
  for (const std::string& section : sections) {
    for (const float f : fractions) FUZZ_CHECK(GetNumberedString(f, section) != nullptr);
    FUZZ_CHECK(GetRandomString(section) != nullptr);
    FUZZ_CHECK(GetRandomStringFromFile(section, path) != nullptr);
  }
  ReleaseStringCaches();
  ResetStringTable();
  return 0;
}

// The ini reader (sections, values, colours, numbers), the loaded-section reader with its
// pair walk, and the in-place writer on a file of any bytes.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "engine/ConfigFile.h"
#include "platform/Profile.h"

namespace {

constexpr size_t kMaxSections = 4;
constexpr size_t kMaxKeys = 8;

void ReadSection(const std::string& section, const std::string& path) {
  const std::vector<std::string> lines = plat::ReadProfileSection(section, path);

  ConfigFile config;
  config.LoadSection(section, path);
  FUZZ_CHECK(config.GetEntries().size() <= lines.size());
  size_t keys = 0;
  for (const ConfigEntry& entry : config.GetEntries()) {
    FUZZ_CHECK(entry.key.size() <= ConfigEntry::kMaxKey);
    FUZZ_CHECK(entry.value.size() <= ConfigEntry::kMaxValue);
    if (++keys > kMaxKeys) break;
    (void)config.GetInt(entry.key);
    (void)config.GetFloat(entry.key, 0.5f);
    (void)plat::ReadProfileString(section, entry.key, "fallback", path);
    (void)ReadProfileFloat(section, entry.key, 0.25f, path);
    (void)ReadProfileColour(section, entry.key, path);
  }

  // The pair walk stops at the end of the section: never more pairs than lines.
  std::string key;
  std::string value;
  size_t pairs = 0;
  while (config.ReadNextPair(key, 256, value, 64)) {
    FUZZ_CHECK(++pairs <= lines.size());
    FUZZ_CHECK(key.size() < 256 && value.size() < 64);
  }
  FUZZ_CHECK(key.empty() && value.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("settings.ini", data, size);

  std::vector<std::string> sections;
  ListIniSections(path, sections);
  if (sections.size() > kMaxSections) sections.resize(kMaxSections);
  sections.push_back("config");
  for (const std::string& section : sections) ReadSection(section, path);

  // Writing a key keeps the file readable, and the key then reads back as written.
  if (plat::WriteProfileString("Fuzz", "Key", "value 1", path)) {
    FUZZ_CHECK(plat::ReadProfileString("fuzz", "KEY", "", path) == "value 1");
    FUZZ_CHECK(plat::WriteProfileString("fuzz", "key", "2", path));
    FUZZ_CHECK(plat::ReadProfileString("FUZZ", "Key", "", path) == "2");
    ReadSection("fuzz", path);
  }
  return 0;
}

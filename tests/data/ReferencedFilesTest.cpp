// Every picture, sound, text key and game variable that the game's code names must exist in the
// shipped data: a missing one would otherwise only show in play (a blank sprite, silence, a key
// shown as its own name, or a fatal stop).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "engine/ConfigFile.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "sim/SIM_FunctionTable.h"

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = TOVEL_SOURCE_DIR;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The game's own sources (not tests, tools or benches).
std::vector<fs::path> GameSources() {
  std::vector<fs::path> out;
  for (const char* dir : {"engine", "app", "sim", "gui", "hooks"}) {
    if (!fs::exists(kRoot / dir)) continue;
    for (const auto& e : fs::recursive_directory_iterator(kRoot / dir)) {
      const auto ext = e.path().extension();
      if (e.is_regular_file() && (ext == ".cpp" || ext == ".h")) out.push_back(e.path());
    }
  }
  return out;
}

// Every literal of the sources matching the pattern's first group.
std::set<std::string> Literals(const std::regex& pattern) {
  std::set<std::string> found;
  for (const fs::path& file : GameSources()) {
    const std::string text = Slurp(file);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
      found.insert((*it)[1].str());
  }
  return found;
}

// File names (lower case) of everything under a data folder: textures are found by name.
std::set<std::string> NamesUnder(const fs::path& folder) {
  std::set<std::string> names;
  if (!fs::exists(folder)) return names;
  for (const auto& e : fs::recursive_directory_iterator(folder))
    if (e.is_regular_file()) names.insert(Lower(e.path().filename().string()));
  return names;
}

TEST(ReferencedFilesTest, EveryPictureAndSoundTheCodeNamesIsShipped) {
  const std::regex file(R"re("([A-Za-z0-9_./\\-]+\.(?:dds|jpg|bmp|ogg|wav))")re",
                        std::regex::icase);
  const std::set<std::string> textures = NamesUnder(kRoot / "data/bitmaps");
  std::vector<std::string> missing;
  const std::set<std::string> names = Literals(file);
  EXPECT_GT(names.size(), 30u);  // the scan itself works
  for (const std::string& name : names) {
    if (name[0] == '_') continue;  // a suffix the code adds to a chosen name ("<avatar>_background.dds")
    const bool isPath = name.find('/') != std::string::npos || name.find('\\') != std::string::npos;
    if (isPath) {
      if (!plat::PathExists((kRoot / plat::NormalizeSlashes(name)).string())) missing.push_back(name);
    } else if (!textures.count(Lower(name))) {
      missing.push_back(name);
    }
  }
  EXPECT_TRUE(missing.empty()) << "not shipped: " << ::testing::PrintToString(missing);
}

// The records (lines beginning with '#') of every table under data/simulation: what the game reads.
std::vector<std::pair<std::string, std::string>> TableRecords() {
  std::vector<std::pair<std::string, std::string>> records;
  for (const auto& e : fs::directory_iterator(kRoot / "data/simulation")) {
    if (!e.is_regular_file()) continue;
    std::istringstream in(Slurp(e.path()));
    std::string line;
    while (std::getline(in, line))
      if (!line.empty() && line[0] == '#') records.emplace_back(e.path().filename().string(), line);
  }
  return records;
}

TEST(ReferencedFilesTest, EverySoundPictureAndHookTheDataTablesNameExists) {
  const std::regex play(R"re(\bplay ([A-Za-z0-9_./\\-]+))re");
  const std::regex call(R"re(\bcall ([A-Za-z0-9_]+))re");
  const std::regex file(R"re(([A-Za-z0-9_./\\-]+\.(?:dds|jpg|bmp|ogg|wav))\b)re", std::regex::icase);
  const std::set<std::string> textures = NamesUnder(kRoot / "data/bitmaps");
  std::vector<std::string> missing;
  int sounds = 0, hooks = 0;
  for (const auto& [table, line] : TableRecords()) {
    std::set<std::string> played;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), play); it != std::sregex_iterator(); ++it) {
      const std::string name = (*it)[1].str();
      played.insert(name);
      ++sounds;
      if (!plat::PathExists((kRoot / "data/sounds" / plat::NormalizeSlashes(name)).string()))
        missing.push_back(table + ": sound " + name);
    }
    for (auto it = std::sregex_iterator(line.begin(), line.end(), call); it != std::sregex_iterator(); ++it) {
      ++hooks;
      if (!SIM_FunctionTable::Instance().HasHook((*it)[1].str()))
        missing.push_back(table + ": hook " + (*it)[1].str());
    }
    // Any other picture or sound a record names: pictures are found by name, sounds under
    // data/sounds.
    for (auto it = std::sregex_iterator(line.begin(), line.end(), file); it != std::sregex_iterator(); ++it) {
      const std::string name = (*it)[1].str();
      if (played.count(name)) continue;
      const std::string ext = Lower(fs::path(name).extension().string());
      const bool found = ext == ".ogg" || ext == ".wav"
                             ? plat::PathExists((kRoot / "data/sounds" / plat::NormalizeSlashes(name)).string())
                             : textures.count(Lower(fs::path(name).filename().string())) > 0;
      if (!found) missing.push_back(table + ": file " + name);
    }
  }
  EXPECT_GT(sounds, 0);  // the scan itself works
  EXPECT_GT(hooks, 10);
  EXPECT_TRUE(missing.empty()) << "not shipped: " << ::testing::PrintToString(missing);
}

// The keys the sources name in the pattern's first group, at least `least` of them (so the
// scan itself works), with no text in the strings file.
void ExpectTextsForKeysNamed(const std::regex& key, size_t least) {
  std::set<std::string> keys;
  for (const std::string& line : plat::ReadProfileSection("strings", (kRoot / "data/strings.ini").string()))
    keys.insert(line.substr(0, line.find('=')));
  std::vector<std::string> missing;
  const std::set<std::string> names = Literals(key);
  EXPECT_GT(names.size(), least);
  for (const std::string& name : names)
    if (!keys.count(name)) missing.push_back(name);
  EXPECT_TRUE(missing.empty()) << "no text for: " << ::testing::PrintToString(missing);
}

TEST(ReferencedFilesTest, EveryTextKeyTheCodeTranslatesIsInTheStringsFile) {
  ExpectTextsForKeysNamed(std::regex(R"re(Translate(?:WithTokens)?\(\s*"([A-Za-z][A-Za-z0-9_]*)")re"), 10);
}

// Achievements are unlocked by key and their texts read later (the community page sends them).
TEST(ReferencedFilesTest, EveryAchievementTheCodeUnlocksHasAText) {
  ExpectTextsForKeysNamed(std::regex(R"re("(ACH_[A-Z0-9_]+)")re"), 15);
}

TEST(ReferencedFilesTest, EveryGameVariableTheCodeReadsIsInTheConfigFile) {
  // Game variables are read through several small helpers, so every literal of their names counts.
  const std::regex var(R"re("((?:GV_|SLEEP_DURATION|SPECIAL_EVENT_|SOCIAL_PEOPLESKILLS_)[A-Z0-9_]*)")re");
  ConfigFile config;
  config.LoadSection("config", (kRoot / "data/config.txt").string());
  std::vector<std::string> missing;
  const std::set<std::string> names = Literals(var);
  EXPECT_GT(names.size(), 15u);
  for (const std::string& name : names)
    if (!config.HasKey(name)) missing.push_back(name);
  EXPECT_TRUE(missing.empty()) << "no value for: " << ::testing::PrintToString(missing);
}

}  // namespace

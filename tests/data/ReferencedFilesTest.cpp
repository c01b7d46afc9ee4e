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

TEST(ReferencedFilesTest, EveryTextKeyTheCodeTranslatesIsInTheStringsFile) {
  const std::regex key(R"re(Translate(?:WithTokens)?\(\s*"([A-Za-z][A-Za-z0-9_]*)")re");
  std::set<std::string> keys;
  for (const std::string& line : plat::ReadProfileSection("strings", (kRoot / "data/strings.ini").string()))
    keys.insert(line.substr(0, line.find('=')));
  std::vector<std::string> missing;
  const std::set<std::string> names = Literals(key);
  EXPECT_GT(names.size(), 10u);
  for (const std::string& name : names)
    if (!keys.count(name)) missing.push_back(name);
  EXPECT_TRUE(missing.empty()) << "no text for: " << ::testing::PrintToString(missing);
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

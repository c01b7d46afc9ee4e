// Every number of the data tables at an extreme: far beyond any real value (±1e30) and the
// largest floats there are. A mod or a slip of the keyboard can put such a number anywhere,
// and the game must play on regardless (under the sanitizers: no overflow, no cast beyond its
// type), raise no problem box and keep writing saves that it can load again.
//
// The suite plays a few hundred days per extreme with every table changed at once, and a few
// days per table alone. TOVEL_EXTREME_DAYS sets the days of each game and
// TOVEL_EXTREME_TABLE_DAYS those of each table alone (ten years: 840).
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "support/PlayDays.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

int DaysFromEnvironment(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

std::vector<std::string> Extremes() {
  // Every digit of the largest float, which reads back as exactly that float.
  const std::string largest = FormatFixed(FLT_MAX, 0);
  return {"1e30", "-1e30", largest, "-" + largest};
}

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The piece with its number (if it is one, quotes and blanks around it aside) replaced.
bool ReplaceNumber(std::string& piece, const std::string& value) {
  static const std::regex number(R"(^([\s"]*)[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?([\s"]*)$)");
  std::smatch m;
  if (!std::regex_match(piece, m, number)) return false;
  piece = m[1].str() + value + m[4].str();
  return true;
}

// Every number of a table's text: the value of each "KEY=number" line of the game variables,
// each comma-separated number of a record line of the other tables (those inside a quoted list
// of modifiers included). Returns how many there were.
int RewriteNumbers(const fs::path& file, const std::string& value, std::string& out) {
  const bool variables = file.filename() == "config.txt";
  std::istringstream in(ReadText(file));
  std::string line;
  int changed = 0;
  while (std::getline(in, line)) {
    const size_t equals = line.find('=');
    if (variables && equals != std::string::npos && line[0] != '/') {
      std::string number = line.substr(equals + 1);
      if (ReplaceNumber(number, value)) {
        line = line.substr(0, equals + 1) + number;
        ++changed;
      }
    } else if (!variables && !line.empty() && line[0] == '#') {
      std::string rebuilt, piece;
      std::istringstream pieces(line);
      bool first = true;
      while (std::getline(pieces, piece, ',')) {
        if (ReplaceNumber(piece, value)) ++changed;
        rebuilt += (first ? "" : ",") + piece;
        first = false;
      }
      if (!line.empty() && line.back() == ',') rebuilt += ',';
      line = rebuilt;
    }
    out += line + "\n";
  }
  return changed;
}

// The tables the simulation reads that hold numbers: the game variables and those of
// data/simulation.
std::vector<std::string> Tables() {
  const fs::path source(TOVEL_SOURCE_DIR);
  std::vector<std::string> tables = {"data/config.txt"};
  for (const fs::directory_entry& entry : fs::directory_iterator(source / "data" / "simulation"))
    tables.push_back("data/simulation/" + entry.path().filename().string());
  std::sort(tables.begin(), tables.end());
  std::string ignored;
  std::erase_if(tables, [&](const std::string& t) { return RewriteNumbers(source / t, "0", ignored) == 0; });
  return tables;
}

// A copy of the shipped data as the working directory (pictures and sounds linked, not
// copied), with the named tables' numbers at the value; the player's options (the given file,
// or a first start's) and saves in a folder of their own. The simulation is started on it,
// and stopped when this goes.
class ExtremeGame {
 public:
  ExtremeGame(const std::vector<std::string>& tables, const std::string& value,
              const std::string& optionsFile = "") {
    const fs::path source = fs::path(TOVEL_SOURCE_DIR) / "data";
    const fs::path data = dir_.Path() / "data";
    fs::create_directories(data);
    for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
      if (entry.is_directory() && entry.path().filename() != "simulation")
        fs::create_directory_symlink(entry.path(), data / entry.path().filename());
      else
        fs::copy(entry.path(), data / entry.path().filename(), fs::copy_options::recursive);
    }
    for (const std::string& table : tables) {
      std::string text;
      RewriteNumbers(dir_.Path() / table, value, text);
      testsupport::WriteFile(dir_.Path() / table, text);
    }
    fs::create_directories(dir_.Path() / "home" / "savegames");
    if (!optionsFile.empty())
      testsupport::WriteFile(dir_.Path() / "home" / SIM_PlayerOptions::kFileName, optionsFile);
    chdir_.emplace(dir_.Path());
    const std::string& optionsPath = SIM_PlayerOptions::Instance().GetPath();
    oldOptionsFolder_ = optionsPath.empty() ? "" : fs::path(optionsPath).parent_path().string();
    oldSaveFolder_ = SIM_SaveGame::GetFolder();
    SIM_PlayerOptions::Instance().Clear();
    SIM_PlayerOptions::Instance().SetFolder((dir_.Path() / "home").string());
    SIM_SaveGame::SetFolder((dir_.Path() / "home" / "savegames").string());
    SetFixedRandomSeed(11);
    // Each failed check of the game's own would put the problem box before the player.
    SetAssertionHandler([this](const std::string& report) {
      if (problems_++ < 5) problemReports_ += report + "\n";
    });
    // A table whose numbers break its own rules may be refused at start with a message (the
    // weather's shares must add up to one); that is a stop, not a fault.
    try {
      SIM_SIM::Instance().Init();
      SIM_GameConfig::Instance().SetName("Robin Extreme");
      SIM_GameConfig::Instance().SetAvatarName("f_avatar01.dds");
      SIM_SIM::Instance().NewGame();
    } catch (const testsupport::FatalStop& stop) {
      refused_ = stop.text;
    }
  }
  ~ExtremeGame() {
    SIM_SIM::Instance().Shutdown();
    SetAssertionHandler(nullptr);
    EXPECT_EQ(problems_, 0) << "problem boxes, the first of them:\n" << problemReports_;
    SIM_PlayerOptions::Instance().SetFolder(oldOptionsFolder_);
    SIM_SaveGame::SetFolder(oldSaveFolder_);
    ClearFixedRandomSeed();
    chdir_.reset();
  }

  // The message of a table refused at start, or empty.
  const std::string& Refused() const { return refused_; }

  // Plays the days (a game that ends is followed by a new one); every few weeks the day's
  // autosave is loaded and play goes on from it. False at the first save that does not load.
  bool Play(int days) {
    constexpr int kDaysBetweenLoads = 40;
    EXPECT_TRUE(SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableAutosave));
    for (int day = 1; day <= days; ++day) {
      if (SIM_SIM::Instance().IsGameOver()) SIM_SIM::Instance().NewGame();
      testsupport::PlayDays(1);
      if ((day % kDaysBetweenLoads == 0 || day == days) && !SIM_SIM::Instance().IsGameOver() &&
          !SIM_LoadGame::Load("autosave")) {
        ADD_FAILURE() << "day " << day << ": the autosave does not load: "
                      << SIM_LoadGame::LastError();
        return false;
      }
    }
    return true;
  }

 private:
  testsupport::TempDir dir_;
  std::optional<testsupport::ScopedChdir> chdir_;
  testsupport::FatalCatcher fatal_;
  std::string oldOptionsFolder_, oldSaveFolder_;
  std::string refused_;
  int problems_ = 0;
  std::string problemReports_;
};

constexpr const char* kWeather = "data/simulation/weather.csv";

TEST(ExtremeTablesTest, EveryTableAtOnceAtEachExtremePlaysOnAndItsSavesLoad) {
  const int days = DaysFromEnvironment("TOVEL_EXTREME_DAYS", 200);
  // The weather table is refused whole at these numbers (below); the rest play.
  std::vector<std::string> tables = Tables();
  std::erase(tables, kWeather);
  for (const std::string& value : Extremes()) {
    SCOPED_TRACE("every number " + value);
    ExtremeGame game(tables, value);
    ASSERT_EQ(game.Refused(), "");
    EXPECT_TRUE(game.Play(days));
  }
}

TEST(ExtremeTablesTest, EachTableAloneAtEachExtremePlaysOnAndItsSavesLoad) {
  const int days = DaysFromEnvironment("TOVEL_EXTREME_TABLE_DAYS", 8);
  for (const std::string& table : Tables()) {
    for (const std::string& value : Extremes()) {
      SCOPED_TRACE(table + " at " + value);
      ExtremeGame game({table}, value);
      if (table == kWeather) {
        EXPECT_NE(game.Refused().find("Weather percentages are invalid"), std::string::npos);
        continue;
      }
      ASSERT_EQ(game.Refused(), "");
      if (!game.Play(days)) return;
    }
  }
}

TEST(ExtremeTablesTest, AnOptionsFileAtItsExtremesPlaysAsTheDefaultsAndItsSavesLoad) {
  // A difficulty of 1e30 drove the cash to -1.5e33 and -1e30 to 2.6e32: every save after
  // that was refused by the game's own loader.
  for (const char* value : {"1e30", "-1e30", "7"}) {
    SCOPED_TRACE(std::string("every option ") + value);
    std::string options = "[config]\n";
    for (int i = 0; i < SIM_PlayerOptions::kConfigCount; ++i)
      options += std::string(SIM_PlayerOptions::ConfigKey(i)) + " = " + value + "\n";
    options += "[toggles]\nENABLEAUTOSAVE = 1\n[ID]\nid = 1234567\n";
    ExtremeGame game({}, "", options);
    ASSERT_EQ(game.Refused(), "");
    EXPECT_FLOAT_EQ(SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty), 0.5f);
    EXPECT_TRUE(game.Play(DaysFromEnvironment("TOVEL_EXTREME_DAYS", 120)));
  }
}

}  // namespace

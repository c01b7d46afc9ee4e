// Saves written by earlier runs of the game (tests/saves/), loaded by the game's own load call
// and saved again: the text must be the one kept beside each, byte for byte. They pin the
// file the game writes and what it makes of the older versions it reads, whatever the reader
// and writer become inside.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "SaveGameTestSupport.h"
#include "saves/Resave.h"
#include "sim/SIM_Friends.h"
#include "sim/SIM_LoadGame.h"

namespace fs = std::filesystem;

namespace {

const fs::path kFixtures = fs::path(TOVEL_SOURCE_DIR) / "tests" / "saves";

// The line where two texts first differ, for a failure that says where.
std::string FirstDifference(const std::string& got, const std::string& want) {
  size_t at = 0;
  while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
  const size_t line = static_cast<size_t>(std::count(want.begin(), want.begin() + at, '\n')) + 1;
  const size_t from = want.rfind('\n', at == 0 ? 0 : at - 1);
  const size_t start = from == std::string::npos ? 0 : from + 1;
  return "line " + std::to_string(line) + ": got \"" + got.substr(start, at - start + 40) +
         "\", want \"" + want.substr(start, at - start + 40) + "\"";
}

class SaveFixturesTest : public SaveWorldTest {
 protected:
  // The game's own friend count: an older file's restaurants are drawn from the standing.
  void SetUp() override {
    SaveWorldTest::SetUp();
    ClearPlayerFriendCountForTesting();
  }
  // The fixture's file as a slot of the save folder, loaded and saved again.
  std::string Resave(const std::string& name, const std::string& file) {
    fs::copy_file(kFixtures / file, saves.Path() / (name + ".xml"), fs::copy_options::overwrite_existing);
    const std::string text = testsupport::LoadAndSaveAgain(name);
    EXPECT_FALSE(text.empty()) << file << ": " << SIM_LoadGame::LastError();
    return text;
  }
};

}  // namespace

TEST_F(SaveFixturesTest, EveryVersionSavesAgainAsItDidAndTheResultIsStable) {
  // Files of 1.23 and 1.24, and of the current version: a new game, a game 400 days in with
  // every part of the file filled, the year's review waiting, and a finished game.
  for (const char* name : {"written-1.23", "written-1.24", "new-game", "day-400", "year-end", "finished"}) {
    SCOPED_TRACE(name);
    const std::string want = testsupport::ReadWholeFile(kFixtures / (std::string(name) + ".expected.xml"));
    ASSERT_FALSE(want.empty());
    const std::string got = Resave(name, std::string(name) + ".xml");
    EXPECT_TRUE(got == want) << FirstDifference(got, want);
    // What the game saved it loads and saves again unchanged.
    const std::string again = Resave(std::string(name) + "-again", std::string(name) + ".expected.xml");
    EXPECT_TRUE(again == want) << FirstDifference(again, want);
  }
}

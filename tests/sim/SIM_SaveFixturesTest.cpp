// Saves written by earlier runs of the game (tests/saves/), loaded by the game's own load call
// and saved again: the text must be the one kept beside each, byte for byte. They pin the
// file the game writes and what it makes of the older versions it reads, whatever the reader
// and writer become inside.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
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
  // Files of 1.23 and 1.24, and of 1.26: a new game, a game 400 days in with
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

TEST_F(SaveFixturesTest, AFileOfTheCurrentVersionReadsToARecordThatWritesItAgain) {
  for (const char* name : {"new-game", "day-400", "year-end", "finished"}) {
    SCOPED_TRACE(name);
    const std::string text = testsupport::ReadWholeFile(kFixtures / (std::string(name) + ".expected.xml"));
    SaveGameData d;
    std::string error;
    ASSERT_TRUE(SIM_LoadGame::Parse(text, d, error)) << error;
    EXPECT_TRUE(SIM_LoadGame::Check(d, error)) << error;
    const std::string written = SIM_SaveGame::Serialize(d);
    EXPECT_TRUE(written == text) << FirstDifference(written, text);
    SaveGameData again;
    ASSERT_TRUE(SIM_LoadGame::Parse(written, again, error)) << error;
    EXPECT_TRUE(again == d);
  }
}

// Each bound holds its last value and refuses the next, with the reason it gives.
TEST_F(SaveFixturesTest, EachBoundedFieldTakesItsLastValueAndRefusesTheNext) {
  SaveGameData full;
  std::string error;
  ASSERT_TRUE(SIM_LoadGame::Parse(testsupport::ReadWholeFile(kFixtures / "day-400.expected.xml"), full, error));
  ASSERT_TRUE(SIM_LoadGame::Check(full, error)) << error;
  ASSERT_FALSE(full.npcs.empty() || full.jobOffers.empty() || full.mail.empty() || full.royalties.empty());
  struct Case {
    std::function<void(SaveGameData&, int)> set;
    int last, next;
    const char* why;
  };
  const Case cases[] = {
      {[](SaveGameData& d, int v) { d.day = v; }, 6, 7, "the date"},
      {[](SaveGameData& d, int v) { d.month = v; }, 0, -1, "the date"},
      {[](SaveGameData& d, int v) { d.year = v; }, 1000000, 1000001, "a year"},
      {[](SaveGameData& d, int v) { d.endYear = v; }, 1000000, 1000001, "a year"},
      {[](SaveGameData& d, int v) { d.maxActs = d.acts = v; }, 2, 3, "slots"},
      {[](SaveGameData& d, int v) { d.maxActs = v; }, 1, 0, "slots"},
      {[](SaveGameData& d, int v) { d.topSLID = v; }, 0, -1, "person counter"},
      {[](SaveGameData& d, int v) { d.npcs[0].gender = v; }, 1, 2, "no gender"},
      {[](SaveGameData& d, int v) { d.npcs[0].veskDays = v; }, 1000000000, 1000000001, "counter"},
      {[](SaveGameData& d, int v) { d.npcs[0].cash = static_cast<float>(v); }, -2000000000, -2000000256, "money"},
      {[](SaveGameData& d, int v) { d.hamster.age = v; }, 0, -1, "count"},
      {[](SaveGameData& d, int v) { d.jobInstance.grade = v; }, 5, 6, "grade"},
      {[](SaveGameData& d, int v) { d.jobOffers[0].daysLeft = v; }, 2, 3, "offer's days"},
      {[](SaveGameData& d, int v) { d.entertainJobs[0].cooldown = v; }, 0, -1, "entertainment job"},
      {[](SaveGameData& d, int v) { d.mail[0].kind = v; }, 8, 9, "mail item"},
      {[](SaveGameData& d, int v) { d.royalties[0].total = static_cast<float>(v); }, 2000000000, 2000000256, "money"},
      {[](SaveGameData& d, int v) { d.statInts[8] = v; }, -1000000000, -1000000001, "count"},
      {[](SaveGameData& d, int v) { d.statInts[0] = v; }, 0, -1, "count"},
      {[](SaveGameData& d, int v) { d.practiceNight = v; }, -1000000000, -1000000001, "counter"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    SaveGameData d = full;
    c.set(d, c.last);
    EXPECT_TRUE(SIM_LoadGame::Check(d, error)) << c.last << ": " << error;
    c.set(d, c.next);
    ASSERT_FALSE(SIM_LoadGame::Check(d, error)) << c.next;
    EXPECT_NE(error.find(c.why), std::string::npos) << error;
  }
}

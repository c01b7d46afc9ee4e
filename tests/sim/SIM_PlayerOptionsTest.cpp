// The player options file: first start, defaults of an older file, the id, number format and
// failed writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/DebugLog.h"
#include "sim/SIM_PlayerOptions.h"
#include "support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class SIM_PlayerOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options.Clear();
    options.SetFolder(dir.Str());
  }
  void TearDown() override {
    options.SetFolder("");
    options.SetMouseSpeedSink(nullptr);
    options.Clear();
  }
  std::filesystem::path File() const { return dir.Path() / "player_options.txt"; }

  SIM_PlayerOptions& options = SIM_PlayerOptions::Instance();
  TempDir dir;
};

TEST_F(SIM_PlayerOptionsTest, AFirstStartWritesTheDefaultsWithANewIdThatLaterStartsKeep) {
  options.Load();
  // The id names the player's community page, so the very first start makes one too.
  const std::string id = options.GetId();
  ASSERT_EQ(id.size(), 9u);
  for (char c : id) EXPECT_TRUE(c >= '0' && c <= '8') << id;
  EXPECT_EQ(ReadFile(File()),
            "[config]\nMASTERVOLUME = 1.00\nMUSICVOLUME = 1.00\nDIFFICULTY = 0.50\n"
            "MOUSESPEED = 0.50\nSNOWFALL = 0.50\n\n[toggles]\nNEWMAILSOUND = 1\nENABLEMUSIC = 1\n"
            "ENABLEWEATHEREFFECTS = 1\nENABLEAUTOSAVE = 1\nENABLESAMESEX = 0\n"
            "ENABLECOMPBACKDROPS = 1\n\n[ID]\nid = " + id + "\n");

  options.Clear();
  options.Load();
  EXPECT_EQ(options.GetId(), id);
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kMasterVolume), 1.0f);
  EXPECT_TRUE(options.GetToggle(SIM_PlayerOptions::kEnableAutosave));
  EXPECT_FALSE(options.GetToggle(SIM_PlayerOptions::kEnableSameSex));

  // The id is written with the next save and kept from then on (the blank after '=' is not
  // part of it).
  options.Save();
  EXPECT_NE(ReadFile(File()).find("\nid = " + id + "\n"), std::string::npos);
  options.Clear();
  options.Load();
  EXPECT_EQ(options.GetId(), id);
}

TEST_F(SIM_PlayerOptionsTest, MissingKeysTakeTheirOwnDefaults) {
  WriteFile(File(),
            "[config]\nMASTERVOLUME = 0.20\nMUSICVOLUME =\nDIFFICULTY = hard\n\n"
            "[toggles]\nNEWMAILSOUND = 1\nENABLEMUSIC = 0\nENABLEAUTOSAVE = 7\n\n[ID]\nid = 1234567\n");
  options.Load();
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kMasterVolume), 0.2f);
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kMusicVolume), 0.5f);  // empty
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kDifficulty), 0.5f);   // not a number
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kSnowfall), 0.5f);     // missing
  EXPECT_TRUE(options.GetToggle(SIM_PlayerOptions::kNewMailSound));
  EXPECT_FALSE(options.GetToggle(SIM_PlayerOptions::kEnableMusic));
  EXPECT_TRUE(options.GetToggle(SIM_PlayerOptions::kEnableAutosave));
  EXPECT_FALSE(options.GetToggle(SIM_PlayerOptions::kEnableWeatherEffects));  // missing: off
  EXPECT_TRUE(options.GetToggle(SIM_PlayerOptions::kEnableCompBackdrops));    // missing: on
  EXPECT_EQ(options.GetId(), "1234567");
}

TEST_F(SIM_PlayerOptionsTest, ValuesThatAreNoFiniteNumbersReadAsMissingAndAreLogged) {
  // Found by fuzzing: "1e39" read as an infinite volume, "nan" as NaN, and both went on to
  // the mixer and the mouse and back into the file. "nan", "-inf" and a word then read as 0,
  // the sound muted and the easiest difficulty, and were written back as the player's own.
  WriteFile(File(),
            "[config]\nMASTERVOLUME = nan\nMUSICVOLUME = 1e39\nDIFFICULTY = -inf\n"
            "MOUSESPEED = loud\nSNOWFALL = 0.25\n[toggles]\n[ID]\nid = 1234567\n");
  const std::string log = (dir.Path() / "debug.txt").string();
  const std::string before = DebugLog::Instance().GetPath();
  DebugLog::Instance().SetPath(log);
  DebugLog::Instance().Open();
  options.Load();
  DebugLog::Instance().Close();
  DebugLog::Instance().SetPath(before);
  for (int i : {SIM_PlayerOptions::kMasterVolume, SIM_PlayerOptions::kMusicVolume,
                SIM_PlayerOptions::kDifficulty, SIM_PlayerOptions::kMouseSpeed})
    EXPECT_FLOAT_EQ(options.GetConfig(i), 0.5f) << SIM_PlayerOptions::ConfigKey(i);
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kSnowfall), 0.25f);
  for (const char* line : {"MASTERVOLUME = nan", "DIFFICULTY = -inf", "MOUSESPEED = loud"})
    EXPECT_NE(ReadFile(log).find(std::string("read as 0.5: ") + line), std::string::npos) << line;
  ASSERT_TRUE(options.Save());
  const std::string text = ReadFile(File());
  EXPECT_EQ(text.find("nan"), std::string::npos) << text;
  EXPECT_EQ(text.find("inf"), std::string::npos) << text;
}

TEST_F(SIM_PlayerOptionsTest, ValuesOutsideTheSlidersRangeReadAsMissingAndAreLogged) {
  // A difficulty of 1e30 drove the cash beyond what a save keeps, and the volume was written
  // back as 1000000015047466219876688855040.00.
  WriteFile(File(),
            "[config]\nMASTERVOLUME = 1e30\nMUSICVOLUME = -1e30\nDIFFICULTY = 1.01\n"
            "MOUSESPEED = -0.01\nSNOWFALL = 1\n[toggles]\n[ID]\nid = 1234567\n");
  const std::string log = (dir.Path() / "debug.txt").string();
  const std::string before = DebugLog::Instance().GetPath();
  DebugLog::Instance().SetPath(log);
  DebugLog::Instance().Open();
  options.Load();
  DebugLog::Instance().Close();
  DebugLog::Instance().SetPath(before);
  for (int i : {SIM_PlayerOptions::kMasterVolume, SIM_PlayerOptions::kMusicVolume,
                SIM_PlayerOptions::kDifficulty, SIM_PlayerOptions::kMouseSpeed})
    EXPECT_FLOAT_EQ(options.GetConfig(i), 0.5f) << SIM_PlayerOptions::ConfigKey(i);
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kSnowfall), 1.0f);  // the end is kept
  EXPECT_NE(ReadFile(log).find("Option out of range, read as 0.5: DIFFICULTY = 1.01"),
            std::string::npos);
  ASSERT_TRUE(options.Save());
  EXPECT_NE(ReadFile(File()).find("[config]\nMASTERVOLUME = 0.50\nMUSICVOLUME = 0.50\n"),
            std::string::npos);
}

TEST_F(SIM_PlayerOptionsTest, AShortIdIsReplaced) {
  WriteFile(File(), "[config]\n[toggles]\n[ID]\nid = 123456\n");
  options.Load();
  EXPECT_EQ(options.GetId().size(), 9u);
  EXPECT_NE(options.GetId(), "123456");
}

TEST_F(SIM_PlayerOptionsTest, ValuesAreWrittenWithTwoDecimals) {
  options.Load();
  options.SetConfig(SIM_PlayerOptions::kMusicVolume, 0.333f);
  ASSERT_TRUE(options.Save());
  EXPECT_NE(ReadFile(File()).find("MUSICVOLUME = 0.33\n"), std::string::npos);
  options.Clear();
  options.Load();
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kMusicVolume), 0.33f);
}

TEST_F(SIM_PlayerOptionsTest, SavingReplacesTheWholeFileAndLeavesNoTemporaryFile) {
  WriteFile(File(), std::string(5000, 'x'));
  options.SetToggle(SIM_PlayerOptions::kEnableMusic, true);
  ASSERT_TRUE(options.Save());
  const std::string text = ReadFile(File());
  EXPECT_EQ(text.rfind("[config]\n", 0), 0u);
  EXPECT_EQ(text.find('x'), std::string::npos);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(SIM_PlayerOptionsTest, AnUnwritableFileOnlyWarns) {
  options.SetFolder((dir.Path() / "no/such/folder").string());
  options.SetConfig(SIM_PlayerOptions::kDifficulty, 0.75f);
  EXPECT_FALSE(options.Save());
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kDifficulty), 0.75f);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "no"));
  // With no folder at all the options work in memory and only warn.
  options.SetFolder("");
  options.Load();
  EXPECT_FLOAT_EQ(options.GetConfig(SIM_PlayerOptions::kMasterVolume), 1.0f);
}

TEST_F(SIM_PlayerOptionsTest, IndexesOutsideTheTablesAreGuarded) {
  options.SetConfig(5, 0.9f);
  options.SetConfig(-1, 0.9f);
  options.SetToggle(6, true);
  EXPECT_FLOAT_EQ(options.GetConfig(5), 0.0f);
  EXPECT_FLOAT_EQ(options.GetConfig(-1), 0.0f);
  EXPECT_FALSE(options.GetToggle(6));
  EXPECT_FALSE(options.GetToggle(-1));
  options.SetToggle(SIM_PlayerOptions::kEnableCompBackdrops, true);
  EXPECT_TRUE(options.GetToggle(5));
}

TEST_F(SIM_PlayerOptionsTest, LoadingTellsTheInputTheMouseSpeed) {
  WriteFile(File(), "[config]\nMOUSESPEED = 0.80\n[toggles]\n[ID]\nid = 123456789\n");
  float told = -1.0f;
  options.SetMouseSpeedSink([&](float speed) { told = speed; });
  options.Load();
  EXPECT_FLOAT_EQ(told, 0.8f);

  // A first start tells the default, so the mouse does not speed up on the second start.
  std::filesystem::remove(File());
  told = -1.0f;
  options.Load();
  EXPECT_TRUE(std::filesystem::exists(File()));
  EXPECT_FLOAT_EQ(told, 0.5f);
}

}  // namespace

// The sound manager on the silent driver: effect slots and the cache, the music play list,
// the night-club music, volumes and the ambient sounds with an injected clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "app/GUI_Sounds.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Timer.h"
#include "platform/Audio.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Vesk.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using testsupport::FatalCatcher;
using testsupport::ReadFile;
using testsupport::ScopedChdir;
using testsupport::ScopedEnv;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

const fs::path kSource = TOVEL_SOURCE_DIR;

// A mono 16-bit WAV of a quiet square wave.
std::string MakeWav(double seconds, int period = 50) {
  const uint32_t rate = 22050;
  const auto samples = static_cast<uint32_t>(seconds * rate);
  std::string bytes;
  auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) bytes += static_cast<char>(v >> (8 * i)); };
  auto u16 = [&](uint16_t v) { for (int i = 0; i < 2; ++i) bytes += static_cast<char>(v >> (8 * i)); };
  bytes += "RIFF";
  u32(36 + samples * 2);
  bytes += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  bytes += "data";
  u32(samples * 2);
  for (uint32_t i = 0; i < samples; ++i) u16((i / period) % 2 ? 2000 : static_cast<uint16_t>(-2000));
  return bytes;
}

bool AnySlotNamed(const GUI_Sounds& sounds, const std::string& file) {
  for (int slot = 0; slot < GUI_Sounds::kSlotCount; ++slot)
    if (sounds.SlotName(slot) == file) return true;
  return false;
}

int SlotsNamed(const GUI_Sounds& sounds, const std::string& file) {
  int count = 0;
  for (int slot = 0; slot < GUI_Sounds::kSlotCount; ++slot)
    if (sounds.SlotName(slot) == file) ++count;
  return count;
}

// One named value changed for a test and put back afterwards: the old value (and an
// attribute's base), or no entry at all when the test made it. Values the test makes land in
// `madeIn`.
class RestoredValue {
 public:
  RestoredValue(std::function<SIM_NamedValue*()> find, SIM_NamedValueList& madeIn)
      : find_(std::move(find)), madeIn_(madeIn), existing_(find_()) {
    if (!existing_) return;
    value_ = existing_->GetValue();
    if (auto* attribute = dynamic_cast<SIM_Attribute*>(existing_)) base_ = attribute->GetBase();
  }
  ~RestoredValue() {
    if (existing_) {
      existing_->SetValue(value_);
      if (auto* attribute = dynamic_cast<SIM_Attribute*>(existing_)) attribute->SetBase(base_);
    } else if (SIM_NamedValue* made = find_()) {
      madeIn_.Remove(made);
      delete made;
    }
  }
  RestoredValue(const RestoredValue&) = delete;
  RestoredValue& operator=(const RestoredValue&) = delete;

 private:
  std::function<SIM_NamedValue*()> find_;
  SIM_NamedValueList& madeIn_;
  SIM_NamedValue* existing_;
  float value_ = 0.0f, base_ = 0.0f;
};

SIM_Vesk& Player() { return *SIM_Vesk::Instance(); }
SIM_PlayerOptions& Options() { return SIM_PlayerOptions::Instance(); }

RestoredValue PlayerValue(const std::string& name) {
  return RestoredValue([name] { return Player().GetNamedValue(name, false); }, Player().Skills());
}
RestoredValue GlobalValue(const std::string& name) {
  return RestoredValue([name] { return GlobalNamedValues().Find(name); }, GlobalNamedValues());
}

// Every test logs into its own folder and starts from a fixed seed, full volumes with the
// music on, and a well, rested, happy male player without pets on a day without a full moon.
// What the sound manager reads from the game is put back as it was afterwards.
class SoundsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(logDir.Path() / "debugdata");
    DebugLog::Instance().Close();
    DebugLog::Instance().SetPath((logDir.Path() / "debugdata/debug.txt").string());
    DebugLog::Instance().Open();
    for (int i = 0; i < SIM_PlayerOptions::kConfigCount; ++i) savedConfig_[i] = Options().GetConfig(i);
    for (int i = 0; i < SIM_PlayerOptions::kToggleCount; ++i) savedToggle_[i] = Options().GetToggle(i);
    Options().SetConfig(SIM_PlayerOptions::kMasterVolume, 1.0f);
    Options().SetConfig(SIM_PlayerOptions::kMusicVolume, 1.0f);
    Options().SetToggle(SIM_PlayerOptions::kEnableMusic, true);
    savedGender_ = Player().GetGender();
    Player().SetGenderFromAvatar("m_test");
    Player().SetValue("happiness", 1.0f);
    Player().SetValue("tiredness", 0.0f);
    SIM_Health::Instance().SetState(SIM_Health::kWell);
    SetGlobalValue("dog", 0.0f);
    SetGlobalValue("cat", 0.0f);
    CurrentDate().SetDaysToFullMoon(15);
    SeedRandom(7);
  }
  void TearDown() override {
    // A manager built by Instance read this test's clock and holds the device open.
    GUI_Sounds::DestroyInstanceForTesting();
    DebugLog::Instance().Close();
    DebugLog::Instance().SetPath("./debugdata/debug.txt");
    for (int i = 0; i < SIM_PlayerOptions::kConfigCount; ++i) Options().SetConfig(i, savedConfig_[i]);
    for (int i = 0; i < SIM_PlayerOptions::kToggleCount; ++i) Options().SetToggle(i, savedToggle_[i]);
    Player().SetGenderFromAvatar(savedGender_ == kMale ? "m_saved" : "f_saved");
    SIM_Health::Instance().SetState(savedIllness_);
    CurrentDate() = savedDate_;
  }
  std::string Log() const { return ReadFile(logDir.Path() / "debugdata/debug.txt"); }

  TempDir logDir;
  ManualTimerClock clock;  // before any manager, so their timers read it

 private:
  float savedConfig_[SIM_PlayerOptions::kConfigCount] = {};
  bool savedToggle_[SIM_PlayerOptions::kToggleCount] = {};
  int savedGender_ = kMale;
  int savedIllness_ = SIM_Health::Instance().GetState();
  SIM_Date savedDate_ = CurrentDate();
  RestoredValue happiness_ = PlayerValue("happiness");
  RestoredValue tiredness_ = PlayerValue("tiredness");
  RestoredValue dog_ = GlobalValue("dog");
  RestoredValue cat_ = GlobalValue("cat");
};

// A game folder of its own: data/sounds/music with the given tracks, and a user folder.
class MusicFolderTest : public SoundsTest {
 protected:
  void SetUp() override {
    SoundsTest::SetUp();
    fs::create_directories(game.Path() / "data/sounds/music");
    fs::create_directories(game.Path() / "user/mods");
  }
  void ShippedTrack(const std::string& from, const fs::path& to) {
    fs::copy_file(kSource / "data/sounds/music" / from, game.Path() / to);
  }
  std::string User() const { return (game.Path() / "user").string(); }

  TempDir game;
};

}  // namespace

TEST_F(SoundsTest, OpensSilentlyWhenNoDeviceCanBeUsed) {
  ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
  GUI_Sounds sounds;
  EXPECT_EQ(plat::AudioDriverName(), "dummy");
  EXPECT_EQ(sounds.PlaySound("data/sounds/click.ogg"), 0);
}

TEST_F(SoundsTest, EightSlotsThenNoFreeChannel) {
  GUI_Sounds sounds;
  for (int i = 0; i < GUI_Sounds::kSlotCount; ++i)
    EXPECT_EQ(sounds.PlaySound("data/sounds/rain_loop.ogg", true), i);
  EXPECT_EQ(sounds.PlaySound("data/sounds/click.ogg"), -1);
  EXPECT_NE(Log().find("No free channels"), std::string::npos);
  EXPECT_EQ(sounds.CachedSoundCount(), 1u);  // decoded once for all eight

  // Stopping one slot frees exactly that slot; slots out of range are ignored.
  sounds.StopSlot(3);
  sounds.StopSlot(8);
  sounds.StopSlot(-1);
  EXPECT_EQ(sounds.PlaySound("data/sounds/click.ogg", true), 3);
  EXPECT_EQ(sounds.SlotName(3), "data/sounds/click.ogg");

  sounds.StopSound("data/sounds/rain_loop.ogg");
  EXPECT_FALSE(sounds.IsSoundPlaying("data/sounds/rain_loop.ogg"));
  EXPECT_TRUE(sounds.IsSoundPlaying("data/sounds/click.ogg"));
  EXPECT_EQ(sounds.PlaySound("data/sounds/cat.ogg"), 0);
}

TEST_F(SoundsTest, OnlyTheFirstClickVariantSounds) {
  GUI_Sounds sounds;
  sounds.PlayClick(1);
  sounds.PlayClick(7);
  EXPECT_EQ(sounds.CachedSoundCount(), 0u);
  EXPECT_FALSE(AnySlotNamed(sounds, "data/sounds/click.ogg"));
  sounds.PlayClick(0);
  EXPECT_EQ(sounds.SlotName(0), "data/sounds/click.ogg");
}

TEST_F(SoundsTest, MissingOrCorruptEffectsAreSkippedWithoutStopping) {
  FatalCatcher fatal;
  TempDir dir;
  WriteFile(dir.Path() / "broken.ogg", "OggS but not really an ogg file at all");
  GUI_Sounds sounds;
  EXPECT_EQ(sounds.PlaySound("data/sounds/no_such_sound.ogg"), -1);
  EXPECT_EQ(sounds.PlaySound((dir.Path() / "broken.ogg").string()), -1);
  EXPECT_EQ(sounds.CachedSoundCount(), 0u);
  EXPECT_NE(Log().find("Failed to create sound"), std::string::npos);
  // The slots were not used up by the failures.
  EXPECT_EQ(sounds.PlaySound("data/sounds/click.ogg"), 0);
}

TEST_F(SoundsTest, CacheTellsSameNamedFilesApartAndSpellingsTogether) {
  TempDir dir;
  WriteFile(dir.Path() / "a/x.wav", MakeWav(0.2, 20));
  WriteFile(dir.Path() / "b/x.wav", MakeWav(0.3, 80));
  ScopedChdir cd(dir.Path());
  GUI_Sounds sounds;
  EXPECT_GE(sounds.PlaySound("a/x.wav"), 0);
  EXPECT_GE(sounds.PlaySound("b/x.wav"), 0);
  EXPECT_EQ(sounds.CachedSoundCount(), 2u);
  EXPECT_GE(sounds.PlaySound("./A\\X.WAV"), 0);
  EXPECT_EQ(sounds.CachedSoundCount(), 2u);
}

TEST_F(SoundsTest, PannedSoundTakesItsVolumeAndAFreshSlotStartsFull) {
  GUI_Sounds sounds;
  const int slot = sounds.PlaySoundPanned("data/sounds/rain_loop.ogg", 0.5f, -1.0f, true);
  ASSERT_EQ(slot, 0);
  EXPECT_NEAR(plat::GetChannelVolume(slot), 0.5f, 0.01f);
  sounds.StopSlot(slot);
  ASSERT_EQ(sounds.PlaySound("data/sounds/rain_loop.ogg", true), 0);
  EXPECT_NEAR(plat::GetChannelVolume(0), 1.0f, 0.01f);
  EXPECT_EQ(sounds.PlaySoundPanned("data/sounds/missing.ogg", 0.5f, 0.0f), -1);
}

TEST_F(SoundsTest, StartUpPlaysTheShippedTracksOneAfterAnother) {
  GUI_Sounds& sounds = GUI_Sounds::Instance();
  sounds.BuildMusicPlayList();
  const std::vector<std::string> list = sounds.PlayListPaths();
  ASSERT_GE(list.size(), 3u);
  EXPECT_EQ(list[0], "data/sounds/music/track01.ogg");
  EXPECT_TRUE(sounds.IsMusicPlaying());
  EXPECT_EQ(sounds.CurrentTrack(), 0);

  sounds.UpdateSounds();  // still playing: nothing changes
  EXPECT_EQ(sounds.CurrentTrack(), 0);

  // The track finishes (well after it began): the next one starts.
  clock.Advance(60000);
  plat::HaltMusic();
  sounds.UpdateSounds();
  EXPECT_EQ(sounds.CurrentTrack(), 1);
  EXPECT_TRUE(sounds.IsMusicPlaying());
  EXPECT_FALSE(sounds.IsTrackBad(0));
  EXPECT_EQ(Log().find("Failed"), std::string::npos);
}

TEST_F(MusicFolderTest, ListsTheGameTracksThenTheUsersModsAndWraps) {
  ShippedTrack("track01.ogg", "data/sounds/music/b.ogg");
  ShippedTrack("track02.ogg", "data/sounds/music/A.ogg");
  ShippedTrack("track03.ogg", "user/mods/mine.OGG");
  WriteFile(game.Path() / "user/mods/notes.txt", "not music");
  ScopedChdir cd(game.Path());
  GUI_Sounds sounds;
  sounds.BuildMusicPlayList(User());
  EXPECT_EQ(sounds.PlayListPaths(),
            (std::vector<std::string>{"data/sounds/music/A.ogg", "data/sounds/music/b.ogg",
                                      User() + "/mods/mine.OGG"}));
  for (int expected : {1, 2, 0}) {
    clock.Advance(30000);
    plat::HaltMusic();
    sounds.UpdateSounds();
    EXPECT_EQ(sounds.CurrentTrack(), expected);
    EXPECT_TRUE(sounds.IsMusicPlaying());
  }
  sounds.PlayNextTrack();
  sounds.RestartMusic();
  EXPECT_EQ(sounds.CurrentTrack(), 0);
  EXPECT_EQ(sounds.MusicOpenAttempts(), 6);

  // Music switched off while a track plays: when it ends, nothing follows.
  Options().SetToggle(SIM_PlayerOptions::kEnableMusic, false);
  clock.Advance(30000);
  plat::HaltMusic();
  sounds.UpdateSounds();
  EXPECT_FALSE(sounds.HasMusic());
  EXPECT_EQ(sounds.CurrentTrack(), 0);
  for (int frame = 0; frame < 10; ++frame) sounds.UpdateSounds();
  EXPECT_EQ(sounds.CurrentTrack(), 0);
  Options().SetToggle(SIM_PlayerOptions::kEnableMusic, true);
  sounds.RestartMusic();
  EXPECT_EQ(sounds.MusicOpenAttempts(), 7);
  sounds.StopMusic();
  EXPECT_FALSE(sounds.HasMusic());
  sounds.UpdateSounds();  // stopped music stays stopped
  EXPECT_FALSE(sounds.IsMusicPlaying());
}

TEST_F(MusicFolderTest, ATrackInModsPlaysFromThere) {
  ShippedTrack("track02.ogg", "user/mods/only.ogg");
  ScopedChdir cd(game.Path());
  GUI_Sounds sounds;
  sounds.BuildMusicPlayList(User());
  ASSERT_EQ(sounds.PlayListPaths(), std::vector<std::string>{User() + "/mods/only.ogg"});
  EXPECT_TRUE(sounds.IsMusicPlaying());
}

TEST_F(MusicFolderTest, MusicSwitchedOffStartsNoTrack) {
  ShippedTrack("track01.ogg", "data/sounds/music/one.ogg");
  Options().SetToggle(SIM_PlayerOptions::kEnableMusic, false);
  ScopedChdir cd(game.Path());
  GUI_Sounds sounds;
  sounds.BuildMusicPlayList(User());
  EXPECT_EQ(sounds.PlayListPaths().size(), 1u);
  EXPECT_FALSE(sounds.HasMusic());
  EXPECT_EQ(sounds.MusicOpenAttempts(), 0);
  sounds.RestartMusic();
  sounds.PlayNextTrack();
  EXPECT_FALSE(sounds.HasMusic());
  // A night-club evening that ends has no music to bring back.
  sounds.PlayNightclubMusic((kSource / "data/sounds/dancemusic.ogg").string());
  plat::HaltChannel(plat::kNightclubChannel);
  sounds.UpdateSounds();
  EXPECT_FALSE(sounds.IsNightclubPlaying());
  EXPECT_FALSE(sounds.IsMusicPlaying());
}

TEST_F(MusicFolderTest, BadTracksAreSkippedAndNeverRetriedEveryFrame) {
  WriteFile(game.Path() / "data/sounds/music/bad.ogg", "garbage that no decoder accepts");
  WriteFile(game.Path() / "user/mods/broken.ogg", "");
  ScopedChdir cd(game.Path());
  FatalCatcher fatal;
  GUI_Sounds sounds;
  sounds.BuildMusicPlayList(User());
  EXPECT_EQ(sounds.MusicOpenAttempts(), 2);
  EXPECT_TRUE(sounds.IsTrackBad(0));
  EXPECT_TRUE(sounds.IsTrackBad(1));
  EXPECT_FALSE(sounds.HasMusic());
  for (int frame = 0; frame < 100; ++frame) {
    clock.Advance(16);
    sounds.UpdateSounds();
  }
  sounds.PlayNextTrack();
  sounds.RestartMusic();
  EXPECT_EQ(sounds.MusicOpenAttempts(), 2);
  EXPECT_NE(Log().find("Failed to createStream"), std::string::npos);
}

TEST_F(MusicFolderTest, AGoodTrackPlaysOnBetweenBadOnes) {
  WriteFile(game.Path() / "data/sounds/music/a_bad.ogg", "not audio");
  ShippedTrack("track01.ogg", "data/sounds/music/b_good.ogg");
  ScopedChdir cd(game.Path());
  GUI_Sounds sounds;
  sounds.BuildMusicPlayList(User());
  EXPECT_EQ(sounds.CurrentTrack(), 1);
  EXPECT_TRUE(sounds.IsTrackBad(0));
  EXPECT_TRUE(sounds.IsMusicPlaying());
  clock.Advance(40000);
  plat::HaltMusic();
  sounds.UpdateSounds();
  EXPECT_EQ(sounds.CurrentTrack(), 1);
  EXPECT_TRUE(sounds.IsMusicPlaying());
  EXPECT_EQ(sounds.MusicOpenAttempts(), 3);  // the bad track was tried only the first time
}

TEST_F(MusicFolderTest, ATrackThatEndsAtOnceIsNotRestarted) {
  ShippedTrack("track01.ogg", "data/sounds/music/only.ogg");
  ScopedChdir cd(game.Path());
  GUI_Sounds sounds;
  sounds.BuildMusicPlayList(User());
  ASSERT_TRUE(sounds.IsMusicPlaying());
  plat::HaltMusic();  // over within the first frame
  clock.Advance(16);
  sounds.UpdateSounds();
  EXPECT_TRUE(sounds.IsTrackBad(0));
  EXPECT_FALSE(sounds.HasMusic());
  for (int frame = 0; frame < 50; ++frame) sounds.UpdateSounds();
  EXPECT_EQ(sounds.MusicOpenAttempts(), 1);
}

TEST_F(SoundsTest, NightclubMusicMutesThePlayListUntilItEnds) {
  Options().SetConfig(SIM_PlayerOptions::kMusicVolume, 0.8f);
  GUI_Sounds sounds;
  sounds.BuildMusicPlayList("");
  ASSERT_TRUE(sounds.IsMusicPlaying());
  EXPECT_NEAR(plat::GetMusicVolume(), 0.8f, 0.001f);

  sounds.PlayNightclubMusic("data/sounds/dancemusic.ogg");
  EXPECT_TRUE(sounds.IsNightclubPlaying());
  EXPECT_TRUE(sounds.IsSoundPlaying("data/sounds/dancemusic.ogg"));
  EXPECT_TRUE(sounds.IsMusicMuted());
  EXPECT_TRUE(sounds.IsMusicPlaying());  // muted, not stopped
  EXPECT_EQ(plat::GetMusicVolume(), 0.0f);

  // Focus coming back does not bring the play list back under the night-club music.
  sounds.MuteMusic();
  sounds.RefreshMusicVolume();
  EXPECT_TRUE(sounds.IsMusicMuted());
  sounds.UpdateSounds();
  EXPECT_TRUE(sounds.IsNightclubPlaying());

  plat::HaltChannel(plat::kNightclubChannel);  // the evening's track ends
  sounds.UpdateSounds();
  EXPECT_FALSE(sounds.IsNightclubPlaying());
  EXPECT_FALSE(sounds.IsSoundPlaying("data/sounds/dancemusic.ogg"));
  EXPECT_FALSE(sounds.IsMusicMuted());
  EXPECT_NEAR(plat::GetMusicVolume(), 0.8f, 0.001f);
}

TEST_F(SoundsTest, AMissingNightclubTrackLeavesTheMusicAlone) {
  FatalCatcher fatal;
  GUI_Sounds sounds;
  sounds.BuildMusicPlayList("");
  sounds.PlayNightclubMusic("data/sounds/no_club.ogg");
  EXPECT_FALSE(sounds.IsNightclubPlaying());
  EXPECT_FALSE(sounds.IsMusicMuted());
  EXPECT_NE(Log().find("Failed to createStream"), std::string::npos);
}

TEST_F(SoundsTest, VolumesComeFromThePlayerOptions) {
  Options().SetConfig(SIM_PlayerOptions::kMasterVolume, 0.5f);
  Options().SetConfig(SIM_PlayerOptions::kMusicVolume, 0.5f);
  GUI_Sounds sounds;
  sounds.BuildMusicPlayList("");
  EXPECT_NEAR(plat::GetMasterVolume(), 0.5f, 0.01f);
  EXPECT_NEAR(plat::GetMusicVolume(), 0.25f, 0.001f);  // the master scales the music too
  sounds.MuteMusic();
  EXPECT_TRUE(sounds.IsMusicMuted());
  EXPECT_EQ(plat::GetMusicVolume(), 0.0f);
  Options().SetConfig(SIM_PlayerOptions::kMusicVolume, 1.0f);
  sounds.RefreshMusicVolume();
  EXPECT_FALSE(sounds.IsMusicMuted());
  EXPECT_NEAR(plat::GetMusicVolume(), 0.5f, 0.001f);
}

TEST_F(SoundsTest, PlayerSoundsFollowTheirOrderAndTimer) {
  SIM_Health& health = SIM_Health::Instance();
  GUI_Sounds sounds;

  // Healthy, rested and happy: silent however long, and the timer is left run out.
  clock.Advance(30000);
  for (int frame = 0; frame < 5; ++frame) sounds.UpdateSounds();
  for (const char* file : {"data/sounds/yawn.ogg", "data/sounds/male_sigh.ogg",
                           "data/sounds/female_sigh.ogg", "data/sounds/cough.ogg"})
    EXPECT_FALSE(AnySlotNamed(sounds, file)) << file;

  // So unhappiness is heard on the very next frame.
  Player().SetValue("happiness", 0.4f);
  sounds.UpdateSounds();
  EXPECT_EQ(SlotsNamed(sounds, "data/sounds/male_sigh.ogg"), 1);

  // The timer restarted: nothing more until 15 to 25 seconds have passed.
  Player().SetValue("tiredness", 0.9f);
  clock.Advance(14000);
  sounds.UpdateSounds();
  EXPECT_FALSE(AnySlotNamed(sounds, "data/sounds/yawn.ogg"));
  clock.Advance(11001);
  sounds.UpdateSounds();
  EXPECT_TRUE(AnySlotNamed(sounds, "data/sounds/yawn.ogg"));  // tiredness comes before mood

  // Illness comes before everything: coughing.
  health.SetState(SIM_Health::kCoughing);
  clock.Advance(25001);
  sounds.UpdateSounds();
  EXPECT_TRUE(AnySlotNamed(sounds, "data/sounds/cough.ogg"));

  // Sneezing picks one of the two sneezes; ill from stress is silent but restarts the timer.
  health.SetState(SIM_Health::kSneezing);
  clock.Advance(25001);
  sounds.UpdateSounds();
  EXPECT_TRUE(AnySlotNamed(sounds, "data/sounds/sneeze1.wav") ||
              AnySlotNamed(sounds, "data/sounds/sneeze2.wav"));
  for (int slot = 0; slot < GUI_Sounds::kSlotCount; ++slot) sounds.StopSlot(slot);
  health.SetState(SIM_Health::kStressed);
  clock.Advance(25001);
  sounds.UpdateSounds();
  health.SetState(SIM_Health::kWell);
  Player().SetValue("tiredness", 0.0f);
  Player().SetGenderFromAvatar("f_test");
  sounds.UpdateSounds();  // the stress illness restarted the timer: no sigh yet
  EXPECT_FALSE(AnySlotNamed(sounds, "data/sounds/female_sigh.ogg"));
  clock.Advance(25001);
  sounds.UpdateSounds();
  EXPECT_TRUE(AnySlotNamed(sounds, "data/sounds/female_sigh.ogg"));
}

TEST_F(SoundsTest, PetsSoundOnTheirOwnTimers) {
  GUI_Sounds sounds;
  clock.Advance(60000);
  sounds.UpdateSounds();  // no pets: nothing
  EXPECT_FALSE(AnySlotNamed(sounds, "data/sounds/dogbark.wav"));
  EXPECT_FALSE(AnySlotNamed(sounds, "data/sounds/cat.ogg"));

  SetGlobalValue("dog", 1.0f);
  SetGlobalValue("cat", 1.0f);
  sounds.UpdateSounds();
  EXPECT_EQ(SlotsNamed(sounds, "data/sounds/dogbark.wav"), 1);
  EXPECT_EQ(SlotsNamed(sounds, "data/sounds/cat.ogg"), 1);

  // Both restarted: at least 24 seconds of quiet, and a full moon makes the dog howl.
  CurrentDate().SetDaysToFullMoon(0);
  clock.Advance(23000);
  sounds.UpdateSounds();
  EXPECT_FALSE(AnySlotNamed(sounds, "data/sounds/doghowl.ogg"));
  EXPECT_EQ(SlotsNamed(sounds, "data/sounds/cat.ogg"), 1);
  clock.Advance(25001);
  sounds.UpdateSounds();
  EXPECT_TRUE(AnySlotNamed(sounds, "data/sounds/doghowl.ogg"));

  // Buying a pet restarts its timer.
  for (int slot = 0; slot < GUI_Sounds::kSlotCount; ++slot) sounds.StopSlot(slot);
  clock.Advance(60000);
  sounds.ResetCatSoundTimer();
  sounds.UpdateSounds();
  EXPECT_FALSE(sounds.IsSoundPlaying("data/sounds/cat.ogg"));
  EXPECT_TRUE(sounds.IsSoundPlaying("data/sounds/doghowl.ogg"));
}

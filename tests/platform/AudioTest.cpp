// The mixer layer on the silent driver: reference-counted opening, channel volume and pan,
// and the decoded streams on their reserved channels.
#include <gtest/gtest.h>

#include "platform/Audio.h"

namespace {

class AudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    openedElsewhere = plat::IsAudioOpen();  // the game's sound manager, in a one-process run
    std::string error;
    ASSERT_TRUE(plat::OpenAudio(error)) << error;
  }
  void TearDown() override { plat::CloseAudio(); }
  bool openedElsewhere = false;
};

}  // namespace

TEST_F(AudioTest, OpeningIsCountedAndTheLastCloseEndsIt) {
  std::string error;
  ASSERT_TRUE(plat::OpenAudio(error));
  plat::CloseAudio();
  EXPECT_TRUE(plat::IsAudioOpen());
  EXPECT_FALSE(plat::AudioDriverName().empty());
  plat::CloseAudio();
  if (openedElsewhere) {
    EXPECT_TRUE(plat::IsAudioOpen());
    ASSERT_TRUE(plat::OpenAudio(error));  // for TearDown
    return;
  }
  EXPECT_FALSE(plat::IsAudioOpen());
  // Nothing works while closed, and nothing crashes either.
  EXPECT_EQ(plat::LoadSound("data/sounds/click.ogg", error), nullptr);
  EXPECT_FALSE(plat::IsChannelPlaying(0));
  plat::HaltChannel(0);
  ASSERT_TRUE(plat::OpenAudio(error));  // for TearDown
}

TEST_F(AudioTest, ChannelsOutsideTheMixerAreIgnored) {
  std::string error;
  plat::SoundChunk* click = plat::LoadSound("data/sounds/click.ogg", error);
  ASSERT_NE(click, nullptr) << error;
  EXPECT_FALSE(plat::PlaySoundOnChannel(-1, click, false, error));
  EXPECT_FALSE(plat::PlaySoundOnChannel(plat::kMixerChannelCount, click, false, error));
  EXPECT_FALSE(plat::IsChannelPlaying(plat::kMixerChannelCount));
  plat::SetChannelVolume(99, 0.5f);
  plat::SetChannelPan(99, 0.5f);
  EXPECT_TRUE(plat::PlaySoundOnChannel(2, click, true, error));
  plat::SetChannelVolume(2, 3.0f);  // clamped
  EXPECT_FLOAT_EQ(plat::GetChannelVolume(2), 1.0f);
  plat::SetChannelVolume(2, 0.25f);
  EXPECT_NEAR(plat::GetChannelVolume(2), 0.25f, 0.01f);
  plat::FreeSound(click);  // stops the channel playing it
  EXPECT_FALSE(plat::IsChannelPlaying(2));
}

TEST_F(AudioTest, StreamsHoldOneTrackAndFreeItWhenStopped) {
  plat::AudioStream rain(plat::kRainChannel);
  std::string error;
  EXPECT_FALSE(rain.Play(true, error));
  ASSERT_TRUE(rain.Open("data/sounds/rain_loop.ogg", error)) << error;
  ASSERT_TRUE(rain.Play(true, error));
  EXPECT_TRUE(rain.IsPlaying());
  EXPECT_TRUE(plat::IsChannelPlaying(plat::kRainChannel));
  rain.SetVolume(0.5f);
  EXPECT_NEAR(plat::GetChannelVolume(plat::kRainChannel), 0.5f, 0.01f);
  // Opening another file replaces the track; a failed open leaves nothing held.
  EXPECT_FALSE(rain.Open("data/sounds/none.ogg", error));
  EXPECT_FALSE(rain.IsOpen());
  EXPECT_FALSE(plat::IsChannelPlaying(plat::kRainChannel));
  ASSERT_TRUE(rain.Open("data/sounds/thunder.ogg", error));
  ASSERT_TRUE(rain.Play(false, error));
  rain.Stop();
  EXPECT_FALSE(rain.IsOpen());
  EXPECT_FALSE(rain.IsPlaying());
}

TEST_F(AudioTest, MusicVolumeIsKeptAcrossTracks) {
  std::string error;
  plat::SetMusicVolume(0.4f);
  plat::MusicTrack* track = plat::LoadMusic("data/sounds/music/track01.ogg", error);
  ASSERT_NE(track, nullptr) << error;
  ASSERT_TRUE(plat::PlayMusic(track, error));
  EXPECT_TRUE(plat::IsMusicPlaying());
  EXPECT_NEAR(plat::GetMusicVolume(), 0.4f, 0.001f);
  plat::FreeMusic(track);
  EXPECT_FALSE(plat::IsMusicPlaying());
  EXPECT_EQ(plat::LoadMusic("data/sounds/click.wav", error), nullptr);
}

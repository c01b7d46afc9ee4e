// The main scene's weather and ambient animations on the off-screen renderer, with the test's
// clock: rain and its loop and thunder, snow and its snowdrops, the night club's lights, the
// fish and the flies. Pictures are left out (every particle draws as its plain colour), so the
// read-back pixels show exactly what was drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <set>
#include <vector>

#include "app/GUI_Sounds.h"
#include "engine/RenderFixture.h"
#include "engine/Timer.h"
#include "gui/GUI_FishTank.h"
#include "gui/GUI_NightClubLights.h"
#include "gui/GUI_Rain.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Snow.h"
#include "platform/Audio.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Weather.h"

namespace {

constexpr int kW = 256, kH = 192;

class WeatherEffectsTest : public rendertest::RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    engine.Release();
    ASSERT_TRUE(engine.InitOffscreen(kW, kH));
    // The game's sounds, found where the game finds them.
    std::filesystem::create_directory_symlink(std::filesystem::path(TOVEL_SOURCE_DIR) / "data",
                                              dir.Path() / "data");
    std::string error;
    ASSERT_TRUE(plat::OpenAudio(error)) << error;
    GUI_Services::SetRecording(true);
    effects = SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableWeatherEffects);
    snowfall = SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kSnowfall);
    SetEffects(true);
  }
  void TearDown() override {
    GUI_Rain::Instance().ResetForTesting();
    GUI_Snow::ResetSnowdrops();
    SIM_Weather::Instance().Clear();
    GlobalNamedValues().Clear();
    SetEffects(effects);
    SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kSnowfall, snowfall);
    GUI_Services::SetRecording(false);
    // Thunder reached the sound manager through the shell: it goes, and its device with it.
    GUI_Sounds::DestroyInstanceForTesting();
    plat::CloseAudio();
    RenderTest::TearDown();
  }
  static void SetEffects(bool on) {
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableWeatherEffects, on);
  }
  // A frame on a black screen: the drawing, then the whole buffer read back.
  template <typename Draw>
  std::vector<uint32_t> Shot(Draw draw) {
    engine.Flip();  // clears to black
    engine.BeginRender();
    draw();
    engine.EndScene();
    return ReadScreen();
  }
  static int Lit(const std::vector<uint32_t>& px) {
    int n = 0;
    for (uint32_t p : px) n += (p & 0x00FFFFFFu) != 0;
    return n;
  }
  static int ThunderSounds() {
    int n = 0;
    for (const std::string& s : GUI_Services::RecordedSounds()) n += s == GUI_Rain::kThunderFile;
    return n;
  }

  ManualTimerClock clock;
  bool effects = false;
  float snowfall = 0.0f;
};

// ---------------------------------------------------------------------------------------------
// Rain

TEST_F(WeatherEffectsTest, RainFadesInWithItsLoopShowsDropsAndStopsAsItDriesUp) {
  GUI_Rain rain;
  rain.DrawFrame(0.1f, 1.0f);
  EXPECT_FLOAT_EQ(rain.GetIntensity(), 0.01f);
  EXPECT_TRUE(rain.IsPlaying());
  // The loop from the first frame, never quieter than 0.2 however light the rain.
  EXPECT_TRUE(plat::IsChannelPlaying(plat::kRainChannel));
  EXPECT_NEAR(plat::GetChannelVolume(plat::kRainChannel), 0.2f, 0.01f);
  for (int i = 0; i < 20; ++i) rain.DrawFrame(0.1f, 1.0f);
  EXPECT_FLOAT_EQ(rain.GetIntensity(), 0.1f);  // never past the target

  // Heavier rain: a hundredth a frame, a share of the 512 drops, white quads on the screen.
  for (int i = 0; i < 90; ++i) rain.DrawFrame(1.0f, 1.0f);
  EXPECT_FLOAT_EQ(rain.GetIntensity(), 1.0f);
  const std::vector<uint32_t> px = Shot([&] { rain.DrawFrame(1.0f, 1.0f); });
  EXPECT_EQ(rain.DrawnDrops(), GUI_Rain::kMaxDrops);
  int drops = 0;
  for (uint32_t p : px) drops += (p & 0xFF) >= 100 && (p & 0xFF) <= 160;  // white at alpha 128
  EXPECT_GT(drops, 3000);

  // Drying up: the loop stops on the frame the intensity reaches 0, and nothing is drawn.
  for (int i = 0; i < 99; ++i) rain.DrawFrame(0.0f, 1.0f);
  EXPECT_TRUE(plat::IsChannelPlaying(plat::kRainChannel));
  rain.DrawFrame(0.0f, 1.0f);
  EXPECT_EQ(rain.GetIntensity(), 0.0f);
  EXPECT_FALSE(rain.IsPlaying());
  EXPECT_FALSE(plat::IsChannelPlaying(plat::kRainChannel));
  clock.Advance(600);
  EXPECT_EQ(Lit(Shot([&] { rain.DrawFrame(0.0f, 1.0f); })), 0);
  rain.DrawFrame(std::numeric_limits<float>::quiet_NaN(), 1.0f);  // a corrupt day is dry
  EXPECT_EQ(rain.GetIntensity(), 0.0f);
}

TEST_F(WeatherEffectsTest, SplashesAreFewLiveTheirTimeAndNoneComeWithoutRain) {
  GUI_Rain rain;
  int most = 0;
  for (int i = 0; i < 300; ++i) {
    clock.Advance(12);
    rain.DrawFrame(1.0f, 3.0f);
    most = std::max(most, rain.ActiveSplashes());
  }
  EXPECT_GT(most, 0);
  EXPECT_LE(most, GUI_Rain::kSplashes);
  // Every frame of a dry spell: no splash is taken, however the drops fell.
  for (int i = 0; i < 200; ++i) {
    clock.Advance(12);
    rain.DrawFrame(0.0f, 3.0f);
    if (rain.GetIntensity() == 0.0f) {
      EXPECT_EQ(rain.DrawnDrops(), 0);
    }
  }
  EXPECT_EQ(rain.ActiveSplashes(), 0);
}

// ---------------------------------------------------------------------------------------------
// Thunder

TEST_F(WeatherEffectsTest, NoThunderBelowAQuarterAndStormsThunderAtLeastSevenSecondsApart) {
  GUI_Rain rain;
  for (int i = 0; i < 120; ++i) {  // a minute of light rain
    clock.Advance(500);
    rain.DrawFrame(0.24f, 1.0f);
  }
  EXPECT_EQ(rain.ThunderCount(), 0);
  EXPECT_EQ(ThunderSounds(), 0);
  EXPECT_EQ(rain.GetFlash(), 0.0f);

  double last = -1.0, shortest = 1e9;
  for (int i = 0; i < 600; ++i) {  // five minutes of storm
    clock.Advance(500);
    const int before = rain.ThunderCount();
    rain.DrawFrame(0.8f, 1.0f);
    if (rain.ThunderCount() == before) continue;
    const double now = rain.NowMs();
    if (last >= 0) shortest = std::min(shortest, now - last);
    last = now;
  }
  EXPECT_GE(rain.ThunderCount(), 15);  // one every 7 to 20 s
  EXPECT_LE(rain.ThunderCount(), 44);
  EXPECT_GE(shortest, 7000.0);
  EXPECT_EQ(ThunderSounds(), rain.ThunderCount());
}

TEST_F(WeatherEffectsTest, TheFlashFadesByItsShareOfTheFrameStep) {
  GUI_Rain rain;
  clock.Advance(1);
  rain.DrawFrame(1.0f, 1.0f);  // the storm begins
  clock.Advance(20001);
  rain.DrawFrame(1.0f, 0.0f);  // thunder on a frame that takes no time
  ASSERT_EQ(rain.ThunderCount(), 1);
  EXPECT_FLOAT_EQ(rain.GetFlash(), 1.0f);
  // Drawn white over the whole screen.
  clock.Advance(1);
  const std::vector<uint32_t> px = Shot([&] { rain.DrawFrame(1.0f, 2.0f); });
  EXPECT_NEAR(rain.GetFlash(), 1.0f - 0.15f, 1e-5f);
  int flashed = 0;
  for (uint32_t p : px) flashed += (p & 0xFF) >= 214 && (p & 0xFF) <= 219 && (p >> 16 & 0xFF) >= 214;
  EXPECT_GT(flashed, kW * kH * 9 / 10);
  rain.DrawFrame(1.0f, 3.0f);
  EXPECT_NEAR(rain.GetFlash(), 1.0f - 0.15f - 0.225f, 1e-5f);
  for (int i = 0; i < 10; ++i) rain.DrawFrame(1.0f, 3.0f);
  EXPECT_EQ(rain.GetFlash(), 0.0f);  // never below 0
}

// A storm from its first frame (a game loaded on a stormy day, the screen entered from the
// menus while it storms, a stormy day after a drizzly one): the room is seen first; the first
// flash comes 7 to 20 s later and the next 7 to 20 s after it. So on a fresh rain clock, on
// one that has run a dry day, and on one that has drizzled all day.
TEST_F(WeatherEffectsTest, AStormsFirstThunderWaitsItsDelayFromTheFirstFrame) {
  constexpr double kDayMs = 24.0 * 60.0 * 60.0 * 1000.0;
  for (const float dayBefore : {-1.0f, 0.0f, 0.2f}) {
    SCOPED_TRACE(dayBefore);
    GUI_Rain rain;
    if (dayBefore >= 0.0f) {
      rain.DrawFrame(dayBefore, 1.0f);
      clock.Advance(kDayMs);
      rain.DrawFrame(dayBefore, 1.0f);
      ASSERT_EQ(rain.ThunderCount(), 0);
    }
    for (int resumed = 0; resumed < 2; ++resumed) {
      std::vector<double> struck;
      const double began = rain.NowMs();
      for (int i = 0; i < 100 && struck.size() < 2; ++i) {
        const int before = rain.ThunderCount();
        rain.DrawFrame(1.0f, 1.0f);
        if (i == 0) {
          EXPECT_EQ(rain.GetFlash(), 0.0f) << "a flash on the storm's first frame";
        }
        if (rain.ThunderCount() > before) struck.push_back(rain.NowMs());
        clock.Advance(500);
      }
      ASSERT_EQ(struck.size(), 2u) << "fewer than two thunders in 50 s of storm";
      EXPECT_GE(struck[0] - began, 7000.0);
      EXPECT_LE(struck[0] - began, 20500.0);
      EXPECT_GE(struck[1] - struck[0], 7000.0);
      EXPECT_LE(struck[1] - struck[0], 20500.0);
      for (int i = 0; i < 20; ++i) rain.DrawFrame(1.0f, 1.0f);  // the flash fades, no time passes
      rain.StopLoop();  // the menus silence it; coming back starts the loop again
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Snow

TEST_F(WeatherEffectsTest, TheSnowfallOptionScalesTheShareButNeverBelowATenth) {
  EXPECT_FLOAT_EQ(GUI_Snow::Share(0.5f, 0.0f), 0.05f);
  EXPECT_FLOAT_EQ(GUI_Snow::Share(0.5f, 0.5f), 0.25f);
  EXPECT_FLOAT_EQ(GUI_Snow::Share(0.8f, 3.0f), 1.0f);
  EXPECT_EQ(GUI_Snow::Share(std::numeric_limits<float>::infinity(), 1.0f), 0.0f);

  // Through the day's weather and the player's option.
  SIM_Weather::Instance().SetWeather(WEATHER_SNOW, 1.0f);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kSnowfall, 0.0f);
  GUI_Snow::Draw();
  EXPECT_EQ(GUI_Snow::Instance().FallingFlakes(), 100);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kSnowfall, 1.0f);
  EXPECT_GT(Lit(Shot([] { GUI_Snow::Draw(); })), 500);
  EXPECT_EQ(GUI_Snow::Instance().FallingFlakes(), GUI_Snow::kFlakes);
  GUI_Snow::Instance().DrawFrame(std::numeric_limits<float>::quiet_NaN(), 1.0f);
  EXPECT_EQ(GUI_Snow::Instance().FallingFlakes(), 0);
}

// Each flake's quad is turned by an angle of its own, anything from 0 to 359 degrees, and the
// flake falls within ten degrees of straight down, some drifting left and some right.
TEST_F(WeatherEffectsTest, FlakesTurnEachByItsOwnAngleAndFallWithinTenDegreesOfStraightDown) {
  GUI_SnowdropEffect drops;
  GUI_Snow snow(&drops);
  DrawRecord frames[2];
  for (int i = 0; i < 2; ++i) {
    DrawRecord* before = engine.SetRecording(&frames[i]);
    engine.BeginRender();
    snow.DrawFrame(1.0f, static_cast<float>(i));  // the first frame takes no time
    engine.EndScene();
    engine.SetRecording(before);
  }
  const std::vector<SpriteVertex>& was = frames[0].vertices;
  const std::vector<SpriteVertex>& now = frames[1].vertices;
  ASSERT_EQ(was.size(), GUI_Snow::kFlakes * 6u);
  ASSERT_EQ(now.size(), was.size());
  const double tenDegrees = std::tan(10.0 * 3.14159265358979 / 180.0);
  std::set<long> angles;
  int left = 0, right = 0, tooSteep = 0;
  for (size_t q = 0; q < was.size(); q += 6) {
    const SpriteVertex* a = &was[q];
    const SpriteVertex* b = &now[q];
    // The quad's top edge runs along its turn.
    double degrees = std::atan2(a[1].y - a[0].y, a[1].x - a[0].x) * 180.0 / 3.14159265358979;
    if (degrees < 0.0) degrees += 360.0;
    angles.insert(std::lround(degrees) % 360);
    const double dx = b[0].x - a[0].x, dy = b[0].y - a[0].y;
    EXPECT_GT(dy, 0.0) << "flake " << q / 6 << " does not fall";
    tooSteep += std::fabs(dx) > dy * tenDegrees + 1e-3;
    left += dx < -1e-3;
    right += dx > 1e-3;
  }
  EXPECT_GT(angles.size(), 250u);  // about 337 different whole degrees in a thousand flakes
  EXPECT_EQ(tooSteep, 0);
  EXPECT_GT(left, 300);
  EXPECT_GT(right, 300);
}

TEST_F(WeatherEffectsTest, LandingFlakesLeaveSnowdropsOnlyWhileABlotIsFree) {
  GUI_SnowdropEffect drops;
  GUI_Snow snow(&drops);
  for (int i = 0; i < 100 && drops.ActiveCount() == 0; ++i) snow.DrawFrame(1.0f, 3.0f);
  EXPECT_GT(drops.ActiveCount(), 0);
  // Falling for long enough fills every blot and then no more: the landing flake has none.
  for (int i = 0; i < 150; ++i) snow.DrawFrame(1.0f, 3.0f);
  EXPECT_EQ(drops.ActiveCount(), GUI_SnowdropEffect::kBlots);
  EXPECT_FALSE(drops.Start(10, 10, 4));
  EXPECT_EQ(drops.ActiveCount(), GUI_SnowdropEffect::kBlots);
  // Drawn: one quad each, on the screen's bottom edge.
  const std::vector<uint32_t> px = Shot([&] { drops.Draw(true); });
  int bottom = 0;
  for (int x = 0; x < kW; ++x) bottom += (px[static_cast<size_t>((kH - 1) * kW + x)] & 0xFF) != 0;
  EXPECT_GT(bottom, 20);
}

TEST_F(WeatherEffectsTest, SnowdropsShrinkEveryHundredMillisecondsAndGoAtSizeOne) {
  GUI_SnowdropEffect drops;
  ASSERT_TRUE(drops.Start(50, 50, 4.0f));  // 8 across
  clock.Advance(99);
  drops.Draw(false);
  EXPECT_FLOAT_EQ(drops.FirstActiveSize(), 8.0f);
  clock.Advance(1);
  drops.Draw(false);
  EXPECT_FLOAT_EQ(drops.FirstActiveSize(), 7.875f);
  clock.Advance(5400);  // 54 steps more
  drops.Draw(false);
  EXPECT_FLOAT_EQ(drops.FirstActiveSize(), 1.125f);
  clock.Advance(100);
  drops.Draw(false);
  EXPECT_EQ(drops.ActiveCount(), 0);
  drops.Start(50, 50, 4.0f);
  drops.Reset();
  EXPECT_EQ(drops.ActiveCount(), 0);
}

TEST_F(WeatherEffectsTest, WithTheToggleOffRainSnowAndSnowdropsDrawNothingButTheLightsStillDo) {
  SIM_Weather::Instance().SetWeather(WEATHER_RAIN, 0.6f);
  GUI_Rain::Instance().ResetForTesting();
  GUI_Rain::Draw();
  EXPECT_TRUE(plat::IsChannelPlaying(plat::kRainChannel));
  GUI_Snow::Instance().DrawFrame(1.0f, 1.0f);  // flakes everywhere
  GUI_SnowdropEffect::Instance().Start(100, 100, 8);
  SetEffects(false);
  EXPECT_EQ(Lit(Shot([] {
              GUI_Snow::Draw();
              GUI_Snow::DrawSnowdrops();
              GUI_Rain::Draw();
            })),
            0);
  EXPECT_FALSE(plat::IsChannelPlaying(plat::kRainChannel));  // silent within the frame
  SetEffects(true);
  GUI_Rain::Draw();  // and back by the rain's own rule
  EXPECT_TRUE(plat::IsChannelPlaying(plat::kRainChannel));
  GUI_NightClubLights lights;
  GUI_Sounds::Instance().PlayNightclubMusic(GUI_NightClubLights::kMusic);
  EXPECT_GT(Lit(Shot([&] { lights.Draw(); })), 1000);
}

// ---------------------------------------------------------------------------------------------
// Night-club lights

// Whether they show is the music's (the night-club report's test); here, how they pulse.
TEST_F(WeatherEffectsTest, EachLightGrowsFromItsBaseSizeToTwiceItOverItsPeriod) {
  GUI_NightClubLights lights;
  for (int i = 0; i < GUI_NightClubLights::kLights; ++i) {
    EXPECT_GE(lights.PeriodOf(i), 90.0f);
    EXPECT_LE(lights.PeriodOf(i), 300.0f);
  }
  // Light 4 (base 64) over one of its periods.
  const float period = lights.PeriodOf(4);
  EXPECT_FLOAT_EQ(lights.SizeOf(4), 64.0f);
  clock.Advance(period / 2.0f);
  EXPECT_NEAR(lights.SizeOf(4), 96.0f, 0.5f);
  clock.Advance(period / 2.0f - 1.0f);
  EXPECT_GT(lights.SizeOf(4), 120.0f);
  clock.Advance(2.0f);
  EXPECT_LT(lights.SizeOf(4), 70.0f);  // snapped back
}

// ---------------------------------------------------------------------------------------------
// Fish and flies

TEST_F(WeatherEffectsTest, FishSwimOnlyWhileFishAreKeptAndResumeWhereTheyWere) {
  GUI_FishTank tank;
  tank.DrawFrame(false, 1.0f);
  ASSERT_TRUE(tank.IsInitialised());
  const float x = tank.GetFish(0).x, y = tank.GetFish(0).y;
  for (int i = 0; i < 10; ++i) tank.DrawFrame(false, 1.0f);
  EXPECT_EQ(tank.GetFish(0).x, x);
  EXPECT_EQ(tank.GetFish(0).y, y);
  tank.DrawFrame(true, 1.0f);
  const float moved = tank.GetFish(0).x;
  EXPECT_NE(moved, x);
  EXPECT_LT(std::fabs(moved - x), 1.01f);  // at most 1 px a frame step, from where it was
  for (int i = 0; i < 10; ++i) tank.DrawFrame(false, 1.0f);
  EXPECT_EQ(tank.GetFish(0).x, moved);

  // Faint white fish on the screen, once one is on it.
  int faint = 0;
  for (int i = 0; i < 5000 && faint <= 1000; ++i) {
    const std::vector<uint32_t> px = Shot([&] { tank.DrawFrame(true, 3.0f); });
    faint = 0;
    for (uint32_t p : px) faint += (p & 0xFF) > 0 && (p & 0xFF) <= 80;
  }
  EXPECT_GT(faint, 1000);
}

TEST_F(WeatherEffectsTest, FishSpeedFollowsSizeAndAFishOffTheScreenTurnsBack) {
  GUI_FishTank::Fish big, small;
  GUI_FishTank::Spawn(big, 128.0f);
  GUI_FishTank::Spawn(small, 48.0f);
  EXPECT_FLOAT_EQ(std::fabs(big.speed), 0.085f);
  EXPECT_FLOAT_EQ(std::fabs(small.speed), 1.0f);
  EXPECT_EQ(big.speed > 0, big.headingRight);
  EXPECT_TRUE(big.headingRight ? big.x <= -64.0f : big.x >= kW + 46.0f);
  // Every fish crosses and comes back the other way, within the screen's band of rows.
  GUI_FishTank tank;
  tank.DrawFrame(true, 3.0f);
  const bool right = tank.GetFish(0).headingRight;
  int frames = 0;
  while (tank.GetFish(0).headingRight == right && frames < 20000) {
    tank.DrawFrame(true, 3.0f);
    ++frames;
  }
  ASSERT_LT(frames, 20000);
  const GUI_FishTank::Fish& turned = tank.GetFish(0);
  EXPECT_EQ(turned.speed > 0, turned.headingRight);
  if (turned.headingRight) {
    EXPECT_LE(turned.x, -60.0f);
  } else {
    EXPECT_GE(turned.x, kW + 40.0f);
  }
  EXPECT_GE(turned.y, 60.0f);
  EXPECT_LE(turned.y, kH - 60.0f);
}

TEST_F(WeatherEffectsTest, FliesGatherWithTheDirtUpToTwelveWhateverTheSaveHolds) {
  EXPECT_EQ(GUI_FishTank::WantedFlies(0.3f), 0);
  EXPECT_EQ(GUI_FishTank::WantedFlies(0.32f), 1);
  EXPECT_EQ(GUI_FishTank::WantedFlies(1.0f), 12);
  EXPECT_EQ(GUI_FishTank::WantedFlies(1e9f), 12);
  EXPECT_EQ(GUI_FishTank::WantedFlies(-3.0f), 0);
  EXPECT_EQ(GUI_FishTank::WantedFlies(std::numeric_limits<float>::quiet_NaN()), 0);

  // A save made the dirt absurd: twelve flies, and the list stops growing there.
  SetGlobalValue("glob_dirt", 1e9f);
  for (int i = 0; i < 5; ++i) GUI_FishTank::DrawFlies();
  ASSERT_EQ(GUI_Insect::All().size(), 12u);
  // Cleaner: the first flies fly on, the rest wait where they are.
  SetGlobalValue("glob_dirt", 0.32f);
  // The list is the program's: an earlier screen may have left its flies anywhere.
  GUI_Insect::All()[0]->x = GUI_Insect::All()[0]->targetX = kW / 2.0f;
  GUI_Insect::All()[0]->y = GUI_Insect::All()[0]->targetY = kH / 2.0f;
  const float firstX = GUI_Insect::All()[0]->x, firstY = GUI_Insect::All()[0]->y;
  const float secondX = GUI_Insect::All()[1]->x, secondY = GUI_Insect::All()[1]->y;
  const std::vector<uint32_t> px = Shot([] { GUI_FishTank::DrawFlies(); });
  EXPECT_GT(Lit(px), 0);
  EXPECT_TRUE(GUI_Insect::All()[0]->x != firstX || GUI_Insect::All()[0]->y != firstY);
  EXPECT_EQ(GUI_Insect::All()[1]->x, secondX);
  EXPECT_EQ(GUI_Insect::All()[1]->y, secondY);
  SetGlobalValue("glob_dirt", 0.3f);
  EXPECT_EQ(Lit(Shot([] { GUI_FishTank::DrawFlies(); })), 0);
  EXPECT_EQ(GUI_Insect::All().size(), 12u);
}

TEST_F(WeatherEffectsTest, AFlyNearItsTargetPicksAnotherCloseByAndOnTheScreen) {
  if (GUI_Insect::All().empty()) new GUI_Insect();  // the game's list: flies are never deleted
  GUI_Insect& fly = *GUI_Insect::All()[0];
  for (int i = 0; i < 50; ++i) {
    fly.x = fly.targetX = 4.0f;
    fly.y = fly.targetY = kH - 4.0f;
    fly.Move(1.0f);
    EXPECT_TRUE(fly.targetX >= 0.0f && fly.targetX <= 132.0f) << fly.targetX;
    EXPECT_TRUE(fly.targetY <= kH && fly.targetY >= kH - 132.0f) << fly.targetY;
    // Three and a half pixels a frame, turning at most 3 degrees a frame step.
    EXPECT_NEAR(std::hypot(fly.x - 4.0f, fly.y - (kH - 4.0f)), 3.5f, 1e-3f);
  }
  fly.heading = 0.0f;
  fly.x = 100;
  fly.y = 100;
  fly.targetX = 300;  // straight to the right, far off
  fly.targetY = 100;
  fly.Move(2.0f);
  EXPECT_FLOAT_EQ(fly.heading, 6.0f);
}

}  // namespace

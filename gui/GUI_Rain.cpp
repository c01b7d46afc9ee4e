// Rain, its splashes, its loop and the storm's thunder.
#include "gui/GUI_Rain.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Particles.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextureSet.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Weather.h"

namespace {

constexpr int kDropEntry = 7;
constexpr int kSplashEntry = 8;
constexpr float kDropHalfWidth = 1.5f, kDropHalfHeight = 10.0f;

GUI_Rain* g_rain = nullptr;

}  // namespace

GUI_Rain& GUI_Rain::Instance() {
  static GUI_Rain rain;
  return rain;
}

void GUI_Rain::Draw() {
  GUI_Rain& rain = Instance();
  if (!SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableWeatherEffects)) {
    // Hidden, and silent: the loop must not go on under a screen without rain.
    rain.StopLoop();
    return;
  }
  rain.DrawFrame(SIM_Weather::Instance().GetIntensity(WEATHER_RAIN),
                 GUI_GUI::Instance().GetFrameStep());
}

void GUI_Rain::SilenceIfBuilt() {
  if (g_rain) g_rain->StopLoop();
}

GUI_Rain::GUI_Rain() {
  if (!g_rain) g_rain = this;
  clock_.Start();
  dropVertices_.reserve(static_cast<size_t>(kMaxDrops) * 6);
  splashVertices_.reserve(static_cast<size_t>(kSplashes) * 6);
}

GUI_Rain::~GUI_Rain() {
  loop_.Stop();
  if (g_rain == this) g_rain = nullptr;
}

double GUI_Rain::NowMs() {
  clock_.Update();
  return clock_.elapsed;
}

int GUI_Rain::ActiveSplashes() const {
  return static_cast<int>(std::count_if(splashes_.begin(), splashes_.end(),
                                        [](const Splash& s) { return s.active; }));
}

void GUI_Rain::StopLoop() {
  loop_.Stop();
  playing_ = false;
}

void GUI_Rain::ResetForTesting() {
  StopLoop();
  intensity_ = target_ = flash_ = 0.0f;
  lastLightningMs_ = lightningDelayMs_ = 0.0;
  thunders_ = 0;
  strikeDue_ = false;
  lastSplashMs_ = -1e9;
  drops_ = {};
  splashes_ = {};
  clock_.Start();
}

void GUI_Rain::StartLoop(float target) {
  playing_ = true;
  // Without a sound device the game runs silent; the sound manager has said so already.
  if (!plat::IsAudioOpen()) return;
  std::string error;
  if (!loop_.Open(kLoopFile, error) || !loop_.Play(true, error)) {
    LogWarning("Failed to create sound", "GUI_Rain", __LINE__);
    DebugLog::Instance().Write("  " + std::string(kLoopFile) + ": " + error);
    loop_.Stop();
    return;
  }
  loop_.SetVolume(std::max(target, kLowestVolume));
}

void GUI_Rain::ResetDrop(Drop& drop, bool anywhere, float w, float h) {
  const float s = w / 1024.0f;  // the UI scale
  drop.live = true;
  drop.x = LookRandomFloat(0.0f, w);
  drop.y = anywhere ? LookRandomFloat(0.0f, h) : -32.0f;
  drop.speed = LookRandomFloat(8.0f, 12.0f) + intensity_ * 4.0f;
  drop.ground = LookRandomFloat(h - 140.0f * s, h - 80.0f * s);
}

void GUI_Rain::OfferSplash(float x, float y, double now) {
  // No rain, no splash (and no division by a zero intensity).
  if (intensity_ <= 0.0f) return;
  const double interval = kSplashLifeMs / (static_cast<double>(intensity_) * kSplashes);
  if (now - lastSplashMs_ < interval) return;
  for (Splash& splash : splashes_) {
    if (splash.active) continue;
    splash = Splash{true, x, y, now};
    lastSplashMs_ = now;
    return;
  }
}

void GUI_Rain::DrawFrame(float target, float frameStep) {
  const double now = NowMs();
  const float w = g_screenWidth, h = g_screenHeight;
  target_ = std::isfinite(target) ? std::clamp(target, 0.0f, 1.0f) : 0.0f;

  // Fade towards the day's rain, a hundredth a frame, never past it.
  if (intensity_ < target_)
    intensity_ = std::min(intensity_ + kFadePerFrame, target_);
  else if (intensity_ > target_)
    intensity_ = std::max(intensity_ - kFadePerFrame, target_);
  // A hundred steps of a hundredth do not add up to exactly 1 in floats: what is left within
  // rounding of the target is the target, so a fade takes its hundred frames and no more.
  if (std::fabs(intensity_ - target_) < 1e-4f) intensity_ = target_;
  intensity_ = std::clamp(intensity_, 0.0f, 1.0f);

  // The loop follows whether it rains at all.
  if (intensity_ <= 0.0f && playing_) {
    StopLoop();
    lastLightningMs_ = 0.0;
    lightningDelayMs_ = 0.0;
    flash_ = 0.0f;
  } else if (intensity_ > 0.0f && !playing_) {
    StartLoop(target_);
    // A storm's first thunder waits its delay like every later one. Struck on the rain's first
    // frame it would whiten the whole screen the moment the room appears (a game loaded on a
    // stormy day, the in-game screen entered from the menus), before the player has seen it.
    lastLightningMs_ = now;
    lightningDelayMs_ = LookRandomFloat(7000.0f, 20000.0f);
  }

  // Splashes live their time.
  for (Splash& splash : splashes_)
    if (splash.active && now - splash.startMs > kSplashLifeMs) splash.active = false;

  // A storm thunders now and then, with a flash. Rain too light to thunder holds the wait at
  // its start, so a storm after a drizzly day waits its delay too instead of striking at once.
  if (playing_ && target_ < kStormTarget) lastLightningMs_ = now;
  if (playing_ && target_ >= kStormTarget &&
      (strikeDue_ || now - lastLightningMs_ > lightningDelayMs_)) {
    strikeDue_ = false;
    GUI_Services::PlaySoundPanned(kThunderFile, LookRandomFloat(0.6f, 1.0f),
                                  LookRandomFloat(-0.9f, 0.9f));
    ++thunders_;
    flash_ = 1.0f;
    lastLightningMs_ = now;
    lightningDelayMs_ = LookRandomFloat(7000.0f, 20000.0f);
  }

  // The flash fades with the frame step.
  flash_ = std::max(0.0f, flash_ - kFlashFade * frameStep);
  D3DEngine& engine = D3DEngine::Instance();
  if (flash_ > 0.0f)
    engine.FillRect(0, 0, static_cast<int>(w), static_cast<int>(h),
                    particles::WhiteAlpha(flash_ * 255.0f));

  // Drops: a share of the 512 by the intensity, each falling to its own ground line.
  drawnDrops_ = std::clamp(ClampToInt(intensity_ * kMaxDrops), 0, kMaxDrops);
  dropVertices_.clear();
  const uint32_t dropColour = particles::WhiteAlpha(128.0f);
  for (int i = 0; i < kMaxDrops; ++i) {
    Drop& drop = drops_[static_cast<size_t>(i)];
    if (i >= drawnDrops_) {
      drop.live = false;  // it starts afresh when the rain grows again
      continue;
    }
    if (!drop.live) ResetDrop(drop, true, w, h);
    drop.y += drop.speed * frameStep;
    if (drop.y > drop.ground) {
      OfferSplash(drop.x, drop.ground, now);
      ResetDrop(drop, false, w, h);
    }
    particles::AppendQuad(dropVertices_, drop.x, drop.y, kDropHalfWidth, kDropHalfHeight, 0.0f,
                          dropColour);
  }
  GUI_TextureSet::Instance().Select(kDropEntry);
  particles::DrawBatch(dropVertices_);

  // Splashes over the drops: each spreads and fades over its life.
  splashVertices_.clear();
  const float s = w / 1024.0f;
  for (const Splash& splash : splashes_) {
    if (!splash.active) continue;
    const float age = static_cast<float>(std::clamp((now - splash.startMs) / kSplashLifeMs, 0.0, 1.0));
    const float hw = (5.0f + 7.0f * age) * s, hh = hw / 2.0f;
    particles::AppendQuad(splashVertices_, splash.x, splash.y - hh, hw, hh, 0.0f,
                          particles::WhiteAlpha(200.0f * (1.0f - age)));
  }
  GUI_TextureSet::Instance().Select(kSplashEntry);
  particles::DrawBatch(splashVertices_);
}

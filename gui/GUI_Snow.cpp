// Snow and snowdrops.
#include "gui/GUI_Snow.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Particles.h"
#include "gui/GUI_TextureSet.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Weather.h"

namespace {

constexpr int kFlakeEntry = 9;
constexpr const char* kSnowdropTexture = "snowdrop.dds";
// Enough steps to take the largest blot away: a long pause does not replay every step.
constexpr int kMostShrinkSteps = 200;

bool EffectsOn() {
  return SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableWeatherEffects);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Snowdrops

GUI_SnowdropEffect& GUI_SnowdropEffect::Instance() {
  static GUI_SnowdropEffect drops;
  return drops;
}

GUI_SnowdropEffect::GUI_SnowdropEffect() {
  clock_.Start();
  vertices_.reserve(static_cast<size_t>(kBlots) * 6);
}

void GUI_SnowdropEffect::Reset() {
  for (Blot& blot : blots_) blot.active = false;
}

bool GUI_SnowdropEffect::Start(float x, float y, float halfSize) {
  for (Blot& blot : blots_) {
    if (blot.active) continue;
    blot = Blot{true, x, y, 2.0f * halfSize, 2.0f * halfSize};
    return true;
  }
  return false;  // every blot is in use: this flake leaves none
}

int GUI_SnowdropEffect::ActiveCount() const {
  return static_cast<int>(
      std::count_if(blots_.begin(), blots_.end(), [](const Blot& b) { return b.active; }));
}

float GUI_SnowdropEffect::FirstActiveSize() const {
  for (const Blot& blot : blots_)
    if (blot.active) return blot.w;
  return 0.0f;
}

void GUI_SnowdropEffect::Shrink() {
  clock_.Update();
  const double now = clock_.elapsed;
  int steps = static_cast<int>((now - lastShrinkMs_) / kShrinkEveryMs);
  if (steps <= 0) return;
  if (steps > kMostShrinkSteps) {
    steps = kMostShrinkSteps;
    lastShrinkMs_ = now;
  } else {
    lastShrinkMs_ += steps * kShrinkEveryMs;
  }
  const float by = kShrink * static_cast<float>(steps);
  for (Blot& blot : blots_) {
    if (!blot.active) continue;
    blot.w -= by;
    blot.h -= by;
    if (blot.w <= 1.0f || blot.h <= 1.0f) blot.active = false;
  }
}

void GUI_SnowdropEffect::Draw(bool visible) {
  Shrink();
  if (!visible) return;
  vertices_.clear();
  for (const Blot& blot : blots_)
    if (blot.active)
      particles::AppendQuad(vertices_, blot.x, blot.y, blot.w / 2.0f, blot.h / 2.0f, 0.0f,
                            0xFFFFFFFFu);
  if (vertices_.empty()) return;
  D3DEngine::Instance().SetTextureByName(kSnowdropTexture);
  particles::DrawBatch(vertices_);
}

// ---------------------------------------------------------------------------------------------
// Snow

GUI_Snow& GUI_Snow::Instance() {
  static GUI_Snow snow;
  return snow;
}

void GUI_Snow::Draw() {
  if (!EffectsOn()) return;
  const float snowfall =
      SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kSnowfall);
  Instance().DrawFrame(Share(SIM_Weather::Instance().GetIntensity(WEATHER_SNOW), snowfall),
                       GUI_GUI::Instance().GetFrameStep());
}

void GUI_Snow::ResetSnowdrops() { GUI_SnowdropEffect::Instance().Reset(); }

void GUI_Snow::DrawSnowdrops() { GUI_SnowdropEffect::Instance().Draw(EffectsOn()); }

float GUI_Snow::Share(float snow, float snowfall) {
  // A player who turned the snowfall right down still sees a tenth of the day's snow.
  const float share = snow * std::max(snowfall, kLeastSnowfall);
  return std::isfinite(share) ? std::clamp(share, 0.0f, 1.0f) : 0.0f;
}

GUI_Snow::GUI_Snow(GUI_SnowdropEffect* drops)
    : drops_(drops ? drops : &GUI_SnowdropEffect::Instance()) {
  vertices_.reserve(static_cast<size_t>(kFlakes) * 6);
}

void GUI_Snow::MakeFlakes(float w, float h) {
  for (int i = 0; i < kFlakes; ++i) {
    Flake& f = flakes_[static_cast<size_t>(i)];
    f.mayLeaveDrop = i % 10 != 0;  // nine in ten
    f.x = LookRandomFloat(0.0f, w);
    f.y = LookRandomFloat(0.0f, h);
    f.spin = static_cast<float>(LookRandomBelow(360));
    f.half = 2.0f + LookRandomFloat(0.0f, 7.0f);
    f.speed = LookRandomFloat(1.2f, 3.7f);
    f.drift = LookRandomFloat(170.0f, 190.0f);
    f.colour = particles::WhiteAlpha(LookRandomFloat(64.0f, 200.0f));
    f.landed = false;
  }
  made_ = true;
}

void GUI_Snow::DrawFrame(float share, float frameStep) {
  const float w = g_screenWidth, h = g_screenHeight;
  if (!made_) MakeFlakes(w, h);
  const float part = std::isfinite(share) ? std::clamp(share, 0.0f, 1.0f) : 0.0f;
  falling_ = std::clamp(static_cast<int>(part * kFlakes), 0, kFlakes);
  vertices_.clear();
  for (int i = 0; i < falling_; ++i) {
    Flake& f = flakes_[static_cast<size_t>(i)];
    // Along the drift direction (180 is straight down on screen).
    const float d = f.speed * frameStep;
    f.x += std::sin(particles::Radians(f.drift)) * d;
    f.y -= std::cos(particles::Radians(f.drift)) * d;
    if (f.mayLeaveDrop && !f.landed && f.y > h) {
      drops_->Start(f.x, f.y, f.half);
      f.landed = true;
    }
    if (f.y > h + 32.0f) {
      f.y = -32.0f;
      f.x = LookRandomFloat(0.0f, w);
      f.landed = false;
    }
    particles::AppendQuad(vertices_, f.x, f.y, f.half, f.half, f.spin, f.colour);
  }
  GUI_TextureSet::Instance().Select(kFlakeEntry);
  particles::DrawBatch(vertices_);
}

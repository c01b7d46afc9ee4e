// The night club's disco lights.
#include "gui/GUI_NightClubLights.h"

#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "gui/GUI_Services.h"

namespace {

struct Place {
  float x, y, base;
};
constexpr Place kPlaces[GUI_NightClubLights::kLights] = {
    {130, 130, 256}, {218, 558, 128}, {614, 195, 279}, {838, 645, 222}, {432, 433, 64},
    {267, 177, 89},  {922, 708, 66},  {564, 645, 69},  {109, 287, 54},  {346, 124, 82}};

}  // namespace

GUI_NightClubLights::GUI_NightClubLights() {
  clock_.Start();
  const double now = NowMs();
  for (int i = 0; i < kLights; ++i) {
    Light& light = lights_[static_cast<size_t>(i)];
    light.startMs = now;
    light.x = kPlaces[i].x;
    light.y = kPlaces[i].y;
    light.base = kPlaces[i].base;
    light.period = LookRandomFloat(90.0f, 300.0f);
    // The last light is a touch warmer than the others.
    light.colour = i == kLights - 1 ? 0xFFFFEBFFu : 0xFFFFFFFFu;
  }
}

double GUI_NightClubLights::NowMs() {
  clock_.Update();
  return clock_.elapsed;
}

float GUI_NightClubLights::PeriodOf(int light) const {
  return light >= 0 && light < kLights ? lights_[static_cast<size_t>(light)].period : 0.0f;
}

float GUI_NightClubLights::SizeOf(int light) {
  if (light < 0 || light >= kLights) return 0.0f;
  const Light& l = lights_[static_cast<size_t>(light)];
  const double t = NowMs() - l.startMs;
  const double f = std::fmod(t, static_cast<double>(l.period)) / l.period;
  return l.base + l.base * static_cast<float>(f);
}

void GUI_NightClubLights::Draw() {
  drawn_ = 0;
  if (!GUI_Services::IsSoundPlaying(kMusic)) return;
  DrawPulses();
}

void GUI_NightClubLights::DrawPulses() {
  D3DEngine::Instance().SetTextureByName(kTexture);
  // Each light is an upright quad of one colour, which the renderer copies: on the software
  // renderer that is several times cheaper for these large pools of light than one triangle
  // list through the general geometry path.
  BaseSprite sprite;
  for (int i = 0; i < kLights; ++i) {
    const Light& light = lights_[static_cast<size_t>(i)];
    sprite.width = sprite.height = SizeOf(i);
    sprite.SetColourARGB(light.colour);
    sprite.SetPosition(light.x, light.y);
    sprite.DrawQuad();
  }
  drawn_ = kLights;
}

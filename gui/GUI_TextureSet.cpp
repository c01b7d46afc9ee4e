// The shared GUI textures.
#include "gui/GUI_TextureSet.h"

#include "engine/D3DEngine.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_Vesk.h"

namespace {
const char* const kFixed[GUI_TextureSet::kEntries] = {
    "window_green.dds",   "window_shadow.dds",  "window_black.dds",   "frame_greenfill.dds",
    "frame_redfill.dds",  "window_light.dds",   "postit.dds",         "raindrop.dds",
    "rainsplash.dds",     "snowflake.dds",      "weather_sun.dds",    "weather_cloudy.dds",
    "weather_rain.dds",   "weather_snow.dds",   "relationship.dds",   "dirt.dds",
    "coffeestain.dds",    "pawprint.dds"};
}  // namespace

GUI_TextureSet& GUI_TextureSet::Instance() {
  static GUI_TextureSet set;
  return set;
}

GUI_TextureSet::GUI_TextureSet() {
  for (int i = 0; i < kEntries; ++i) names_[i] = kFixed[i];
}

void GUI_TextureSet::Load() {
  D3DEngine& engine = D3DEngine::Instance();
  // A missing file is reported by the renderer once, here rather than mid-frame.
  for (int i = 0; i < kEntries; ++i)
    if (i != 0 && i != 5) engine.GetTexture(names_[i]);
  RefreshWindowTextures();
}

bool GUI_TextureSet::IsWealthy(float salary, float cash) { return salary > 19999.0f || cash > 1000.0f; }

float GUI_TextureSet::GetPlayerSalary() {
  const SIM_JobInstance* job = SIM_Vesk::Instance()->GetJobInstance();
  return job ? job->GetSalary() : 0.0f;
}

void GUI_TextureSet::RefreshWindowTextures() {
  rich_ = IsWealthy(GetPlayerSalary(), SIM_Finances::Instance().GetCash());
  names_[0] = rich_ ? "window_rich.dds" : "window_green.dds";
  names_[5] = rich_ ? "window_light_rich.dds" : "window_light.dds";
}

void GUI_TextureSet::Select(int i) {
  if (i < 0 || i >= kEntries) return;
  D3DEngine& engine = D3DEngine::Instance();
  if (engine.GetTexture(names_[i])) {
    engine.SetTextureByName(names_[i]);
  } else {
    engine.SetTexture(0, nullptr);
  }
}

const std::string& GUI_TextureSet::GetName(int i) const {
  static const std::string none;
  return i >= 0 && i < kEntries ? names_[i] : none;
}

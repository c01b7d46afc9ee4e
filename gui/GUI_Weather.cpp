// Weather icon.
#include "gui/GUI_Weather.h"

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_TextureSet.h"
#include "gui/GUI_Tooltip.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Weather.h"

namespace {
GUI_Weather* g_weather = nullptr;
const char* const kTooltipKeys[4] = {"WEATHER_TOOLTIP_SUN", "WEATHER_TOOLTIP_CLOUD",
                                     "WEATHER_TOOLTIP_RAIN", "WEATHER_TOOLTIP_SNOW"};
int TodayType() {
  const int type = SIM_Weather::Instance().GetType();
  return type >= 0 && type < 4 ? type : 0;
}
}  // namespace

GUI_Weather* GUI_Weather::Instance() {
  if (!g_weather) g_weather = new GUI_Weather();
  return g_weather;
}

GUI_Weather::GUI_Weather() : tooltip_(std::make_unique<GUI_Tooltip>("", 50)) {
  closeOnNewGame = false;
  Open();
  SetTooltipText();
}

GUI_Weather::~GUI_Weather() {
  if (g_weather == this) g_weather = nullptr;
}

void GUI_Weather::SetTooltipText() {
  const char* key = CurrentDate().IsFullMoon() ? "WEATHER_TOOLTIP_FULLMOON" : kTooltipKeys[TodayType()];
  tooltip_->SetText(Translate(key));
}

void GUI_Weather::RefreshTooltip() {
  SetTooltipText();
}

void GUI_Weather::Layout() {
  SetRect(185, 0, 245, 65);
  laidOut_ = true;
}

const char* GUI_Weather::IconTexture() const {
  if (CurrentDate().IsFullMoon()) return "weather_fullmoon.dds";
  return GUI_TextureSet::Instance().GetName(10 + TodayType()).c_str();
}

void GUI_Weather::Draw() {
  if (!laidOut_) Layout();
  D3DEngine& engine = D3DEngine::Instance();
  if (CurrentDate().IsFullMoon()) {
    engine.SetTextureByName("weather_fullmoon.dds");
  } else {
    GUI_TextureSet::Instance().Select(10 + TodayType());
  }
  BaseSprite icon;
  icon.width = 52;
  icon.height = 52;
  icon.SetColourARGB(0xFFFFFFFFu);
  icon.SetPosition(static_cast<float>(rect.left + rect.right) / 2.0f,
                   static_cast<float>(rect.top + rect.bottom) / 2.0f);
  icon.DrawQuad();
  tooltip_->Draw();
}

void GUI_Weather::Update() {
  GUI_WindowBase::Update();
  if (HasTheMouse()) {
    tooltip_->Trigger();
    tooltip_->PlaceAtMouse();
  }
}

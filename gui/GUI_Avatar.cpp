// The player's portrait.
#include "gui/GUI_Avatar.h"

#include <algorithm>

#include "gui/GUI_Shell.h"
#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_GameConfig.h"

namespace {

struct GlassPlace {
  float x, y, rotation;
};
// In the 1024-wide layout; the last glass lies on its side.
constexpr GlassPlace kGlassPlaces[GUI_Avatar::kGlasses] = {
    {689, 580, 0}, {725, 580, 0}, {706, 600, 0}, {758, 590, 0}, {784, 638, 90}};

}  // namespace

void GUI_Avatar::SetTextureName(const std::string& name) {
  SIM_GameConfig::Instance().SetAvatarName(name);
}

std::string GUI_Avatar::GetTextureName() const {
  const std::string name = SIM_GameConfig::Instance().GetAvatarName();
  return name.empty() ? kDefaultTexture : name;
}

GUI_Avatar& GUI_Avatar::Instance() {
  static GUI_Avatar avatar;
  return avatar;
}

GUI_Avatar::GUI_Avatar() : sprite_(std::make_unique<BaseSprite>()) {
  ApplyMood(0);
  Layout(g_screenWidth, g_screenHeight, Shell().GetUIScale());
}

GUI_Avatar::~GUI_Avatar() = default;

void GUI_Avatar::SetMood(int mood) {
  Instance().ApplyMood(mood);
}

void GUI_Avatar::ApplyMood(int mood) {
  mood_ = mood;
  switch (mood) {
    case 0: sprite_->SetUV(0.0f, 0.0f, 0.333f, 1.0f); break;
    case 1: sprite_->SetUV(0.333f, 0.0f, 0.666f, 1.0f); break;
    case 2: sprite_->SetUV(0.666f, 0.0f, 1.0f, 1.0f); break;
    default: break;
  }
}

void GUI_Avatar::Layout(float screenWidth, float screenHeight, float scale) {
  scale_ = scale;
  sprite_->width = 170.0f * scale;
  sprite_->height = 512.0f * scale;
  sprite_->SetPosition(screenWidth - 226.0f * scale, screenHeight / 2.0f);
}

void GUI_Avatar::Draw() {
  D3DEngine::Instance().SetTextureByName(GetTextureName());
  sprite_->Draw();
  DrawGlasses();
  DrawBowlingBall();
}

void GUI_Avatar::DrawWithMood(int mood) {
  const int kept = mood_;
  ApplyMood(mood);
  Draw();
  ApplyMood(kept);
}

int GUI_Avatar::GlassAlpha(float addiction, int i) {
  float left = 5.0f * addiction;
  for (int g = 0; g < kGlasses; ++g) {
    const float amount = std::min(left, 1.0f);
    if (g == i) return amount <= 0.0f ? 0 : static_cast<int>(amount * 255.0f);
    if (amount > 0.0f) left -= amount;
  }
  return 0;
}

void GUI_Avatar::DrawGlasses() {
  const float addiction = SIM_Alcohol::GetAddictionStrength();
  if (5.0f * addiction <= 0.0f) return;
  D3DEngine::Instance().SetTextureByName("wine.dds");
  for (int i = 0; i < kGlasses; ++i) {
    const int alpha = GlassAlpha(addiction, i);
    if (alpha <= 0) continue;
    BaseSprite glass;
    glass.width = 105.0f;
    glass.height = 105.0f;
    glass.rotation = kGlassPlaces[i].rotation;
    glass.SetColour(255, 255, 255, alpha);
    glass.SetPosition(kGlassPlaces[i].x * scale_, kGlassPlaces[i].y * scale_);
    glass.Draw();
  }
}

void GUI_Avatar::DrawBowlingBall() {
  if (!SIM_BowlingTeam::Instance().IsMember()) return;
  BaseSprite ball;
  ball.width = 64.0f;
  ball.height = 64.0f;
  ball.SetPosition(744.0f * scale_, 612.0f * scale_);
  D3DEngine::Instance().SetTextureByName("bowlingball.dds");
  ball.Draw();
}

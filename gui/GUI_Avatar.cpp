// The player's portrait.
#include "gui/GUI_Avatar.h"

#include <algorithm>
#include <utility>

#include "gui/GUI_Shell.h"
#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/TextureImage.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/windows/GUI_Message.h"
#include "platform/Files.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Vesk.h"

namespace {

struct GlassPlace {
  float x, y, rotation;
};
// In the 1024-wide layout; the last glass lies on its side.
constexpr GlassPlace kGlassPlaces[GUI_Avatar::kGlasses] = {
    {689, 580, 0}, {725, 580, 0}, {706, 600, 0}, {758, 590, 0}, {784, 638, 90}};

// The first of the game's own avatars whose name starts with the letter ('m' or 'f', as the
// gender is read from a picture's name); any of them when none does; "" when there are none.
std::string BuiltInAvatar(char letter) {
  std::string any;
  for (const plat::DirEntry& entry : plat::ListMatching("data/bitmaps/avatars/*.dds")) {
    if (entry.isDirectory || ToLowerString(entry.name).find("_background.") != std::string::npos)
      continue;
    if (entry.name[0] == letter) return entry.name;
    if (any.empty()) any = entry.name;
  }
  return any;
}

}  // namespace

std::string GUI_Avatar::RendererFile(const std::string& name) {
  for (const std::string& folder : D3DEngine::Instance().GetTextureFolders())
    for (const plat::DirEntry& entry : plat::ListMatching(folder + "/" + name))
      if (!entry.isDirectory && entry.name == name) return folder + "/" + entry.name;
  return {};
}

bool GUI_Avatar::Decodes(const std::string& path) {
  TextureImage image;
  std::string error;
  return TextureImage::Load(path, path.find(".jpg") != std::string::npos, image, error);
}

bool GUI_Avatar::RendererFinds(const std::string& name) { return !RendererFile(name).empty(); }

void GUI_Avatar::SetTextureName(const std::string& name) {
  SIM_GameConfig::Instance().SetAvatarName(name);
}

std::string GUI_Avatar::GetTextureName() const {
  std::string name = SIM_GameConfig::Instance().GetAvatarName();
  if (name.empty()) name = kDefaultTexture;
  // Without folders (before the renderer starts) nothing can be judged missing. The search
  // runs again only when the choice or the folders change, not every frame.
  const size_t folders = D3DEngine::Instance().GetTextureFolders().size();
  if (folders == 0) return name;
  // Nor after the renderer let its textures go (the file may have been replaced meanwhile).
  const long generation = D3DEngine::Instance().GetTextureGeneration();
  if (name == checkedName_ && folders == checkedFolders_ && generation == checkedGeneration_)
    return shownName_;
  checkedName_ = name;
  checkedFolders_ = folders;
  checkedGeneration_ = generation;
  shownName_ = name;
  const std::string file = RendererFile(name);
  const bool missing = file.empty();
  if (!missing && Decodes(file)) return shownName_;
  const char letter = name[0] == 'm' || name[0] == 'f'
                          ? name[0]
                          : (SIM_Vesk::Instance()->GetGender() == kFemale ? 'f' : 'm');
  const std::string standIn = BuiltInAvatar(letter);
  if (standIn.empty() || !RendererFinds(standIn)) return shownName_;
  shownName_ = standIn;
  if (reported_.insert(name).second) {
    LogWarning(("Avatar picture " + std::string(missing ? "missing: " : "unreadable: ") + name +
                ", shown as " + standIn).c_str(),
               "GUI_Avatar", __LINE__);
    notice_ = Translate(missing ? "AVATAR_MISSING" : "AVATAR_DAMAGED");
    ReplaceSubstring(notice_, "<AVATAR>", name);
  }
  return shownName_;
}

void GUI_Avatar::ShowNotice() {
  if (notice_.empty()) return;
  ShowMessage(std::exchange(notice_, std::string()), Translate("AVATAR_MISSING_TITLE"));
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

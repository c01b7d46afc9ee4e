// The room backdrop.
#include "gui/GUI_Backdrop.h"

#include <algorithm>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Utilities.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_DirtSprites.h"
#include "gui/GUI_FishTank.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Weather.h"

namespace {

constexpr int kCloud = 1;
constexpr int kRain = 2;

void DrawQuad(const char* texture, float width, float height, float x, float y, int grey,
              int alpha) {
  BaseSprite sprite;
  sprite.width = width;
  sprite.height = height;
  sprite.SetColour(grey, grey, grey, alpha);
  sprite.SetPosition(x, y);
  D3DEngine::Instance().SetTextureByName(texture);
  // Full-screen layers are drawn whatever the on-screen test would say of their corners.
  sprite.DrawQuad();
}

}  // namespace

GUI_Backdrop& GUI_Backdrop::Instance() {
  static GUI_Backdrop backdrop;
  return backdrop;
}

void GUI_Backdrop::Load() {
  // Textures are found again by name at every draw, so a rebuilt device needs nothing more.
  D3DEngine::Instance().GetTexture(kPlainPicture);
  loaded_ = true;
}

std::string GUI_Backdrop::RoomPictureName(const std::string& avatarTexture) {
  const std::string stem =
      avatarTexture.size() >= 4 ? avatarTexture.substr(0, avatarTexture.size() - 4) : avatarTexture;
  return stem + "_background.dds";
}

std::string GUI_Backdrop::ShownRoomPicture() {
  const std::string room = RoomPictureName(GUI_Avatar::Instance().GetTextureName());
  // Without folders nothing can be judged missing; the search runs again only when the
  // avatar or the folders change, or the renderer let its textures go (the file may have
  // been replaced meanwhile), not every frame.
  const size_t folders = D3DEngine::Instance().GetTextureFolders().size();
  if (folders == 0) return room;
  const long generation = D3DEngine::Instance().GetTextureGeneration();
  if (room == checkedRoom_ && folders == checkedFolders_ && generation == checkedGeneration_)
    return shownRoom_;
  checkedRoom_ = room;
  checkedFolders_ = folders;
  checkedGeneration_ = generation;
  shownRoom_ = room;
  // A missing picture would raise the renderer's error box over the game, and a damaged one
  // that box and a white room for the whole game.
  const std::string builtIn = RoomPictureName(GUI_Avatar::kDefaultTexture);
  const std::string file = GUI_Avatar::RendererFile(room);
  const bool missing = file.empty();
  if ((!missing && GUI_Avatar::Decodes(file)) || !GUI_Avatar::RendererFinds(builtIn))
    return shownRoom_;
  shownRoom_ = builtIn;
  if (reported_.insert(room).second)
    LogWarning(("Room picture " + std::string(missing ? "missing: " : "unreadable: ") + room +
                ", shown as " + builtIn).c_str(),
               "GUI_Backdrop", __LINE__);
  return shownRoom_;
}

const char* GUI_Backdrop::SkyPicture(float rain, float cloud) {
  if (rain > 0.0f) return "composite_rain.jpg";
  return cloud > 0.0f ? "composite_cloud.jpg" : "composite_sun.jpg";
}

int GUI_Backdrop::SkyGrey(float rain) {
  return rain > 0.0f ? 255 - std::clamp(ClampToInt(rain * 128.0f), 0, 255) : 255;
}

int GUI_Backdrop::BandShade() {
  const SIM_NamedValueList& globals = GlobalNamedValues();
  const float dirt = globals.Has("glob_dirt") ? globals.GetValue("glob_dirt") : 0.0f;
  return std::clamp(ClampToInt(dirt * 255.0f), 0, 255);
}

void GUI_Backdrop::Draw(const std::function<void()>& stillAbove) {
  // The people above the room join its picture when nothing moves between them and it.
  const bool together = stillAbove && !GUI_FishTank::MovesUnderPeople();
  picture_.Draw([&] {
                  DrawStill();
                  if (together) stillAbove();
                });
  if (together) return;
  GUI_FishTank::DrawFlies();
  if (stillAbove) {
    GUI_FishTank::Draw();
    stillAbove();
  }
}

void GUI_Backdrop::DrawStill() {
  const float w = g_screenWidth, h = g_screenHeight;
  if (SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableCompBackdrops))
    DrawWindowView();
  else
    DrawQuad(kPlainPicture, w, h, w / 2.0f, h / 2.0f, 255, 255);
  DrawBands();
}

void GUI_Backdrop::DrawWindowView() {
  const float w = g_screenWidth, h = g_screenHeight;
  const float viewHeight = h - kSkyInset;
  const SIM_Weather& weather = SIM_Weather::Instance();
  const float rain = weather.GetIntensity(kRain);
  const float cloud = weather.GetIntensity(kCloud);
  DrawQuad(SkyPicture(rain, cloud), w, viewHeight, w / 2.0f, h / 2.0f, SkyGrey(rain), 255);

  const float side = viewHeight * 1.28f;
  const std::string room = ShownRoomPicture();
  DrawQuad(room.c_str(), side, side, side / 2.0f, h - kBandHeight - side / 2.0f, 255, kRoomAlpha);

  DrawQuad(kVeilTexture, w, viewHeight, w / 2.0f, h / 2.0f, 255, 20);
  GUI_DirtSprites::Instance().Draw();
}

void GUI_Backdrop::DrawBands() {
  const float w = g_screenWidth, h = g_screenHeight;
  const int shade = BandShade();
  BaseSprite band;
  band.width = w;
  band.height = kBandHeight;
  band.SetColour(shade, shade, shade, 255);
  D3DEngine::Instance().SetTextureByName(kBandTexture);
  band.SetPosition(w / 2.0f, h - kBandHeight / 2.0f);
  band.DrawQuad();
  band.FlipVertical();
  band.SetPosition(w / 2.0f, kBandHeight / 2.0f);
  band.DrawQuad();
}

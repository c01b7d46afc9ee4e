// The dirt overlay.
#include "gui/GUI_DirtSprites.h"

#include <algorithm>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "gui/GUI_TextureSet.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValueList.h"

namespace {

// Entries of the shared texture set.
constexpr int kDirtEntry = 15;
constexpr int kStainEntry = 16;
constexpr int kPawEntry = 17;

BaseSprite MakeSprite(float size, float x, float y, float rotation) {
  BaseSprite sprite;
  sprite.width = size;
  sprite.height = size;
  sprite.rotation = rotation;
  sprite.SetPosition(x, y);
  return sprite;
}

}  // namespace

struct GUI_DirtSprites::Sprites {
  std::vector<BaseSprite> blots;
  std::vector<BaseSprite> paws;
  BaseSprite stains[2];
};

GUI_DirtSprites& GUI_DirtSprites::Instance() {
  static GUI_DirtSprites overlay;
  return overlay;
}

GUI_DirtSprites::GUI_DirtSprites() : sprites_(std::make_unique<Sprites>()) {}

GUI_DirtSprites::~GUI_DirtSprites() = default;

void GUI_DirtSprites::Refresh() {
  Instance().Read();
}

void GUI_DirtSprites::Read() {
  const SIM_NamedValueList& globals = GlobalNamedValues();
  const float dirt = globals.Has("glob_dirt") ? globals.GetValue("glob_dirt") : 0.0f;
  // Modifiers can push the named value past either end; the overlay never shows more blots
  // or prints than it made, nor a negative count.
  dirt_ = std::clamp(dirt, 0.0f, 1.0f);
  ++version_;
  const int made = GetBlotCount();
  blotsShown_ = std::clamp(static_cast<int>(dirt_ * static_cast<float>(made)), 0, made);
  sprites_->stains[0].SetColour(255, 255, 255, static_cast<int>(dirt_ * 128.0f));
  sprites_->stains[1].SetColour(255, 255, 255, static_cast<int>(dirt_ * 150.0f));
  const int pawAlpha = GetPawPrintAlpha();
  for (BaseSprite& paw : sprites_->paws) paw.SetColour(255, 255, 255, pawAlpha);
}

void GUI_DirtSprites::SetUp(int screenWidth, int screenHeight) {
  const float w = static_cast<float>(screenWidth);
  const float h = static_cast<float>(screenHeight);
  // The table says how many blots a filthy flat shows; far more would only cover the room.
  constexpr int kMostBlots = 100;
  const int count =
      std::clamp(ClampToInt(SIM_GlobalVariables::Instance().Get("GV_MAXDIRTSPRITES")), 0, kMostBlots);
  sprites_->blots.clear();
  for (int i = 0; i < count; ++i) {
    const float rotation = static_cast<float>(LookRandomBelow(360));
    const float size = LookRandomFloat(64.0f, 256.0f);
    sprites_->blots.push_back(MakeSprite(size, LookRandomFloat(0.0f, w), LookRandomFloat(0.0f, h), rotation));
  }
  sprites_->stains[0] = MakeSprite(256.0f, w - 130.0f, h - 145.0f, 0.0f);
  // The second ring sits on the floor at the left of the room picture, a little smaller.
  sprites_->stains[1] = MakeSprite(200.0f, 170.0f, h - 190.0f, 40.0f);
  sprites_->paws.clear();
  for (int i = 0; i < kPawPrints; ++i) {
    const float rotation = static_cast<float>(LookRandomBelow(360));
    sprites_->paws.push_back(
        MakeSprite(100.0f, LookRandomFloat(0.0f, w), LookRandomFloat(0.0f, h), rotation));
  }
  Read();
}

void GUI_DirtSprites::Release() {
  sprites_->blots.clear();
  sprites_->paws.clear();
  blotsShown_ = 0;
  ++version_;
}

int GUI_DirtSprites::GetBlotCount() const { return static_cast<int>(sprites_->blots.size()); }

int GUI_DirtSprites::GetPawPrintsShown() const {
  if (dirt_ < kStainLevel) return 0;
  const SIM_NamedValueList& globals = GlobalNamedValues();
  if (!globals.IsSet("dog") && !globals.IsSet("cat")) return 0;
  const int made = static_cast<int>(sprites_->paws.size());
  return std::clamp(static_cast<int>(dirt_ * 12.0f), 0, made);
}

int GUI_DirtSprites::GetPawPrintAlpha() const {
  return std::min(static_cast<int>(dirt_ * 300.0f), 255);
}

int GUI_DirtSprites::GetStainAlpha(int i) const {
  if (i < 0 || i > 1) return 0;
  return static_cast<int>(sprites_->stains[i].vertices[0].diffuse >> 24);
}

void GUI_DirtSprites::Draw() {
  GUI_TextureSet& set = GUI_TextureSet::Instance();
  if (blotsShown_ > 0) {
    set.Select(kDirtEntry);
    for (int i = 0; i < blotsShown_; ++i) sprites_->blots[static_cast<size_t>(i)].Draw();
  }
  if (dirt_ < kStainLevel) return;
  set.Select(kStainEntry);
  for (BaseSprite& stain : sprites_->stains) stain.Draw();
  const int paws = GetPawPrintsShown();
  if (paws > 0) {
    set.Select(kPawEntry);
    for (int i = 0; i < paws; ++i) sprites_->paws[static_cast<size_t>(i)].Draw();
  }
}

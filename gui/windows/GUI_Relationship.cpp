// Relationship bands.
#include "gui/windows/GUI_Relationship.h"

#include <algorithm>
#include <cmath>

#include "engine/BaseSprite.h"
#include "engine/DebugLog.h"
#include "engine/Utilities.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_TextureSet.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr int kBandTexture = 14;

std::vector<GUI_Relationship*>& Views() {
  static std::vector<GUI_Relationship*> views;
  return views;
}

float Clamped(float strength) {
  if (std::isnan(strength)) return 0.0f;
  return std::clamp(strength, 0.0f, 1.0f);
}

}  // namespace

GUI_Relationship* GUI_Relationship::Create(SIM_Relationship* relationship) {
  ReportAssertion(relationship != nullptr, "GUI_Relationship", 20);
  return new GUI_Relationship(relationship);
}

GUI_Relationship::GUI_Relationship(SIM_Relationship* relationship) : relationship_(relationship) {
  Views().push_back(this);
}

GUI_Relationship::~GUI_Relationship() { std::erase(Views(), this); }

const std::vector<GUI_Relationship*>& GUI_Relationship::All() { return Views(); }

float GUI_Relationship::BandWidth(float strength) {
  return std::max(Clamped(strength) * 40.0f + 6.0f, 4.0f);
}

int GUI_Relationship::BandAlpha(float strength) {
  return std::clamp(127 + static_cast<int>(std::trunc(128.0f * Clamped(strength))), 0, 255);
}

bool GUI_Relationship::Draw() {
  const SIM_Person* player = SIM_Vesk::Instance();
  if (!relationship_ || !player || !relationship_->active || !relationship_->IsFriendship() ||
      !relationship_->Involves(player))
    return false;
  const GUI_NPCIcon* icon = FindNPCIcon(relationship_->GetOther(player));
  if (!icon || !icon->IsShown()) return false;
  const auto& r = icon->GetRect();
  const float ix = static_cast<float>(r.left + r.right) / 2.0f;
  const float iy = static_cast<float>(r.top + r.bottom) / 2.0f;
  const BaseSprite& avatar = GUI_Avatar::Instance().GetSprite();
  const float ax = (avatar.vertices[0].x + avatar.vertices[3].x) / 2.0f;
  const float ay = (avatar.vertices[0].y + avatar.vertices[3].y) / 2.0f;

  BaseSprite band;
  band.width = BandWidth(relationship_->GetStrength());
  band.height = PointDistance(ax, ay, ix, iy);
  band.SetColour(255, 255, 255, BandAlpha(relationship_->GetStrength()));
  band.Rotate(AngleBetweenPoints(ax, ay, ix, iy));
  band.SetPosition((ax + ix) / 2.0f, (ay + iy) / 2.0f);
  GUI_TextureSet::Instance().Select(kBandTexture);
  band.Draw();
  return true;
}

void DrawRelationships() {
  const std::vector<GUI_Relationship*> order = Views();
  for (GUI_Relationship* view : order) view->Draw();
}

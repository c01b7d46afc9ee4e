// The contact icons.
#include "gui/windows/GUI_NPCIcon.h"

#include "gui/windows/GUI_Romance.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/GdiTextList.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Shell.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_DebugWatchers.h"
#include "gui/windows/GUI_DragIcon.h"
#include "gui/windows/GUI_NPC.h"
#include "gui/windows/GUI_Romance.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr double kDegreesToRadians = 0.01745329238474369;
constexpr int kKeyB = 48, kKeyM = 50;
constexpr uint32_t kLinkColour = 0xFFC0C0C0u;
constexpr const char* kHoverSound = "data/sounds/mouseover.ogg";

std::vector<GUI_NPCIcon*>& Icons() {
  static std::vector<GUI_NPCIcon*> icons;
  return icons;
}

// The icon that last played the hover sound: it plays again only after another one has.
const GUI_NPCIcon*& LastHoverSound() {
  static const GUI_NPCIcon* icon = nullptr;
  return icon;
}

GdiTextList& NameTexts() {
  static GdiTextList texts;
  return texts;
}

float Scale() { return Shell().GetUIScale(); }

// The mouse is on the icon and could use it: under a modal window the icons take no click,
// so they neither light up nor sound there.
bool MouseOver(const GUI_NPCIcon& icon) {
  return GUI_WindowManager::Instance().TopModal() == nullptr &&
         icon.HitTest(GUI_Services::MouseX(), GUI_Services::MouseY());
}

}  // namespace

GUI_NPCIcon::GUI_NPCIcon(SIM_NPC* npc) : GUI_ButtonBase(nullptr, nullptr), npc_(npc) {
  ReportAssertion(npc != nullptr, "GUI_NPCIcon", 29);
  mood_.width = 16;
  mood_.height = 16;
  mood_.SetColour(255, 255, 255, 192);
  SetState(kAcquaintance);
  Icons().push_back(this);
}

GUI_NPCIcon::~GUI_NPCIcon() {
  std::erase(Icons(), this);
  if (LastHoverSound() == this) LastHoverSound() = nullptr;
  // A drag of this icon has nothing left to drop.
  GUI_DragIcon::ForgetIcon(this);
}

void GUI_NPCIcon::UpdateRect() {
  const float half = size_ / 2.0f;
  SetRect(centreX_ - half, centreY_ - half, centreX_ + half, centreY_ + half);
  portrait_.width = size_;
  portrait_.height = size_;
}

void GUI_NPCIcon::SetState(int state) {
  state_ = state;
  if (state == kAcquaintance) {
    size_ = 38.0f * Scale();
    SetTooltipKey("NPCICON_ACQUAINTANCE_TOOLTIP", 0);
  } else {
    size_ = 48.0f * Scale();
    SetTooltipKey("NPCICON_FRIEND_TOOLTIP", 0);
  }
  UpdateRect();
}

void GUI_NPCIcon::SetCentre(float x, float y) {
  centreX_ = x;
  centreY_ = y;
  UpdateRect();
}

void GUI_NPCIcon::SetIconSize(float size) {
  size_ = size;
  UpdateRect();
}

bool GUI_NPCIcon::HitTest(float x, float y) const {
  return shown_ && GUI_ButtonBase::HitTest(x, y);
}

void GUI_NPCIcon::UpdateHover() {
  if (!shown_ || GUI_WindowManager::Instance().TopModal()) {
    hover = 0;
    return;
  }
  GUI_ButtonBase::UpdateHover();
}

void GUI_NPCIcon::Draw() {
  drewGlow_ = drewMood_ = false;
  if (!shown_ || !npc_) return;
  UpdateRect();
  const bool introduced = npc_->IsIntroduced();
  const bool hovered = !GUI_Services::IsMouseTaken() && MouseOver(*this);
  if (hovered && LastHoverSound() != this && introduced) {
    GUI_Services::PlaySound(kHoverSound);
    LastHoverSound() = this;
  }
  D3DEngine& engine = D3DEngine::Instance();
  const float l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const float r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);

  const SIM_SocialiseType* type = GUI_SocialActivityChooser::GetCurrentType();
  if (type && introduced && npc_->LikesActivity(type)) {
    BaseSprite glow;
    glow.width = static_cast<float>(width + 8);
    glow.height = static_cast<float>(height + 8);
    glow.SetColour(255, 255, 255, 192);
    glow.SetPosition(centreX_, centreY_);
    engine.SetTextureByName("window_highlight.dds");
    glow.Draw();
    drewGlow_ = true;
  }

  if (!introduced) {
    drawnPicture_ = "mystery.dds";
    drawnAlpha_ = 128;
  } else {
    DrawDropShadow(l, t, r, b, 16, 2);
    drawnPicture_ = hovered || selected_ || state_ == kAcquaintance ? npc_->GetPortrait()
                                                                     : npc_->GetGreyPortrait();
    drawnAlpha_ = 255;
  }
  portrait_.SetColour(255, 255, 255, drawnAlpha_);
  portrait_.SetPosition(centreX_, centreY_);
  engine.SetTextureByName(drawnPicture_);
  portrait_.Draw();

  if (npc_->GetSnubDelay() >= 1) {
    mood_.SetPosition(portrait_.right + 10, centreY_);
    engine.SetTextureByName("smiley_unhappy.dds");
    mood_.Draw();
    drewMood_ = true;
  }
  GUI_ButtonBase::Draw();  // the tooltip
}

void GUI_NPCIcon::Select() {
  const float s = Scale();
  for (GUI_NPCIcon* icon : Icons()) {
    icon->selected_ = false;
    icon->SetIconSize(48.0f * s);
  }
  selected_ = true;
  SetIconSize(58.0f * s);

  for (GUI_NPCIcon* icon : Icons())
    if (icon->state_ == kAcquaintance) icon->shown_ = false;
  const SIM_Person* player = SIM_Vesk::Instance();
  std::vector<GUI_NPCIcon*> acquaintances;
  for (const SIM_Relationship* relationship : npc_->GetRelationships()) {
    const SIM_Person* other = relationship->GetOther(npc_);
    if (!other || other == player || other->IsFriendOfPlayer()) continue;
    if (GUI_NPCIcon* icon = FindNPCIcon(other)) acquaintances.push_back(icon);
  }
  float y = static_cast<float>(D3DEngine::Instance().GetHeight()) * 0.5f -
            static_cast<float>(acquaintances.size()) * 24.0f;
  for (GUI_NPCIcon* icon : acquaintances) {
    icon->shown_ = true;
    icon->SetState(kAcquaintance);
    icon->SetCentre(355.0f * s, y);
    y += 48.0f;
  }
}

void GUI_NPCIcon::AddNameLabel(GdiTextList& texts) const {
  if (!shown_ || !npc_ || !npc_->IsIntroduced()) return;
  const int fontSize = npc_->FindRelationship(SIM_Vesk::Instance()) ? 12 : 11;
  texts.AddText(centreX_ - 310.0f, centreY_ + 10.0f, npc_->GetFullName(), "tahoma bold", fontSize,
                300.0f - size_ / 2.0f, 2, 255, 255, 255);
}

bool GUI_NPCIcon::OnLeftClick() {
  if (!shown_ || !npc_ || GUI_Services::IsMouseTaken() || !GUI_Tutorial::IsAllowed(this) ||
      !npc_->IsIntroduced())
    return false;
  if (!MouseOver(*this)) return false;
  if (npc_->IsFriendOfPlayer()) Select();
  GUI_Services::PlayClick();
  // In the tutorial a contact is there to be dragged onto the evening: a window it opened
  // would refuse its close button and tabs there, and stay until the tour ends.
  const bool opensWindows = !GUI_Tutorial::IsActive();
  if (opensWindows && Shell().IsKeyDown(kKeyB)) {
    GUI_BoredomWatcher::Open(npc_);
  } else if (opensWindows && Shell().IsKeyDown(kKeyM)) {
    GUI_MemoryWatcher::Open(npc_);
  } else if (opensWindows && Shell().IsDoubleClick()) {
    GUI_NPC::Open(npc_);
  } else if (GUI_Cursor::Instance().GetDragged() == nullptr) {
    GUI_DragIcon::BeginDrag(this);
  }
  return true;
}

bool GUI_NPCIcon::OnRightClick() {
  // A right click only opens the person's window, which the tutorial would not let close.
  if (!shown_ || !npc_ || GUI_Services::IsMouseTaken() || GUI_Tutorial::IsActive() ||
      !npc_->IsIntroduced())
    return false;
  if (!MouseOver(*this)) return false;
  GUI_Services::PlayClick();
  GUI_NPC::Open(npc_);
  return true;
}

// ---------------------------------------------------------------------------------------------
// All icons

GUI_NPCIcon* CreateNPCIcon(SIM_NPC* npc) { return new GUI_NPCIcon(npc); }

const std::vector<GUI_NPCIcon*>& AllNPCIcons() { return Icons(); }

GUI_NPCIcon* FindNPCIcon(const SIM_Person* person) {
  if (!person) return nullptr;
  for (GUI_NPCIcon* icon : Icons())
    if (icon->GetNPC() == person) return icon;
  return nullptr;
}

const GdiTextList& NPCIconNameTexts() { return NameTexts(); }

void LayOutNPCIcons() {
  for (GUI_NPCIcon* icon : Icons()) icon->SetShown(false);
  const SIM_Vesk* player = SIM_Vesk::Instance();
  if (!player) return;
  const int n = player->CountFriends();
  if (n < 1) return;
  const float s = Scale();
  const double cx = 818.0 * s, cy = 362.0 * s, radius = 322.0 * s;
  // Friends stand 12 degrees apart on an arc centred on 276 degrees.
  double angle = static_cast<double>(n) * 12.0 * 0.5 + 270.0;
  for (const SIM_Relationship* relationship : player->GetRelationships()) {
    if (!relationship->IsFriendship()) continue;
    GUI_NPCIcon* icon = FindNPCIcon(relationship->GetOther(player));
    if (icon) {
      const double a = angle * kDegreesToRadians;
      icon->SetState(GUI_NPCIcon::kFriend);
      icon->SetCentre(static_cast<float>(std::sin(a) * radius + cx + 60.0 * s),
                      static_cast<float>(cy - std::cos(a) * radius));
      icon->SetShown(true);
    }
    angle -= 12.0;
  }
}

void DrawNPCIconLinks() {
  const float trunkX = 395.0f * Scale();
  D3DEngine& engine = D3DEngine::Instance();
  const GUI_NPCIcon* selected = nullptr;
  bool any = false;
  float lowest = 0, highest = 0;
  auto note = [&](float y) {
    lowest = any ? std::min(lowest, y) : y;
    highest = any ? std::max(highest, y) : y;
    any = true;
  };
  for (const GUI_NPCIcon* icon : Icons())
    if (icon->IsSelected()) selected = icon;
  bool acquaintance = false;
  for (const GUI_NPCIcon* icon : Icons()) {
    if (!icon->IsShown() || icon->GetState() != GUI_NPCIcon::kAcquaintance) continue;
    engine.DrawLine(icon->GetCentreX(), icon->GetCentreY(), trunkX, icon->GetCentreY(), kLinkColour);
    note(icon->GetCentreY());
    acquaintance = true;
  }
  if (!acquaintance || !selected) return;
  note(selected->GetCentreY());
  engine.DrawLine(trunkX, lowest, trunkX, highest, kLinkColour);
  engine.DrawLine(trunkX, selected->GetCentreY(), selected->GetCentreX(), selected->GetCentreY(),
                  kLinkColour);
}

// A soft dark veil under each name, so it reads on any part of the room picture; the icons are
// drawn over its end.
void DrawNameVeils() {
  for (const GUI_NPCIcon* icon : Icons()) {
    const SIM_NPC* npc = icon->GetNPC();
    if (!icon->IsShown() || !npc || !npc->IsIntroduced()) continue;
    const int size = npc->FindRelationship(SIM_Vesk::Instance()) ? 12 : 11;
    const float textWidth =
        static_cast<float>(GUI_Services::MeasureWidth("tahoma bold", size, npc->GetFullName()));
    const float right = icon->GetCentreX() - icon->GetSize() / 2.0f - 10.0f;
    const float top = icon->GetCentreY() + 10.0f;
    DrawTextVeil(right - textWidth - kTextVeilBorder, top - kTextVeilBorder,
                 right + kTextVeilBorder, top + static_cast<float>(size) + 4.0f + kTextVeilBorder);
  }
}

void DrawNPCIcons() {
  DrawNameVeils();
  DrawNPCIconLinks();
  const std::vector<GUI_NPCIcon*> order = Icons();
  for (GUI_NPCIcon* icon : order) icon->Draw();
  // The partner's heart beside the icon.
  GUI_RomanceIcon::Instance().Draw();
}

void DrawNPCIconNames() {
  GdiTextList& texts = NameTexts();
  texts.Clear();
  for (const GUI_NPCIcon* icon : Icons()) icon->AddNameLabel(texts);
  texts.DrawNow();
}

void NPCIconsUpdateHover() {
  for (GUI_NPCIcon* icon : Icons()) icon->UpdateHover();
}

bool NPCIconsOnLeftClick() {
  if (GUI_RomanceIcon::Instance().OnClick(GUI_Services::MouseX(), GUI_Services::MouseY()))
    return true;
  bool taken = false;
  const std::vector<GUI_NPCIcon*> order = Icons();
  for (GUI_NPCIcon* icon : order)
    if (std::find(Icons().begin(), Icons().end(), icon) != Icons().end() && icon->OnLeftClick())
      taken = true;
  return taken;
}

void NPCIconsOnRightClick() {
  const std::vector<GUI_NPCIcon*> order = Icons();
  for (GUI_NPCIcon* icon : order)
    if (std::find(Icons().begin(), Icons().end(), icon) != Icons().end()) icon->OnRightClick();
}

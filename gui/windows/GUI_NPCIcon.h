// The contact icons of the main screen: the player's friends as portraits on an arc with their
// names beside them; selecting a friend fans out that friend's other contacts (acquaintances)
// in a column joined by grey lines. A double or right click opens the person's window, a press
// starts dragging the person (onto the social chooser; in the tutorial, all a contact does),
// and while the social chooser shows a kind of evening, the people who like it glow. Every
// character has exactly one icon, which the screens keep (GUI_SimScreens) and delete when the
// character goes.
#pragma once

#include <string>
#include <vector>

#include "engine/BaseSprite.h"
#include "gui/GUI_ButtonBase.h"

class GdiTextList;
class SIM_NPC;
class SIM_Person;

class GUI_NPCIcon : public GUI_ButtonBase {
 public:
  static constexpr int kFriend = 0;
  static constexpr int kAcquaintance = 1;

  explicit GUI_NPCIcon(SIM_NPC* npc);
  ~GUI_NPCIcon() override;

  void Draw() override;
  bool HitTest(float x, float y) const override;
  void UpdateHover() override;
  // The clicks no window took; true when the icon took it.
  bool OnLeftClick();
  bool OnRightClick();

  // 0 friend (48 x scale), 1 acquaintance (38 x scale), with the matching tooltip.
  void SetState(int state);
  void SetCentre(float x, float y);
  void SetIconSize(float size);
  // Deselects every icon, then selects this one and shows its person's acquaintances.
  void Select();
  void AddNameLabel(GdiTextList& texts) const;

  SIM_NPC* GetNPC() const { return npc_; }
  float GetCentreX() const { return centreX_; }
  float GetCentreY() const { return centreY_; }
  float GetSize() const { return size_; }
  int GetState() const { return state_; }
  bool IsSelected() const { return selected_; }
  bool IsShown() const { return shown_; }
  void SetShown(bool shown) { shown_ = shown; }
  // What the last draw showed: the glow, the picture's name and opacity, the sulk face.
  bool DrewGlow() const { return drewGlow_; }
  bool DrewMood() const { return drewMood_; }
  const std::string& DrawnPicture() const { return drawnPicture_; }
  int DrawnAlpha() const { return drawnAlpha_; }

 private:
  void UpdateRect();

  SIM_NPC* npc_;
  BaseSprite portrait_;
  BaseSprite mood_;
  float centreX_ = 32, centreY_ = 32;
  float size_ = 0;
  int state_ = kAcquaintance;
  bool selected_ = false;
  bool shown_ = false;
  bool drewGlow_ = false;
  bool drewMood_ = false;
  std::string drawnPicture_;
  int drawnAlpha_ = 0;
};

// Builds a character's icon (it joins the list of icons).
GUI_NPCIcon* CreateNPCIcon(SIM_NPC* npc);
// Puts the player's friends on the arc and hides every other icon.
void LayOutNPCIcons();
// The link lines, then every icon.
void DrawNPCIcons();
void DrawNPCIconLinks();
// The name labels of the shown icons, drawn at once over the icons.
void DrawNPCIconNames();
void NPCIconsUpdateHover();
// True when an icon took the click.
bool NPCIconsOnLeftClick();
void NPCIconsOnRightClick();

const std::vector<GUI_NPCIcon*>& AllNPCIcons();
GUI_NPCIcon* FindNPCIcon(const SIM_Person* person);
// The labels as the last DrawNPCIconNames laid them out.
const GdiTextList& NPCIconNameTexts();

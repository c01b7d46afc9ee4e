// Stand-in for the contact icons until they are built: an icon belongs to its character;
// making and laying them out records the calls.
#pragma once

class SIM_NPC;

class GUI_NPCIcon {
 public:
  explicit GUI_NPCIcon(SIM_NPC* npc) : npc_(npc) {}
  SIM_NPC* GetNPC() const { return npc_; }

 private:
  SIM_NPC* npc_;
};

// The contact icon of a new character; the character owns and deletes it.
GUI_NPCIcon* CreateNPCIcon(SIM_NPC* npc);
void LayOutNPCIcons();
// The contact icons on the main screen: drawn with the scene, hovered every update, offered
// the clicks no window took. The left click returns whether an icon took it.
void DrawNPCIcons();
void NPCIconsUpdateHover();
bool NPCIconsOnLeftClick();
void NPCIconsOnRightClick();

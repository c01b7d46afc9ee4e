// STAND-IN: the contact icons.
#include "gui/windows/GUI_NPCIcon.h"

#include "engine/CallTrace.h"

GUI_NPCIcon* CreateNPCIcon(SIM_NPC* npc) { return new GUI_NPCIcon(npc); }

void LayOutNPCIcons() { TraceCall("LayOutNPCIcons"); }

void DrawNPCIcons() { TraceCall("DrawNPCIcons"); }

void NPCIconsUpdateHover() { TraceCall("NPCIconsUpdateHover"); }

bool NPCIconsOnLeftClick() {
  TraceCall("NPCIconsOnLeftClick");
  return false;
}

void NPCIconsOnRightClick() { TraceCall("NPCIconsOnRightClick"); }

// Stand-in for the contact icons until they are built: laying them out records its call.
#pragma once

void LayOutNPCIcons();
// The contact icons on the main screen: drawn with the scene, hovered every update, offered
// the clicks no window took. The left click returns whether an icon took it.
void DrawNPCIcons();
void NPCIconsUpdateHover();
bool NPCIconsOnLeftClick();
void NPCIconsOnRightClick();

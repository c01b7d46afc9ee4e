// The name tab on a window's top edge: a small dark frame 16 px per character of the title,
// centred over the window.
#pragma once

#include <string>

#include "gui/GUI_BaseElement.h"

class GUI_WindowBase;

void DrawWindowIdTab(const std::string& title, GUI_WindowBase* window);
// The tab's rectangle for that title over that window.
GUI_Rect WindowIdTabRect(const std::string& title, const GUI_BaseElement& window);

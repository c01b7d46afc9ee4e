// STAND-IN: the special event's result window.
#include "gui/windows/GUI_SpecialEventPostMortem.h"

#include "engine/CallTrace.h"

namespace {
bool g_eventResultOpen = false;
}

bool GUI_SpecialEventPostMortem::IsOpen() { return g_eventResultOpen; }

void GUI_SpecialEventPostMortem::SetOpen(bool open) { g_eventResultOpen = open; }

void GUI_SpecialEventPostMortem::DrawOpen() {
  if (g_eventResultOpen) TraceCall("GUI_SpecialEventPostMortem::DrawOpen");
}

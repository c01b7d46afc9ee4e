// STAND-IN: the character message window.
#include "gui/windows/GUI_NPCMessage.h"

#include "engine/CallTrace.h"
#include "engine/DebugLog.h"

void ShowNPCMessage(SIM_NPC* npc, const std::string& text) {
  ReportAssertion(npc != nullptr, __FILE__, __LINE__);
  TraceCall("ShowNPCMessage " + text);
}

// A character's message.
#include "gui/windows/GUI_NPCMessage.h"

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "gui/GUI_TextureMessage.h"
#include "sim/SIM_NPC.h"

std::string NPCMessageTitle(const SIM_NPC& npc) {
  return TranslateWithTokens("NPCMESSAGEFROM", "NAME=" + npc.GetFullName() + ",");
}

void ShowNPCMessage(SIM_NPC* npc, const std::string& text) {
  ReportAssertion(npc != nullptr, __FILE__, __LINE__);
  if (!npc) return;
  ShowTextureMessage(npc->GetGreyPortrait(), text, NPCMessageTitle(*npc));
}

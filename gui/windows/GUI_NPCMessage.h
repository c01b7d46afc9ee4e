// Stand-in for the picture message from a character until it is built: records its text.
#pragma once

#include <string>

class SIM_NPC;

void ShowNPCMessage(SIM_NPC* npc, const std::string& text);

// A message from a character: a picture message with the character's grey portrait, titled
// with who sent it. Any number may be open at once.
#pragma once

#include <string>

class SIM_NPC;

// A null character is a soft assertion and shows nothing.
void ShowNPCMessage(SIM_NPC* npc, const std::string& text);
// "Message from <NAME>" with the character's full name, before the picture message cuts it.
std::string NPCMessageTitle(const SIM_NPC& npc);

// Stand-in for the main screen's e-mail items until they are built: each operation records its call.
#pragma once

#include <string>

class SIM_JobBase;
class SIM_NPC;
class SIM_SocialInvitation;

class GUI_Email {
 public:
  static void DeleteAll();
  // The new-mail notifier drawn under the windows, and the clicks no window or icon took.
  static void DrawNotifier();
  static void OnLeftClick();
  static void AddInvitation(SIM_SocialInvitation* invitation);
  static void AddNewFriend(SIM_NPC* npc);
  static void AddNPCMessage(SIM_NPC* npc, const std::string& text);
  static void AddJobUnlock(SIM_NPC* npc, SIM_JobBase* job);
};

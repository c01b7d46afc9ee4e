// Friends stand-in.
#include "sim/SIM_Friends.h"

#include "engine/CallTrace.h"

namespace {
int g_friendCount = 0;
}

int CountPlayerFriends() { return g_friendCount; }

SIM_NPC* MeetNewFriend() {
  TraceCall("MeetNewFriend");
  return nullptr;
}

void SetPlayerFriendCountForTesting(int count) { g_friendCount = count; }

// Stand-in for the player's friends until they are built. The friend count is what a test
// sets (0 otherwise); meeting a friend records the call and makes nobody.
#pragma once

class SIM_NPC;

int CountPlayerFriends();
SIM_NPC* MeetNewFriend();
void SetPlayerFriendCountForTesting(int count);

// How the player's circle grows: the starting friends of a new game, a friend met through an
// activity, and the two to four friends every new friend brings along (acquaintances of that
// friend, not of the player). New people are made in the player's image.
#pragma once

class SIM_NPC;

void MakeInitialFriends();
SIM_NPC* MakeInitialFriend();
SIM_NPC* MeetNewFriend();
void BringFriends(SIM_NPC* friendNpc);
// 0 or 1 to even out the friends' genders, 2 for a random one.
int ChooseFriendGender();
int CountPlayerFriends();
// Tests of activities fix the friend count that CountPlayerFriends answers, whatever the
// world holds, until cleared.
void SetPlayerFriendCountForTesting(int count);
void ClearPlayerFriendCountForTesting();

// Stand-in for the achievements until they are built: clearing records its call.
#pragma once

void ClearAchievements();

#include <string>

// Unlocks an achievement by its key ("ACH_..."); records its call until achievements are built.
void UnlockAchievement(const std::string& key);

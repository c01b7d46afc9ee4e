// Stand-in for the achievements until they are built: clearing and unlocking record their
// calls.
#pragma once

#include <string>

void ClearAchievements();
void UnlockAchievement(const std::string& key);

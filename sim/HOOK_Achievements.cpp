// STAND-IN: achievements.
#include "sim/HOOK_Achievements.h"

#include "engine/CallTrace.h"

void ClearAchievements() { TraceCall("ClearAchievements"); }
// STAND-IN: unlocking an achievement.
void UnlockAchievement(const std::string& key) { TraceCall("UnlockAchievement " + key); }

// Achievements stand-in.
#include "hooks/HOOK_Achievements.h"

#include "engine/CallTrace.h"

void ClearAchievements() { TraceCall("ClearAchievements"); }

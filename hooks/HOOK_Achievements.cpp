// Achievements stand-in.
#include "hooks/HOOK_Achievements.h"

#include "engine/CallTrace.h"

void ClearAchievements() { TraceCall("ClearAchievements"); }

void DrawScienceTheoryProgress(float, float, float) { TraceCall("DrawScienceTheoryProgress"); }
void DrawSongProgress(float, float, float) { TraceCall("DrawSongProgress"); }
void DrawScreenplayProgress(float, float, float) { TraceCall("DrawScreenplayProgress"); }
void DrawNewsStoryProgress(float, float, float) { TraceCall("DrawNewsStoryProgress"); }

// STAND-IN: the writing projects' progress panels.
#include "gui/windows/GUI_ProjectProgress.h"

#include "engine/CallTrace.h"

void DrawScienceTheoryProgress(float, float, float) { TraceCall("DrawScienceTheoryProgress"); }
void DrawSongProgress(float, float, float) { TraceCall("DrawSongProgress"); }
void DrawScreenplayProgress(float, float, float) { TraceCall("DrawScreenplayProgress"); }
void DrawNewsStoryProgress(float, float, float) { TraceCall("DrawNewsStoryProgress"); }

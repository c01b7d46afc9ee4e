// STAND-IN: the job search window.
#include "gui/windows/GUI_JobSearch.h"

#include "engine/CallTrace.h"

void GUI_JobSearch::Open() { TraceCall("GUI_JobSearch::Open"); }

void GUI_JobSearch::Close() { TraceCall("GUI_JobSearch::Close"); }

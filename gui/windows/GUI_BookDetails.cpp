// STAND-IN: the book details window.
#include "gui/windows/GUI_BookDetails.h"

#include "engine/CallTrace.h"

void GUI_BookDetails::Close() { TraceCall("GUI_BookDetails::Close"); }

// GUI_BookDetails stand-in.
#include "gui/windows/GUI_BookDetails.h"

#include "engine/CallTrace.h"

void GUI_BookDetails::Close() { TraceCall("GUI_BookDetails::Close"); }

// GUI_BookDetails stand-in.
#include "hooks/GUI_BookDetails.h"

#include "engine/CallTrace.h"

void GUI_BookDetails::Close() { TraceCall("GUI_BookDetails::Close"); }

// GUI_Relationship stand-in.
#include "gui/windows/GUI_Relationship.h"

#include "engine/CallTrace.h"

void DrawRelationships() { TraceCall("DrawRelationships"); }

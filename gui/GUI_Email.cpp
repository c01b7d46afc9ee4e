// GUI_Email stand-in.
#include "gui/GUI_Email.h"

#include "engine/CallTrace.h"

void GUI_Email::DeleteAll() { TraceCall("GUI_Email::DeleteAll"); }

// GUI_Email stand-in.
#include "gui/GUI_Email.h"

#include "engine/CallTrace.h"

void GUI_Email::DeleteAll() { TraceCall("GUI_Email::DeleteAll"); }

void GUI_Email::DrawNotifier() { TraceCall("GUI_Email::DrawNotifier"); }

void GUI_Email::OnLeftClick() { TraceCall("GUI_Email::OnLeftClick"); }

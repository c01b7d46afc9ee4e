// GUI_SoloActivityChooser stand-in.
#include "gui/windows/GUI_SoloActivityChooser.h"

#include "engine/CallTrace.h"

void GUI_SoloActivityChooser::Close() { TraceCall("GUI_SoloActivityChooser::Close"); }

void GUI_SoloActivityChooser::ScrollPrevious() { TraceCall("GUI_SoloActivityChooser::ScrollPrevious"); }

void GUI_SoloActivityChooser::ScrollNext() { TraceCall("GUI_SoloActivityChooser::ScrollNext"); }

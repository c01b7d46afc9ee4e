// GUI_SocialActivityChooser stand-in.
#include "gui/windows/GUI_SocialActivityChooser.h"

#include "engine/CallTrace.h"

void GUI_SocialActivityChooser::ScrollPrevious() { TraceCall("GUI_SocialActivityChooser::ScrollPrevious"); }

void GUI_SocialActivityChooser::ScrollNext() { TraceCall("GUI_SocialActivityChooser::ScrollNext"); }

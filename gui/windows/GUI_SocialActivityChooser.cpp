// GUI_SocialActivityChooser stand-in.
#include "gui/windows/GUI_SocialActivityChooser.h"

#include "engine/CallTrace.h"

void GUI_SocialActivityChooser::Open() { TraceCall("GUI_SocialActivityChooser::Open"); }

void GUI_SocialActivityChooser::Close() { TraceCall("GUI_SocialActivityChooser::Close"); }

// STAND-IN: the social activity chooser.
#include "gui/windows/GUI_SocialActivityChooser.h"

#include "engine/CallTrace.h"

void GUI_SocialActivityChooser::Open() { TraceCall("GUI_SocialActivityChooser::Open"); }

void GUI_SocialActivityChooser::Close() { TraceCall("GUI_SocialActivityChooser::Close"); }

void GUI_SocialActivityChooser::ScrollPrevious() { TraceCall("GUI_SocialActivityChooser::ScrollPrevious"); }

void GUI_SocialActivityChooser::ScrollNext() { TraceCall("GUI_SocialActivityChooser::ScrollNext"); }

// GUI_SocialTovel stand-in.
#include "gui/windows/GUI_SocialTovel.h"

#include "engine/CallTrace.h"

void GUI_SocialTovel::Show() { TraceCall("GUI_SocialTovel::Show"); }

// STAND-IN: the invitation windows.
#include "gui/windows/GUI_SocialInvitation.h"

#include "engine/CallTrace.h"

void GUI_SocialInvitation::Open(SIM_SocialInvitation*) {
  TraceCall("GUI_SocialInvitation::Open");
}

void GUI_SocialInvitation::CloseAll() { TraceCall("GUI_SocialInvitation::CloseAll"); }

// STAND-IN: the social standing screen.
#include "gui/windows/GUI_SocialTovel.h"

#include "engine/CallTrace.h"

void GUI_SocialTovel::Show() { TraceCall("GUI_SocialTovel::Show"); }

void GUI_SocialTovel::Draw() { TraceCall("GUI_SocialTovel::Draw"); }

void GUI_SocialTovel::Update() { TraceCall("GUI_SocialTovel::Update"); }

void GUI_SocialTovel::OnClick(float /*x*/, float /*y*/) { TraceCall("GUI_SocialTovel::OnClick"); }

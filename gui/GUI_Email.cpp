// STAND-IN: the e-mail panel.
#include "gui/GUI_Email.h"

#include "engine/CallTrace.h"

void GUI_Email::AddInvitation(SIM_SocialInvitation*) { TraceCall("GUI_Email::AddInvitation"); }
void GUI_Email::AddNewFriend(SIM_NPC*) { TraceCall("GUI_Email::AddNewFriend"); }
void GUI_Email::AddNPCMessage(SIM_NPC*, const std::string& text) {
  TraceCall("GUI_Email::AddNPCMessage " + text);
}
void GUI_Email::AddJobUnlock(SIM_NPC*, SIM_JobBase*) { TraceCall("GUI_Email::AddJobUnlock"); }
void GUI_Email::DeleteAll() { TraceCall("GUI_Email::DeleteAll"); }

void GUI_Email::DrawNotifier() { TraceCall("GUI_Email::DrawNotifier"); }

void GUI_Email::OnLeftClick() { TraceCall("GUI_Email::OnLeftClick"); }

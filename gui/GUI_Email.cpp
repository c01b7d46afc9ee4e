// STAND-IN: the e-mail panel.
#include "gui/GUI_Email.h"

#include <algorithm>

#include "engine/CallTrace.h"

namespace {
std::vector<GUI_Email*>& List() {
  static std::vector<GUI_Email*> items;
  return items;
}
}  // namespace

GUI_Email::GUI_Email(void* data, GUI_EmailType type) : data_(data), type_(type) {
  List().push_back(this);
}

GUI_Email::~GUI_Email() {
  List().erase(std::remove(List().begin(), List().end(), this), List().end());
  if (holder_) {
    std::function<void()> close = std::move(holder_);
    holder_ = nullptr;
    close();
  }
}

const std::vector<GUI_Email*>& GUI_Email::Items() { return List(); }

void GUI_Email::AddInvitation(SIM_SocialInvitation*) { TraceCall("GUI_Email::AddInvitation"); }
void GUI_Email::AddNewFriend(SIM_NPC*) { TraceCall("GUI_Email::AddNewFriend"); }
void GUI_Email::AddNPCMessage(SIM_NPC*, const std::string& text) {
  TraceCall("GUI_Email::AddNPCMessage " + text);
}
GUI_Email* GUI_Email::AddJobUnlock(SIM_NPC* npc, SIM_JobBase*) {
  TraceCall("GUI_Email::AddJobUnlock");
  return new GUI_Email(npc, EMAIL_JOBUNLOCK);
}
GUI_Email* GUI_Email::AddJobOffer(SIM_JobOffer* offer) {
  TraceCall("GUI_Email::AddJobOffer");
  return new GUI_Email(offer, EMAIL_JOBOFFER);
}
void GUI_Email::DeleteAll() {
  TraceCall("GUI_Email::DeleteAll");
  while (!List().empty()) delete List().back();
}

void GUI_Email::DrawNotifier() { TraceCall("GUI_Email::DrawNotifier"); }

void GUI_Email::OnLeftClick() { TraceCall("GUI_Email::OnLeftClick"); }

// STAND-IN: social invitations (kept in a list, no text yet).
#include "sim/SIM_SocialInvitation.h"

#include "engine/CallTrace.h"

namespace {

std::vector<SIM_SocialInvitation*>& List() {
  static std::vector<SIM_SocialInvitation*> list;
  return list;
}

}  // namespace

void SIM_SocialInvitation::DeleteAll() {
  TraceCall("SIM_SocialInvitation::DeleteAll");
  for (SIM_SocialInvitation* invitation : List()) delete invitation;
  List().clear();
}

void SIM_SocialInvitation::LapseAllOpen() { TraceCall("SIM_SocialInvitation::LapseAllOpen"); }

SIM_SocialInvitation* SIM_SocialInvitation::Create(SIM_NPC* host, SIM_SocialiseType* type,
                                                   bool important) {
  TraceCall("SIM_SocialInvitation::Create");
  List().push_back(new SIM_SocialInvitation(host, type, important));
  return List().back();
}

const std::vector<SIM_SocialInvitation*>& SIM_SocialInvitation::All() { return List(); }

void SIM_SocialInvitation::BuildText() { TraceCall("SIM_SocialInvitation::BuildText"); }

// Characters' invitations to the player.
#include "sim/SIM_SocialInvitation.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr int kStatDeclined = 9;
constexpr int kStatAccepted = 10;

struct Counts {
  int received = 0, accepted = 0, lapsed = 0, payOffers = 0;
};

Counts& RunCounts() {
  static Counts counts;
  return counts;
}

// Never destroyed: the invitations it owns stay reachable until DeleteAll.
std::vector<SIM_SocialInvitation*>& List() {
  static auto* list = new std::vector<SIM_SocialInvitation*>();
  return *list;
}

}  // namespace

SIM_SocialInvitation::SIM_SocialInvitation(SIM_NPC* inviter, SIM_SocialiseType* type, int kind)
    : inviter_(inviter), type_(type), kind_(kind), playerCost_(type->GetCost()) {}

SIM_SocialInvitation::~SIM_SocialInvitation() { std::erase(List(), this); }

SIM_SocialInvitation* SIM_SocialInvitation::Create(SIM_NPC* inviter, SIM_SocialiseType* type,
                                                   int kind) {
  ReportAssertion(inviter != nullptr, "SIM_SocialInvitation", __LINE__);
  ReportAssertion(type != nullptr, "SIM_SocialInvitation", __LINE__);
  if (!inviter || !type) return nullptr;
  ++RunCounts().received;
  return CreateSaved(inviter, type, kind);
}

SIM_SocialInvitation* SIM_SocialInvitation::CreateSaved(SIM_NPC* inviter, SIM_SocialiseType* type,
                                                        int kind) {
  if (!inviter || !type) return nullptr;
  auto* invitation = new SIM_SocialInvitation(inviter, type, kind);
  List().push_back(invitation);
  return invitation;
}

int SIM_SocialInvitation::ReceivedCount() { return RunCounts().received; }
int SIM_SocialInvitation::AcceptedCount() { return RunCounts().accepted; }
int SIM_SocialInvitation::LapsedCount() { return RunCounts().lapsed; }
int SIM_SocialInvitation::PayOfferCount() { return RunCounts().payOffers; }

void SIM_SocialInvitation::DeleteAll() {
  while (!List().empty()) delete List().back();
}

void SIM_SocialInvitation::LapseAllOpen() {
  // A lapse never deletes an invitation, but walk a copy all the same.
  const std::vector<SIM_SocialInvitation*> all = List();
  // An inviter who has left the player's world since has nobody to be snubbed by.
  for (SIM_SocialInvitation* invitation : all)
    if (invitation->IsOpen() && !invitation->GetInviter()->IsRemoved()) invitation->Lapse();
}

const std::vector<SIM_SocialInvitation*>& SIM_SocialInvitation::All() { return List(); }

void SIM_SocialInvitation::SetPayOffer(bool offer) {
  if (offer && !payOffer_) ++RunCounts().payOffers;
  payOffer_ = offer;
  if (offer) playerCost_ = 0;
}

std::string SIM_SocialInvitation::GetInviteText() const {
  return Translate(type_->GetInviteText().c_str());
}

void SIM_SocialInvitation::BuildText() {
  // Every piece is a copy of its own: the random texts share one buffer.
  std::string text = Translate("SOCIAL_INVITATION_INTRO");
  const std::string smallTalk = SIM_SmallTalk::GetLine(inviter_);
  ReplaceSubstring(text, "<SMALLTALK>", smallTalk);
  ReplaceSubstring(text, "<INVITE>", GetInviteText());
  const std::string signOff =
      GetRandomString(IsImportant() ? "SIGNOFF_IMPORTANT" : "SIGNOFF_NORMAL");
  ReplaceSubstring(text, "<SIGNOFF>", signOff);
  ReplaceSubstring(text, "<OFFER>", payOffer_ ? std::string(Translate("SOCIAL_PAYOFFER")) : "");
  text_ = text;
}

bool SIM_SocialInvitation::CanTakePlace() const {
  return !inviter_->IsRemoved() && type_->IsFor(inviter_);
}

const char* SIM_SocialInvitation::WhyNotAcceptable() const {
  if (!IsOpen() || inviter_->IsRemoved()) return "WHY_INVITATION_GONE";
  if (!type_->IsFor(inviter_)) return "WHY_ROMANCE_OVER";
  return nullptr;
}

void SIM_SocialInvitation::Accept() {
  accepted_ = true;
  SIM_Vesk* player = SIM_Vesk::Instance();
  SIM_Relationship* r = inviter_->FindRelationship(player);
  if (payOffer_) {
    const float cost = static_cast<float>(type_->GetCost());
    inviter_->SpendCash(cost);
    if (r) r->AddBalance(-cost);
  }
  if (IsImportant() && r)
    r->ChangeStrength(SIM_GlobalVariables::Instance().Get("GV_IMPORTANTINVITE_ACCEPT_BOOST"));
  SIM_Statistics::Instance().AddInt(1, kStatAccepted);
  ++RunCounts().accepted;
  Screens().RemoveInvitation(this);
}

void SIM_SocialInvitation::Lapse() {
  lapsed_ = true;
  // At the easiest setting a player short of the money is not held to blame.
  const bool easiest =
      SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty) == 0.0f;
  const bool couldNotPay =
      SIM_Finances::Instance().GetCash() <= static_cast<float>(playerCost_);
  if (!(easiest && couldNotPay)) inviter_->OnSnubbed(this);
  // The evening goes ahead without the player.
  const int hostShare = type_->hostCost >= 1 ? type_->GetHostCost() : type_->GetCost();
  inviter_->SpendCash(static_cast<float>(hostShare));
  for (SIM_NPC* guest : guests_) {
    if (guest != inviter_) guest->SpendCash(static_cast<float>(type_->GetCost()));
    type_->ApplyGameSkillGain(guest);
  }
  SIM_Statistics::Instance().AddInt(1, kStatDeclined);
  ++RunCounts().lapsed;
}

void SIM_SocialInvitation::Restore(bool accepted, bool lapsed, bool payOffer, int playerCost,
                                   const std::string& text) {
  accepted_ = accepted;
  lapsed_ = lapsed;
  payOffer_ = payOffer;
  playerCost_ = playerCost;
  text_ = text;
}

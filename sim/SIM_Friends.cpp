// Friends.
#include "sim/SIM_Friends.h"

#include <algorithm>
#include <optional>

#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Screens.h"

namespace {

// Below this standing a new person's demand is drawn from 0 to it.
constexpr float kStandingBase = 5.0f;

std::optional<int>& FriendCountOverride() {
  static std::optional<int> count;
  return count;
}

float StandingNear(float low, float high) {
  const float t = SIM_Tovel::Instance().GetTotal();
  return t > kStandingBase ? RandomFloat(low, high) * t : RandomFloat(0.0f, kStandingBase);
}

// The draws are made one statement at a time: the order in which a call's arguments are
// worked out is the compiler's choice, and one seed must give the same people everywhere.
void SetPlayerLikeDemands(SIM_NPC* npc, float tovel) {
  const SIM_Vesk* player = SIM_Vesk::Instance();
  const float iq = RandomFloat(0.9f, 1.1f) * player->GetValue("iq");
  const float culture = RandomFloat(0.9f, 1.1f) * player->GetValue("culture");
  npc->SetDemands(tovel, iq, culture);
}

void FillCashAndTraits(SIM_NPC* npc) {
  npc->SetCashPerWeek();
  npc->RefillCash();
  npc->RandomiseTraits();
}

SIM_Relationship* FriendOfPlayer(SIM_NPC* npc, float low, float high) {
  SIM_Relationship* r = SIM_Relationship::Create(SIM_Vesk::Instance(), npc);
  r->SetStrength(RandomFloat(low, high));
  r->SetFriendship(true);
  r->SetPlayerCreated(true);
  return r;
}

}  // namespace

int ChooseFriendGender() {
  int male = 0, female = 0;
  const SIM_Vesk* player = SIM_Vesk::Instance();
  for (const SIM_Relationship* r : player->GetRelationships()) {
    if (!r->IsFriendship()) continue;
    const SIM_Person* other = r->GetOther(player);
    if (!other) continue;
    (other->GetGender() == kFemale ? female : male)++;
  }
  if (male + female < 2) return 2;
  if (male == 0) return kMale;
  if (female == 0) return kFemale;
  return 2;
}

int CountPlayerFriends() {
  if (FriendCountOverride()) return *FriendCountOverride();
  return SIM_Vesk::Instance()->CountFriends();
}

void SetPlayerFriendCountForTesting(int count) { FriendCountOverride() = count; }
void ClearPlayerFriendCountForTesting() { FriendCountOverride().reset(); }

SIM_NPC* MakeInitialFriend() {
  SIM_NPC* npc = SIM_NPC::Create(ChooseFriendGender());
  npc->SetSocialClass(SIM_Vesk::Instance()->GetSocialClass());
  npc->PickNames();
  SetPlayerLikeDemands(npc, StandingNear(0.9f, 1.1f));
  npc->SetIntroduced(true);
  SIM_JobBase::AssignLockedJobToNpc(npc);
  FriendOfPlayer(npc, 0.27f, 0.6f);
  FillCashAndTraits(npc);
  return npc;
}

void MakeInitialFriends() {
  SIM_Vesk::Instance()->Recalculate();
  // Each friend brings friends of their own, so a table's huge number is held to a crowd the
  // game still handles.
  constexpr int kMostInitialFriends = 30;
  const int n = std::min(ClampToInt(SIM_GlobalVariables::Instance().Get("GV_INITIALFRIENDS")),
                         kMostInitialFriends);
  for (int i = 0; i < n; ++i) BringFriends(MakeInitialFriend());
}

SIM_NPC* MeetNewFriend() {
  SIM_NPC* npc = SIM_NPC::Create(2);
  SetPlayerLikeDemands(npc, StandingNear(0.7f, 0.9f));
  FriendOfPlayer(npc, 0.27f, 0.35f);
  // Class and names first, so the friend's own friends take the friend's class.
  npc->SetSocialClass(SIM_Vesk::Instance()->GetSocialClass());
  npc->PickNames();
  BringFriends(npc);
  npc->SetIntroduced(true);
  FillCashAndTraits(npc);
  SIM_JobBase::AssignLockedJobToNpc(npc);
  Screens().LayOutNPCIcons();
  std::string text = Translate("MET_NEW_FRIEND_TEXT");
  ReplaceSubstring(text, "<FRIENDSNAME>", npc->GetFullName());
  Screens().ShowTextureMessage(npc->GetPortrait(), text, Translate("MET_NEW_FRIEND_TITLE"));
  return npc;
}

void BringFriends(SIM_NPC* friendNpc) {
  if (!friendNpc) return;
  const int k = 2 + RandomBelow(3);
  for (int i = 0; i < k; ++i) {
    SIM_NPC* npc = SIM_NPC::Create(2);
    npc->SetSocialClass(friendNpc->GetSocialClass());
    npc->PickNames();
    const float tovel = RandomFloat(0.8f, 1.2f) * friendNpc->GetTovelDemand();
    const float iq = RandomFloat(0.8f, 1.2f) * friendNpc->GetIQDemand();
    const float culture = RandomFloat(0.8f, 1.2f) * friendNpc->GetCultureDemand();
    npc->SetDemands(tovel, iq, culture);
    SIM_Relationship* r = SIM_Relationship::Create(friendNpc, npc);
    r->SetStrength(RandomFloat(0.27f, 1.0f));
    r->SetFriendship(true);
    SIM_JobBase::AssignLockedJobToNpc(npc);
    FillCashAndTraits(npc);
  }
}

// Relationships.
#include "sim/SIM_Relationship.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<SIM_Relationship*>& List() {
  static std::vector<SIM_Relationship*> list;
  return list;
}

float GV(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

// Most friends the player can gain through play.
constexpr int kMaxFriends = 9;

}  // namespace

SIM_Relationship* SIM_Relationship::Create(SIM_Person* a, SIM_Person* b) {
  if (!a || !b) FatalError("Nonsense relationship created", __FILE__, __LINE__);
  return new SIM_Relationship(a, b);
}

SIM_Relationship::SIM_Relationship(SIM_Person* a, SIM_Person* b) : person1_(a), person2_(b) {
  ReportAssertion(a && b, __FILE__, __LINE__);
  List().push_back(this);
  a->AddRelationship(this);
  b->AddRelationship(this);
  Screens().AddRelationshipView(this);
  const SIM_Person* player = SIM_Vesk::Instance();
  playerInvolved_ = a == player || b == player;
}

SIM_Relationship::~SIM_Relationship() {
  // Normally ended (and so unlinked) before; a relationship deleted while still linked must
  // not leave the persons holding a freed pointer.
  if (person1_ || person2_) Detach();
  Screens().RemoveRelationshipView(this);
  auto& list = List();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void SIM_Relationship::End() {
  active = false;
  person1_ = nullptr;
  person2_ = nullptr;
  Screens().RemoveRelationshipView(this);
}

void SIM_Relationship::Detach() {
  if (person1_) person1_->RemoveRelationship(this);
  if (person2_) person2_->RemoveRelationship(this);
  End();
}

SIM_Person* SIM_Relationship::PlayerSideOther() const {
  const SIM_Person* player = SIM_Vesk::Instance();
  if (person1_ == player) return person2_;
  if (person2_ == player) return person1_;
  return nullptr;
}

void SIM_Relationship::SetStrength(float strength) {
  strength_ = strength;
  if (strength < GV("GV_FRIEND_LOST_THRESHHOLD")) friendship_ = false;
  if (strength > GV("GV_FRIEND_GAIN_THRESHHOLD")) friendship_ = true;
}

void SIM_Relationship::ChangeStrength(float amount) {
  if (!active || !person1_ || !person2_) return;  // ended: nobody left to change
  SIM_Person* other = PlayerSideOther();
  SIM_NPC* npc = dynamic_cast<SIM_NPC*>(other);
  const bool wasFriend = friendship_;
  SIM_Romance& romance = SIM_Romance::Instance();
  if (npc && romance.IsPartner(npc)) {
    const float a = npc->GetAttraction();
    amount *= amount > 0.0f ? a + 0.25f : 1.0f - a + 0.25f;
  }
  strength_ = std::clamp(strength_ + amount, 0.0f, 1.0f);

  bool ended = false;
  if (npc) {
    if (wasFriend) {
      if (strength_ < GV("GV_FRIEND_LOST_THRESHHOLD")) {
        if (romance.IsPartner(npc)) romance.DumpedByPartner();
        friendship_ = false;
        ++friendsLost_;
        npc->LoseFriend();  // ends this relationship with every other of the NPC
        ended = true;
      }
    } else if (strength_ > GV("GV_FRIEND_GAIN_THRESHHOLD") && eveningsTogether_ >= 3 &&
               !friendMadeToday_ && SIM_Vesk::Instance()->CountFriends() < kMaxFriends) {
      friendship_ = true;
      friendMadeToday_ = true;
      npc->BecomeFriend();
    }
  }
  // After a lost friend the relationship is over: nothing is left to offer a romance.
  if (!ended) CheckRomance();
  SIM_Tovel::Instance().Recount();
}

void SIM_Relationship::CheckRomance() {
  if (!active) return;
  SIM_NPC* npc = dynamic_cast<SIM_NPC*>(PlayerSideOther());
  if (!npc) return;
  SIM_Romance& romance = SIM_Romance::Instance();
  if (romance.IsPartner(npc)) {
    if (strength_ < GV("GV_ROMANCE_BUSTUP_THRESHHOLD")) romance.DumpedByPartner();
    return;
  }
  if (romance.HasPartner()) return;
  const float a = npc->GetAttraction();
  if (a > 0.0f && eveningsTogether_ >= 5) {
    const float threshold =
        GV("GV_ROMANCE_BEGIN_THRESHHOLD") + (1.0f - a) * GV("GV_ROMANCE_BEGIN_ATTRACT_SCALAR");
    if (threshold <= strength_) romance.OfferRomance(npc);
  }
}

void SIM_Relationship::Process() {
  if (!active) return;
  float loss = 0.0f;
  if (playerInvolved_) {
    const float r = GV("GV_REL_DEGRADERATE") * 0.5f;
    const float d = SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
    loss = strength_ * (r + d * r);
  } else {
    if (!playerCreated_ || strength_ >= GV("GV_MINREL_SELFSUSTAIN")) return;
    loss = strength_ * GV("GV_REL_DEGRADERATE");
  }
  if (loss == 0.0f) return;
  ChangeStrength(-std::max(loss, 0.005f));
}

float SIM_Relationship::GetTovel() const {
  return playerCreated_ && strength_ > 0.2f ? strength_ * 4.0f : 0.0f;
}

void SIM_Relationship::ClearFriendMadeToday() {
  friendMadeToday_ = false;
}

const std::vector<SIM_Relationship*>& SIM_Relationship::All() { return List(); }

size_t SIM_Relationship::CountActive() {
  return static_cast<size_t>(
      std::count_if(List().begin(), List().end(), [](const auto* r) { return r->active; }));
}

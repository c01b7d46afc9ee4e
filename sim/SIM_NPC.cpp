// Non-player characters.
#include "sim/SIM_NPC.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_Friends.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_Interest.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Screens.h"

namespace {

std::vector<SIM_NPC*>& Live() {
  static std::vector<SIM_NPC*> list;
  return list;
}

std::vector<SIM_NPC*>& DroppedList() {
  static std::vector<SIM_NPC*> list;
  return list;
}

float GV(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

// A random line of a numbered section, copied at once.
std::string RandomLine(const char* section) {
  return std::string(GetRandomStringFromFile(section, kStringsFile));
}

// Snubs the player may deal out before the character gives up on them.
constexpr int kSnubLimit = 4;

}  // namespace

SIM_NPC::SIM_NPC() {
  Screens().AddNPCIcon(this);
  veskDays_ = RandomBelow(10);
  inviteDays_ = RandomBelow(60);
  characterType_ = SIM_CharacterType::ChooseRandom();
  memory_ = new SIM_Memory();
  Live().push_back(this);
}

SIM_NPC::~SIM_NPC() {
  Unlink();
  // Nothing on the screens may go on showing a character that no longer exists.
  Screens().DeleteNPCViews(this);
  delete memory_;
}

void SIM_NPC::Unlink() {
  if (SIM_Romance::Instance().IsPartner(this)) SIM_Romance::Instance().SetPartner(nullptr);
  EndAllRelationships();
  std::erase(Live(), this);
  std::erase(DroppedList(), this);
}

SIM_NPC* SIM_NPC::Create(int gender) {
  auto* npc = new SIM_NPC();
  npc->SetSocialClass(kWorkingClass);
  if (gender == kMale || gender == kFemale)
    npc->SetGender(gender);
  else
    npc->SetRandomGender();
  npc->PickNames();
  return npc;
}

SIM_NPC* SIM_NPC::CreateEmpty() { return new SIM_NPC(); }

float SIM_NPC::GetInterestIn(const SIM_SocialiseType* type) const {
  if (type && type->category == "ROMANTIC") return 1.0f;
  return SIM_Person::GetInterestIn(type);
}

void SIM_NPC::RandomiseTraits() {
  SIM_Interest::GiveRandomInterests(this);
  const bool sameSexAllowed =
      SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableSameSex);
  attraction_ = !sameSexAllowed && gender_ == SIM_Vesk::Instance()->GetGender() ? 0.0f : RandomUnit();
}

void SIM_NPC::SetCashPerWeek() {
  const SIM_JobInstance* job = SIM_Vesk::Instance()->GetJobInstance();
  const float salary = job ? job->GetSalary() : 0.0f;
  const float base = std::max(GV("GV_FIN_DISPOSABLEPERC") * salary / 52.0f, 20.0f);
  const float d =
      SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty) * 0.4f - 0.2f;
  cashPerWeek_ = RandomFloat(GV("GV_FRIENDSCASH_MIN") + d, GV("GV_FRIENDSCASH_MAX") + d) * base;
}

void SIM_NPC::RefillAllCash() {
  for (SIM_NPC* npc : Live()) npc->RefillCash();
}

void SIM_NPC::SpendCash(float amount) { cash_ = std::max(cash_ - amount, 0.0f); }

bool SIM_NPC::CannotAfford(const SIM_SocialiseType* type) const {
  const float cost = type->GetCost();
  return cost > 0.0f && cost > cash_;
}

bool SIM_NPC::IsTooGrubby(const SIM_SocialiseType* type) const {
  // The world's value itself, so cleaning and loading are always seen.
  const SIM_NamedValueList& globals = GlobalNamedValues();
  const float dirt = globals.Has("glob_dirt") ? globals.GetValue("glob_dirt") : 0.0f;
  return type->homeBased && dirt > 1.0f - cultureDemand_;
}

bool SIM_NPC::IsBoredWith(const SIM_SocialiseType* type) const {
  return boredom_->GetBoredom(type->GetName()) > 0.5f;
}

bool SIM_NPC::HasBadMemoryOf(const SIM_SocialiseType* type) const {
  return memory_->GetHappinessFor(type) < GV("GV_BADMEMORY_THRESHHOLD");
}

bool SIM_NPC::AcceptsInvitation(SIM_SocialiseType* type, SIM_Person* inviter) {
  SIM_Vesk* player = SIM_Vesk::Instance();
  if (inviter != player) return GetInterestIn(type) > 0.5f;
  std::string refusal;
  if (!IsFriendOfPlayer()) {
    if (player->GetValue("tovel") < tovelDemand_)
      refusal = RandomLine("NPC_INVITE_LOWTOVEL");
    else if (player->GetValue("iq") < iqDemand_)
      refusal = RandomLine("NPC_INVITE_LOWIQ");
    else if (player->GetValue("culture") < cultureDemand_)
      refusal = RandomLine("NPC_INVITE_LOWCULTURE");
  }
  if (refusal.empty()) {
    if (invitedToday_) {
      refusal = Translate("NPC_BUSYMESSAGE");
    } else if (IsBoredWith(type)) {
      refusal = RandomLine("NPC_BOREDWITHACTIVITY");
    } else if (HasBadMemoryOf(type)) {
      refusal = Translate("NPC_BADACTIVITYMEMORY");
    } else if (CannotAfford(type)) {
      Screens().OpenNoMoneyDialog(type, this);
      return false;
    } else if (IsTooGrubby(type)) {
      refusal = Translate("NPC_TOOGRUBBY");
    } else {
      return true;
    }
  }
  Screens().ShowNPCMessage(this, refusal);
  return false;
}

float SIM_NPC::GetNamedValue(const std::string& name) const {
  const SIM_NamedValue* v = namedValues_.Find(name);
  return v ? v->GetValue() : 0.0f;
}

void SIM_NPC::ModifyNamedValue(const std::string& name, float amount) {
  if (SIM_NamedValue* v = namedValues_.Find(name)) {
    v->Apply("+=", amount);
  } else {
    namedValues_.Add(new SIM_NamedValue(name, "nv_" + name, std::clamp(amount, 0.0f, 1.0f)));
  }
}

void SIM_NPC::InvalidateJobUnlock(SIM_JobBase* job) {
  for (SIM_NPC* npc : Live()) {
    if (npc->unlockable_ != job) continue;
    npc->unlockable_ = nullptr;
    SIM_JobBase::AssignLockedJobToNpc(npc);
    DebugLog::Instance().Write("Invalidated job unlock for " + npc->fullName_ + "\n");
  }
}

void SIM_NPC::BecomeFriend() {
  if (SIM_Relationship* r = FindRelationship(SIM_Vesk::Instance())) r->SetPlayerCreated(true);
  Screens().AddNewFriend(this);
  BringFriends(this);
  Screens().LayOutNPCIcons();
}

void SIM_NPC::LoseFriend() {
  Screens().ShowHint("lost_friend");
  Remove();
}

bool SIM_NPC::IsConnected() const {
  if (IsFriendOfPlayer()) return true;
  for (const SIM_Relationship* r : relationships_) {
    if (!r->active || !r->IsFriendship()) continue;
    const SIM_Person* other = r->GetOther(this);
    if (other && other->IsFriendOfPlayer()) return true;
  }
  return false;
}

void SIM_NPC::Remove() {
  if (removed_) return;
  removed_ = true;
  // A partner who leaves the world ends the romance without the scenes of being dumped.
  if (SIM_Romance::Instance().IsPartner(this)) SIM_Romance::Instance().SetPartner(nullptr);
  EndAllRelationships();
  std::erase(Live(), this);
  DroppedList().push_back(this);
  for (;;) {
    auto& live = Live();
    auto it = std::find_if(live.begin(), live.end(), [](SIM_NPC* n) { return !n->IsConnected(); });
    if (it == live.end()) break;
    (*it)->Remove();
  }
  Screens().RemoveNPCIcon(this);
}

void SIM_NPC::OnSnubbed(SIM_SocialInvitation* invitation) {
  OnSnubbed(invitation && invitation->IsImportant());
}

void SIM_NPC::OnSnubbed(bool important) {
  const int f = important ? 2 : 1;
  snubDelay_ = (5 + RandomBelow(3)) * f;
  SIM_Vesk* player = SIM_Vesk::Instance();
  SIM_Relationship* r = FindRelationship(player);
  if (r) {
    const bool wasFriend = r->IsFriendship();
    r->ChangeStrength(GV("GV_SNUBRELEFFECT") * static_cast<float>(f));
    // The friendship has gone (and with it, perhaps, the character): nothing more to say.
    if (wasFriend && (!r->active || !r->IsFriendship())) return;
  }
  snubCount_ += f;
  SIM_Romance& romance = SIM_Romance::Instance();
  if (snubCount_ < kSnubLimit) {
    if (!important) return;
    if (romance.IsPartner(this)) {
      std::string text = Translate("SNUBBED_IMPORTANT_PARTNER");
      ReplaceSubstring(text, "<VESKSNAME>", player->GetForename());
      Screens().AddNPCMessage(this, text);
    } else {
      Screens().AddNPCMessage(this, RandomLine("SNUBBED_IMPORTANT"));
    }
    return;
  }
  // Enough: the relationship with the player ends, from both sides.
  const bool partner = romance.IsPartner(this);
  if (r && r->active) r->Detach();
  if (partner)
    romance.DumpedByPartner();
  else
    Screens().ShowNPCMessage(this, Translate("NPC_TOOMANYSNUBS"));
}

bool SIM_NPC::ConsiderInvitation() {
  if (!IsFriendOfPlayer() || !SIM_Health::Instance().IsHealthy()) return false;
  SIM_Vesk* player = SIM_Vesk::Instance();
  float p = std::clamp(GV("GV_NPC_INVITEPROB") * static_cast<float>(veskDays_), 0.0f, 1.0f);
  const SIM_Relationship* r = FindRelationship(player);
  ReportAssertion(r != nullptr, __FILE__, __LINE__);
  if (!r) return false;
  p = p * r->GetStrength() / static_cast<float>(std::max(1, player->CountFriends() - 2));
  return RandomChance(p) && InvitePlayer();
}

bool SIM_NPC::InvitePlayer() {
  SIM_SocialiseType* type = SIM_SocialiseType::ChooseForNpc(this);
  if (!type) return false;
  bool important = false;
  if (static_cast<float>(inviteDays_) > GV("GV_IMPORTANT_INVITE_DELAY") && RandomChance(0.125f)) {
    important = true;
    inviteDays_ = 0;
  }
  SIM_SocialInvitation* invitation = SIM_SocialInvitation::Create(this, type, important);
  ReportAssertion(invitation != nullptr, __FILE__, __LINE__);
  if (!invitation) return false;
  invitation->AddGuest(this);
  invitedToday_ = true;
  const SIM_Vesk* player = SIM_Vesk::Instance();
  const int places = std::min(type->maxGuests, 6);
  int count = 2;  // the host and the player
  // Joining can never drop anyone, but walk a copy all the same.
  const std::vector<SIM_Relationship*> relationships = relationships_;
  for (SIM_Relationship* r : relationships) {
    if (count >= places) break;
    auto* other = dynamic_cast<SIM_NPC*>(r->GetOther(this));
    if (!other || static_cast<const SIM_Person*>(other) == player) continue;
    if (r->IsPlayerCreated() && !r->IsFriendship()) continue;
    if (!other->AcceptsInvitation(type, this)) continue;
    invitation->AddGuest(other);
    other->invitedToday_ = true;
    ++count;
  }
  // A friend the player has paid for returns the favour; the accepted offer brings the
  // balance back down. An evening that costs nothing is no treat: paying for it would take
  // nothing off the balance, and the friend would offer again and again.
  const SIM_Relationship* withPlayer = FindRelationship(player);
  const float hostShare = type->GetHostCost() > 0.0f ? type->GetHostCost() : type->GetCost();
  if (withPlayer && withPlayer->GetBalance() > 0.0f && type->GetCost() > 0 &&
      cash_ >= type->GetCost() + hostShare)
    invitation->SetPayOffer(true);
  invitation->BuildText();
  Screens().AddInvitation(invitation);
  return true;
}

void SIM_NPC::ConsiderJobUnlock() {
  if (!unlockable_ || unlockOffered_ || !RandomChance(0.1f)) return;
  if (!unlockable_->ArePrerequisitesMet() || !IsFriendOfPlayer()) return;
  Screens().AddJobUnlock(this, unlockable_);
  unlockOffered_ = true;
}

void SIM_NPC::DailyAll() {
  const std::vector<SIM_NPC*> npcs = Live();
  for (SIM_NPC* npc : npcs) {
    if (npc->removed_) continue;
    if (npc->interests_.empty())
      LogWarning("character without interests", __FILE__, __LINE__);
    if (npc->snubDelay_ > 0) {
      --npc->snubDelay_;
    } else if (!npc->ConsiderInvitation()) {
      npc->ConsiderJobUnlock();
    }
    ++npc->veskDays_;
    ++npc->inviteDays_;
    npc->memory_->DailyUpdate();
  }
}

void SIM_NPC::ClearInvitedToday() {
  for (SIM_NPC* npc : Live()) npc->invitedToday_ = false;
}

void SIM_NPC::DeleteAll() {
  // The subsidies point at characters.
  SIM_Subsidies::Clear();
  std::vector<SIM_NPC*> all = Live();
  all.insert(all.end(), DroppedList().begin(), DroppedList().end());
  for (SIM_NPC* npc : all) {
    npc->Unlink();  // out of every list first, whoever else still holds a reference
    npc->Release();
  }
  ProcessBase::DeleteInactive();
}

void SIM_NPC::ResetAll() {
  DeleteAll();
  MakeInitialFriends();
}

const std::vector<SIM_NPC*>& SIM_NPC::All() { return Live(); }
const std::vector<SIM_NPC*>& SIM_NPC::Dropped() { return DroppedList(); }

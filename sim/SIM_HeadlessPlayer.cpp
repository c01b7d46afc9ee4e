// The headless player's evenings.
#include "sim/SIM_HeadlessPlayer.h"

#include <algorithm>
#include <vector>

#include "engine/Random.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"

namespace headless {

namespace {

// The player's mood for an evening and a guest's interest must together promise an evening
// the guest likes (a lone guest's chemistry and an average quality make up the rest).
constexpr float kEnough = 1.0f;

}  // namespace

SIM_SocialiseInstance* OrganiseEvening() {
  SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0) return nullptr;
  const float cash = SIM_Finances::Instance().GetCash();
  const float mood = std::clamp(SIM_Vesk::Instance()->GetValue("happiness") + 0.1f, 0.0f, 1.0f);
  SIM_SocialiseType* best = nullptr;
  SIM_NPC* guest = nullptr;
  float bestInterest = 0.0f;
  for (const auto& type : SIM_SocialiseType::All()) {
    if (!type->IsAvailableToday() || cash < static_cast<float>(type->GetHostCost())) continue;
    if (type->minGuests > 2) continue;
    const bool romantic = type->category == "ROMANTIC";
    for (SIM_NPC* npc : SIM_NPC::All()) {
      if (!npc->IsFriendOfPlayer() || npc->IsInvitedToday()) continue;
      if (romantic && !SIM_Romance::Instance().IsPartner(npc)) continue;
      const float interest = npc->GetInterestIn(type.get());
      if (interest > bestInterest) {
        bestInterest = interest;
        best = type.get();
        guest = npc;
      }
    }
  }
  if (!best || mood + bestInterest < kEnough) return nullptr;
  if (!best->CanInvite({}, guest)) return nullptr;
  return SIM_SocialiseInstance::StartEvening({guest}, best, SIM_Vesk::Instance());
}

int Shop() {
  const float cash = SIM_Finances::Instance().GetCash();
  int done = 0;
  if (RandomChance(0.04f)) {
    std::vector<SIM_Asset*> affordable;
    for (SIM_Asset* asset : SIM_Asset::Catalogue())
      if (asset->GetPrice() <= cash / 3.0f && asset->GetUpkeep() * 30.0f <= cash)
        affordable.push_back(asset);
    if (!affordable.empty()) {
      affordable[static_cast<size_t>(RandomBelow(static_cast<int>(affordable.size())))]->Buy();
      done = 1;
    }
  } else if (RandomChance(1.0f / 60.0f)) {
    std::vector<SIM_Asset*> sellable;
    for (SIM_Asset* asset : SIM_Asset::Owned())
      if (asset->GetFlag(SIM_Asset::SELLABLE) || asset->GetFlag(SIM_Asset::SERVICE))
        sellable.push_back(asset);
    if (!sellable.empty()) {
      sellable[static_cast<size_t>(RandomBelow(static_cast<int>(sellable.size())))]->Sell();
      done = -1;
    }
  }
  // The quickest way the player has the means for: own transport before the bus or a walk.
  for (const auto& method : SIM_CommuteMethod::All()) {
    if (method->TransportAssets().empty() || !method->IsAvailable()) continue;
    SIM_CommuteMethod::SelectByName(method->GetId());
    break;
  }
  return done;
}

}  // namespace headless

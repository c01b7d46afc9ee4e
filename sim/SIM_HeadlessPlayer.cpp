// The headless player's evenings.
#include "sim/SIM_HeadlessPlayer.h"

#include <algorithm>
#include <vector>

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

}  // namespace headless

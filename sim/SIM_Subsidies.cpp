// The characters the player pays for.
#include "sim/SIM_Subsidies.h"

#include "engine/DebugLog.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<SIM_NPC*>& List() {
  static std::vector<SIM_NPC*> list;
  return list;
}

}  // namespace

void SIM_Subsidies::Add(SIM_NPC* npc) {
  ReportAssertion(npc != nullptr, "SIM_Subsidies", __LINE__);
  if (npc) List().push_back(npc);
}

void SIM_Subsidies::Clear() { List().clear(); }

std::vector<SIM_NPC*> SIM_Subsidies::Take() {
  std::vector<SIM_NPC*> taken;
  taken.swap(List());
  return taken;
}

const std::vector<SIM_NPC*>& SIM_Subsidies::All() { return List(); }

void SIM_Subsidies::PayFor(const std::vector<SIM_NPC*>& subsidised, int amount) {
  const float money = static_cast<float>(amount);
  const float boost = SIM_GlobalVariables::Instance().Get("GV_SUBSIDISED_REL_BOOST");
  // The guest's share goes to the venue, not into the guest's pocket; what the player put
  // down stands in the bond's balance.
  for (SIM_NPC* npc : subsidised) {
    SIM_Finances::Instance().Spend(money);
    if (SIM_Relationship* r = npc->FindRelationship(SIM_Vesk::Instance())) {
      r->ChangeStrength(boost);
      r->AddBalance(money);
    }
  }
}

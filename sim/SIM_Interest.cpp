// Interests.
#include "sim/SIM_Interest.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_NPC.h"

SIM_Interest::SIM_Interest(SIM_InterestType* type)
    : SIM_NamedValue(type->GetName(), type->GetGuiName(), 1.0f), type_(type) {}

void SIM_Interest::GiveRandomInterests(SIM_NPC* person) {
  ReportAssertion(person != nullptr, __FILE__, __LINE__);
  if (!person) return;
  auto& weights = person->InterestWeights();
  weights.clear();
  for (SIM_InterestType* type : SIM_InterestType::All()) {
    weights.push_back({type, InterestAffinityFactor(type->GetLevel1(), person->GetCultureDemand()) *
                                 InterestAffinityFactor(type->GetLevel2(), person->GetIQDemand())});
  }
  person->ClearInterests();
  const SIM_GlobalVariables& gv = SIM_GlobalVariables::Instance();
  // A whole number of draws: the top of the range only when the draw is the largest. Far more
  // draws than there are interests add nothing, so a table's huge number is held to that.
  constexpr int kMostDraws = 100;
  const int draws = std::min(
      ClampToInt(RandomFloat(gv.Get("GV_INTERESTS_MIN"), gv.Get("GV_INTERESTS_MAX"))), kMostDraws);
  for (int i = 0; i < draws; ++i) {
    SIM_InterestType* type = SIM_InterestType::ChooseRandom(weights);
    if (!type || person->HasInterest(type)) continue;
    person->AddInterest(type);
    if (!type->GetCategory().empty()) {
      SIM_InterestType* parent = SIM_InterestType::Find(type->GetCategory());
      if (parent && !person->HasInterest(parent)) person->AddInterest(parent);
    }
  }
}

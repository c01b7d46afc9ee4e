// The headless player's evenings.
#include "sim/SIM_HeadlessPlayer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SoloActivityType.h"
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

  // The categories offered today, in table order; the day of the game picks the one tried
  // first, so every kind of venue gets its turn over the weeks.
  std::vector<std::string> categories;
  for (const auto& type : SIM_SocialiseType::All()) {
    if (!type->IsAvailableToday() || cash < static_cast<float>(type->GetHostCost())) continue;
    if (std::find(categories.begin(), categories.end(), type->category) == categories.end())
      categories.push_back(type->category);
  }
  if (categories.empty()) return nullptr;
  const SIM_Date& today = CurrentDate();
  const int dayNumber = (today.GetYear() * SIM_Date::kMonthsPerYear + today.GetMonth()) *
                            SIM_Date::kDaysPerMonth + today.GetDay();
  std::string preferred = categories[static_cast<size_t>(dayNumber) % categories.size()];
  // A player who has taken up bowling aims for the team: every other day the alley comes
  // first, until the team has asked.
  const bool bowlingOffered =
      std::find(categories.begin(), categories.end(), "BOWLING") != categories.end();
  if (bowlingOffered && !SIM_BowlingTeam::Instance().HasBeenOnTeam() &&
      SIM_Vesk::Instance()->GetValue("bowling") > 0.0f && dayNumber % 2 == 0)
    preferred = "BOWLING";

  struct Choice {
    SIM_SocialiseType* type = nullptr;
    SIM_NPC* guest = nullptr;
    float interest = 0.0f;
  };
  Choice best, bestPreferred;
  for (const auto& type : SIM_SocialiseType::All()) {
    if (!type->IsAvailableToday() || cash < static_cast<float>(type->GetHostCost())) continue;
    if (type->minGuests > 2) continue;
    const bool romantic = type->category == "ROMANTIC";
    for (SIM_NPC* npc : SIM_NPC::All()) {
      if (!npc->IsFriendOfPlayer() || npc->IsInvitedToday()) continue;
      if (romantic && !SIM_Romance::Instance().IsPartner(npc)) continue;
      const float interest = npc->GetInterestIn(type.get());
      if (interest > best.interest) best = {type.get(), npc, interest};
      if (type->category == preferred && interest > bestPreferred.interest)
        bestPreferred = {type.get(), npc, interest};
    }
  }
  const Choice& pick = bestPreferred.type && mood + bestPreferred.interest >= kEnough ? bestPreferred : best;
  if (!pick.type || mood + pick.interest < kEnough) return nullptr;
  if (!pick.type->CanInvite({}, pick.guest)) return nullptr;
  SIM_SocialiseInstance* evening =
      SIM_SocialiseInstance::StartEvening({pick.guest}, pick.type, SIM_Vesk::Instance());
  // A venue's own window (a restaurant, a film, the roulette table) answers at once.
  if (auto* headless = dynamic_cast<SIM_HeadlessScreens*>(&Screens())) headless->AnswerVenueWindows();
  return evening;
}

bool PlayTeamMatch() {
  SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0) return false;
  if (!SIM_BowlingTeam::Instance().IsMember()) return false;
  SIM_SoloActivityType* match = SIM_SoloActivityType::TryFind(SIM_BowlingTeam::kMatchType);
  if (!match || !match->IsAvailableToday()) return false;
  match->Start();
  return true;
}

}  // namespace headless

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
#include "sim/SIM_Statistics.h"
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
  SIM_Vesk* player = SIM_Vesk::Instance();
  const float mood = std::clamp(player->GetValue("happiness") + 0.1f, 0.0f, 1.0f);

  // The keenest pair of each category offered today, in table order.
  struct Choice {
    std::string category;
    SIM_SocialiseType* type = nullptr;
    SIM_NPC* guest = nullptr;
    float interest = 0.0f;
  };
  std::vector<Choice> choices;
  for (const auto& type : SIM_SocialiseType::All()) {
    if (!type->IsAvailableToday() || cash < static_cast<float>(type->GetHostCost())) continue;
    if (type->minGuests > 2) continue;
    auto it = std::find_if(choices.begin(), choices.end(),
                           [&](const Choice& c) { return c.category == type->category; });
    if (it == choices.end()) {
      choices.push_back({type->category});
      it = choices.end() - 1;
    }
    const bool romantic = type->category == "ROMANTIC";
    for (SIM_NPC* npc : SIM_NPC::All()) {
      if (!npc->IsFriendOfPlayer() || npc->IsInvitedToday()) continue;
      if (romantic && !SIM_Romance::Instance().IsPartner(npc)) continue;
      const float interest = npc->GetInterestIn(type.get());
      if (interest > it->interest) {
        it->type = type.get();
        it->guest = npc;
        it->interest = interest;
      }
    }
  }
  // Of the categories whose pair promises enough, the one had least often so far (the first
  // of equals); a player who has taken up bowling aims for the team: one day in three, when
  // sober and rested enough for the game to teach something, the alley comes first, until the
  // team has asked.
  const auto& done = SIM_Statistics::Instance().Activities();
  auto timesHad = [&](const std::string& category) {
    int count = 0;
    for (const auto& type : SIM_SocialiseType::All()) {
      if (type->category != category) continue;
      for (const auto& [name, times] : done)
        if (name == type->GetGuiName()) count += times;
    }
    return count;
  };
  const SIM_Date& today = CurrentDate();
  const int dayNumber = (today.GetYear() * SIM_Date::kMonthsPerYear + today.GetMonth()) *
                            SIM_Date::kDaysPerMonth + today.GetDay();
  const bool aimForTeam = !SIM_BowlingTeam::Instance().HasBeenOnTeam() &&
                          player->GetValue("bowling") > 0.0f &&
                          player->GetValue("alcohol") < 0.2f &&
                          player->GetValue("_energy") > 0.5f && dayNumber % 3 == 0;
  const Choice* pick = nullptr;
  int fewest = 0;
  for (const Choice& c : choices) {
    if (!c.type || mood + c.interest < kEnough) continue;
    if (aimForTeam && c.category == "BOWLING") {
      pick = &c;
      break;
    }
    const int times = timesHad(c.category);
    if (!pick || times < fewest) {
      pick = &c;
      fewest = times;
    }
  }
  if (!pick || !pick->type->CanInvite({}, pick->guest)) return nullptr;
  SIM_SocialiseInstance* evening =
      SIM_SocialiseInstance::StartEvening({pick->guest}, pick->type, player);
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

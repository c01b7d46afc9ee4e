// Days played the way the headless driver plays them, for tests and fuzz targets that need a
// game some way in: an evening with friends on the first free slot when they will come, every
// other free slot a random offered and affordable activity, then the next day, and the screens
// the day opens are answered with "continue". Stops early when the game ends.
#pragma once

#include <vector>

#include "engine/Random.h"
#include "sim/SIM_HeadlessPlayer.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SoloActivityType.h"

namespace testsupport {

// The days run on headless screens (the installed ones when they are headless, such as the
// tests' recording screens; otherwise the plain headless ones, put back afterwards).
inline void PlayDays(int days) {
  SIM_Screens* before = &Screens();
  auto* headless = dynamic_cast<SIM_HeadlessScreens*>(before);
  if (!headless) headless = &SIM_HeadlessScreens::Instance();
  InstallScreens(headless);
  SIM_SIM& sim = SIM_SIM::Instance();
  for (int d = 0; d < days; ++d) {
    headless::OrganiseEvening();
    while (sim.GetActsLeft() > 0) {
      if (headless::PlayTeamMatch()) continue;
      std::vector<SIM_SoloActivityType*> choices;
      for (const auto& type : SIM_SoloActivityType::All())
        if (type->IsAvailableToday() && type->IsAffordable()) choices.push_back(type.get());
      if (choices.empty()) break;
      choices[RandomBelow(static_cast<int>(choices.size()))]->Start();
    }
    sim.NextDay();
    if (headless->AnswerScreens()) break;
  }
  InstallScreens(before);
}

}  // namespace testsupport

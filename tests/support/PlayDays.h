// Days played the way the headless driver plays them, for tests and fuzz targets that need a
// game some way in: every free slot gets a random offered and affordable activity, then the
// next day, and the screens the day opens are answered with "continue". Stops early when the
// game ends.
#pragma once

#include <vector>

#include "engine/Random.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SoloActivityType.h"

namespace testsupport {

// The days run on the headless screens, whatever screens were installed, and put those back.
inline void PlayDays(int days) {
  SIM_Screens* before = &Screens();
  InstallScreens(&SIM_HeadlessScreens::Instance());
  SIM_SIM& sim = SIM_SIM::Instance();
  for (int d = 0; d < days; ++d) {
    while (sim.GetActsLeft() > 0) {
      std::vector<SIM_SoloActivityType*> choices;
      for (const auto& type : SIM_SoloActivityType::All())
        if (type->IsAvailableToday() && type->IsAffordable()) choices.push_back(type.get());
      if (choices.empty()) break;
      choices[RandomBelow(static_cast<int>(choices.size()))]->Start();
    }
    sim.NextDay();
    if (SIM_HeadlessScreens::Instance().AnswerScreens()) break;
  }
  InstallScreens(before);
}

}  // namespace testsupport

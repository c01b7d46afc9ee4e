// Days played the way the headless driver plays them, for tests and fuzz targets that need a
// game some way in: every free slot gets a random offered and affordable activity, then the
// next day, and the screens the day opens are answered with "continue". Stops early when the
// game ends.
#pragma once

#include <vector>

#include "engine/Random.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"

namespace testsupport {

inline void PlayDays(int days) {
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
    if (GUI_YearlyReview::Instance()->IsOpen()) GUI_YearlyReview::Instance()->Close();
    if (GUI_WorkDay::Instance()->IsOpen()) GUI_WorkDay::Instance()->Close();
    if (GUI_EndGame::Instance()->IsOpen()) return;
  }
}

}  // namespace testsupport

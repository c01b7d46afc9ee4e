// Days played the way the headless driver plays them, for tests and fuzz targets that need a
// game some way in: now and then a job application, an evening with friends on a free slot
// when they will come and like it, now and then a trip to the shops, every other free slot an offered and affordable activity, then
// the next day; the answers worth taking are accepted and the screens the day opens are
// answered with "continue". Stops early when the game ends. A drinker plays the same days
// with a drink whenever it can (headless::Habits).
#pragma once

#include "sim/SIM_HeadlessPlayer.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"

namespace testsupport {

// The days run on headless screens (the installed ones when they are headless, such as the
// tests' recording screens; otherwise the plain headless ones, put back afterwards).
inline void PlayDays(int days, headless::Habits habits = headless::Habits::kDefault) {
  SIM_Screens* before = &Screens();
  auto* headless = dynamic_cast<SIM_HeadlessScreens*>(before);
  if (!headless) headless = &SIM_HeadlessScreens::Instance();
  InstallScreens(headless);
  SIM_SIM& sim = SIM_SIM::Instance();
  for (int d = 0; d < days; ++d) {
    headless::MaybeApplyForAJob();
    headless::OrganiseEvening(habits);
    headless::Shop();
    headless::FillTheDay(habits);
    sim.NextDay();
    headless::AnswerOffers();
    if (headless->AnswerScreens()) break;
    headless::AttendSpecialEvent();
  }
  InstallScreens(before);
}

}  // namespace testsupport

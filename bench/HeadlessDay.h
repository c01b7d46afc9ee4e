// The bench's player and its day, shared by the benches: tovel-bench plays its games here, and
// bench-frame plays its late-game save here, so a save bench-frame makes is the game
// tovel-bench plays with the same seed. The choices are the headless player's
// (sim/SIM_HeadlessPlayer); the days run on the headless screens.
#pragma once

#include <cctype>
#include <string>

#include "sim/SIM_GameConfig.h"
#include "sim/SIM_HeadlessPlayer.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"

namespace bench {

// A new game as the new-game screen would start it for the bench's player: a name, a shipped
// male avatar (a picture with its room) and a starting character leaning to intelligence and
// culture (three raises each, in turn), clever and cultured enough for the writing and
// research projects.
inline void StartTheGame() {
  SIM_GameConfig& config = SIM_GameConfig::Instance();
  config.SetName("Sam Bench");
  config.SetAvatarName("m_alex.dds");
  for (int i = 0; i < 3; ++i) {
    config.Raise(0);
    config.Raise(1);
  }
  SIM_SIM::Instance().NewGame();
}

// What the day's choices did, for the figures.
struct DayChoices {
  bool applied = false;         // a job application went out
  std::string eveningCategory;  // the evening that used a slot, in lower case; empty for none
  int bowlingMatches = 0;       // the team's matches played
};

// The day before the next-day step: now and then a job application, an evening on a free slot
// when a friend will come and like it, now and then a trip to the shops, then every free slot
// filled with an activity (a player who stays where promotion is in reach and works towards
// it, and who keeps friendships going with evenings they enjoy).
inline DayChoices PlayTheDay(headless::Habits habits) {
  SIM_SIM& sim = SIM_SIM::Instance();
  DayChoices day;
  day.applied = headless::MaybeApplyForAJob() != nullptr;
  const int actsLeft = sim.GetActsLeft();
  if (SIM_SocialiseInstance* evening = headless::OrganiseEvening(habits)) {
    if (sim.GetActsLeft() < actsLeft) {
      day.eveningCategory = evening->GetType()->GetCategory();
      for (char& c : day.eveningCategory)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  headless::Shop();
  day.bowlingMatches = headless::FillTheDay(habits);
  return day;
}

// What answering the day did.
struct DayAnswers {
  int jobChanges = 0;          // offers taken
  bool over = false;           // the game has ended
  bool eventAttended = false;  // a special event's ticket was taken up
};

// After the next-day step, what a player clicking "continue" does: the day's answers to
// applications taken when worth it, every screen the day opened answered, and a special
// event's ticket that came with the day taken up at once.
inline DayAnswers AnswerTheDay() {
  DayAnswers answers;
  answers.jobChanges = headless::AnswerOffers();
  answers.over = SIM_HeadlessScreens::Instance().AnswerScreens();
  answers.eventAttended = !answers.over && headless::AttendSpecialEvent();
  return answers;
}

}  // namespace bench

// The full-screen summary that ends every game day: the new date, one section chosen by the
// player's situation (unemployed, sick, weekend, or the work day with its earnings, tips, a
// new friend and the commute cost), then one line per event the day's steps queued. The text
// types itself out; the continue button closes the summary and opens the new day's activities.
#pragma once

#include <string>
#include <vector>

#include "gui/GUI_WindowBase.h"

class GUI_ButtonText;

class GUI_WorkDay : public GUI_WindowBase {
 public:
  Rank GetRank() const override { return Rank::kWorkDayPage; }
  // What the summary reads of the day's work. Until the jobs and the commute are built, the
  // simulation fills what it has (job, health, weather) and leaves the rest at its defaults.
  struct Facts {
    bool unemployed = false;
    int illness = 0;          // 0 well, 1 cold, 2 ill, 3 stress
    int weather = 0;          // today's weather type
    std::string methodVerb;   // the commute method's verb text
    std::string workplace;    // the job's workplace text
    int primaryEffect = -1;   // the commute's strongest effect (0 stress .. 3 tiredness)
    int secondaryEffect = -1;
    float performance = 0.5f; // today's work, 0..1
    int daysWorked = 0;       // 1 on a new job's first day
    float pay = 0.0f;         // the day's pay
    float tips = -1.0f;       // -1 for none
    std::string newFriend;    // full name of a colleague who became a friend today, or ""
    float commuteCost = 0.0f;
    float salary = 0.0f;      // the job's salary after a promotion
    bool benefitPaid = false; // an unemployed day's benefit cheque came
  };
  using FactsSource = Facts (*)();
  // Replaces where the facts come from (null: the simulation).
  static void SetFactsSource(FactsSource source);

  static GUI_WorkDay* Instance();
  ~GUI_WorkDay() override;

  // Queues an event of kind 1..9 for the next Show; the value is kept and shown nowhere.
  void AddLine(int kind, int value);
  // Builds the texts, plays the events' sounds and opens the summary as a modal window.
  void Show();
  // The continue button: leaves the modal list, sets day phase 1, forgets the events.
  void Close();
  // Takes the summary of a game that is left off the screen, with its queued events, and
  // leaves the day phase as it is: a new or loaded game starts with nothing of the last above it.
  void Dismiss();
  bool IsOpen() const { return open_; }
  // The summary screen, drawn by the in-game screen in place of the main scene in phase 0.
  void Draw() override;

  const std::vector<std::string>& Lines() const { return lines; }
  const std::string& CommuteText() const { return commuteText; }
  size_t QueuedEvents() const { return events.size(); }
  float TypedCharacters() const { return typed; }
  GUI_ButtonText* ContinueButton() const { return continueButton; }
  // The typing step of a frame: the in-game screen's frame step (capped at 3) unless a test
  // sets one; a negative step goes back to the screen's.
  static void SetFrameStep(float step);

 private:
  GUI_WorkDay();
  void QueueSection(const std::string& text);

  struct Event {
    int kind;
    int value;
  };
  Facts facts;
  std::string commuteText;
  std::vector<Event> events;
  std::vector<std::string> lines;
  float cursorY = 0;
  float cursorX = 0;
  float wrapWidth = 600.0f;
  float textBottom = 0;  // the lowest pixel row of the frame's section texts
  float typed = 0;
  GUI_ButtonText* continueButton = nullptr;
  bool open_ = false;
};

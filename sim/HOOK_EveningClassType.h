// Evening classes: courses the player enrols in and then attends on their weekdays, each
// attendance taking the day's last slot, costing money and raising a value that bears the
// class's own name until it reaches 1, when the course is complete. The types come from
// "data/simulation/hook_eveningclasses.csv", read at a new game and at a load (never under an
// enrolment). Enrolled classes put a reminder note up on their days, before the day's last
// slot, and entries in the event calendar for the coming week.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "sim/SIM_ReminderNote.h"
#include "sim/SIM_SoloActivityType.h"

class HOOK_EveningClassType : public SIM_SoloActivityType {
 public:
  enum Category { ADULT = 0, MEDICAL, LAW, DRAMA, TECHNICAL };
  static constexpr int kCategoryCount = 5;
  static constexpr const char* kTableFile = "data\\simulation\\hook_eveningclasses.csv";
  // Alertness scales what an evening teaches, never below this share.
  static constexpr float kMinConcentration = 0.2f;
  static constexpr float kMeetFriendChance = 0.25f;

  HOOK_EveningClassType() = default;
  ~HOOK_EveningClassType() override;

  // One table row; null for a row without a name or with a number too large for the game
  // (a cost that would make the player's cash infinite), which is logged.
  static std::unique_ptr<HOOK_EveningClassType> FromRow(const std::string& row);
  // Every type, then the table's (a missing table logs and leaves none).
  static void LoadAll(const std::string& file = kTableFile);
  static void DeleteAll();
  static const std::vector<std::unique_ptr<HOOK_EveningClassType>>& All();
  static const std::vector<HOOK_EveningClassType*>& Enrolled();
  // The classes of a school in table order; empty for a category out of range.
  static const std::vector<HOOK_EveningClassType*>& InCategory(int category);
  static HOOK_EveningClassType* FindByName(const std::string& name);
  // The category word's index, or -1.
  static int CategoryOf(const std::string& word);

  // Attends tonight's class: the action, the cost, the lesson scaled by the evening's
  // concentration, completion, the result window, perhaps a new friend, the count of
  // attendances, and the slot (once).
  void Start() override;
  // "skill" (the text before a ','): a requirement of that skill at 1.0. Fields of two
  // characters or fewer are ignored.
  void AddRequirement(const std::string& field);
  // The study amount field: the first modifier, raising the class's own value. False, with
  // nothing added, when the amount is too large for the game.
  bool AddStudyModifier(const std::string& field);

  // The player's value of the class's own name has reached 1.
  bool IsCompleted() const;
  bool IsEnrolled() const;
  // Enrols once (a second call changes nothing); calendar entries, no note tonight.
  void Enrol();
  // Leaves the enrolled list, the note and the calendar entries go.
  void Complete();
  // The note on a class day (only when notes are wanted now), none on other days, and the
  // coming week's calendar entries.
  void RefreshReminder(bool noteWanted);
  void DropNote() { note_.Drop(); }
  bool HasNote() const { return note_.IsShown(); }

  // The category index or -1; the display text ("nv_" + name translated); the description
  // key; the player's progress (the value of the class's name).
  int GetCategory() const { return category_; }
  const std::string& GetDisplayText() const { return displayText_; }
  const std::string& GetDescriptionKey() const { return GetText(); }
  float GetProgress() const;
  // The class meets on that day of the week (0..6).
  bool MeetsOn(int dayOfWeek) const { return IsDayEnabled(dayOfWeek); }

 private:
  int category_ = -1;
  std::string displayText_;
  SIM_ReminderNote note_;
};

// Empties the class types and reads the table again (new game, load).
void LoadEveningClassTypes();
// Classes are attended in the day's last slot: while it is the one coming, each enrolled class
// puts its note up on its days; otherwise (an earlier slot, or none left) the notes go. Run
// after each slot and at day end. The calendar entries are refreshed either way.
void RefreshEveningClassReminders();
// The classes the player is enrolled in, in enrolment order.
const std::vector<HOOK_EveningClassType*>& EnrolledEveningClasses();

// A reminder note that a simulation object keeps on the main screen (a bowling match today,
// an evening class, pet food to buy). The owner holds the screens' id for it, never the note:
// the screens may refuse a note (all four places taken) or remove every note at program end.
//
// Notes outlive a new game and a load, their owners' state does not: an owner calls Drop
// whenever it resets, and again when the reminder ends. Not copyable, so two owners never
// drop each other's note.
#pragma once

#include <string>

class SIM_ReminderNote {
 public:
  SIM_ReminderNote() = default;
  SIM_ReminderNote(const SIM_ReminderNote&) = delete;
  SIM_ReminderNote& operator=(const SIM_ReminderNote&) = delete;

  // Puts the note up unless it is up already. Action 0 opens the shop, 1 the solo chooser on
  // `activity`, 2 the solo chooser on the bowling match, 3 the solo chooser on the enrolled
  // class `activity`. False when the screens had no place for it; a later Show tries again.
  bool Show(const std::string& text, int action, const std::string& activity = "");
  // Takes the note down; nothing when none is up.
  void Drop();
  bool IsShown() const { return id_ != 0; }
  int GetId() const { return id_; }

 private:
  int id_ = 0;
};

// The calendar panel: the coming seven days and their entries. Until the screen is built, a placeholder that records its calls.
#pragma once

class GUI_Calendar {
 public:
  // The panel's one instance (null while it is not shown).
  static GUI_Calendar* Instance();
  GUI_Calendar(const GUI_Calendar&) = delete;
  GUI_Calendar& operator=(const GUI_Calendar&) = delete;

  void Refresh();

 private:
  GUI_Calendar() = default;
};

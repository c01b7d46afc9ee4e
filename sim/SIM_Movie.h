// Placeholder for the films until they are built; records the weekly programme step.
#pragma once

class SIM_Movie {
 public:
  // Called every day by the date advance; the programme changes once a week.
  static void AdvanceWeeklyMovie();
  static void LoadAll();
  static void DeleteAll();
};

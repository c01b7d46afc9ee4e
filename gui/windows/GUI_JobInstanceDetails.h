// The details of the player's job: title, salary, grade, average performance, the qualities
// promotion depends on, the prospects of promotion, and the job's daily effects on the player
// as labelled bars. Read-only; the career panel opens it. It reads the player's job as it is
// at each draw, so a job changed or lost while it is open never leaves it reading a job that
// is gone.
#pragma once

#include <string>

#include "gui/GUI_Dialog.h"

class SIM_JobInstance;
struct SIM_Modifier;

class GUI_JobInstanceDetails : public GUI_Dialog {
 public:
  static constexpr int kWidth = 445, kHeight = 360;
  static constexpr int kBarWidth = 165;

  // Replaces an open details window by one for the player's job; nothing (and none open)
  // when the player holds no job.
  static void Open();
  static void Close();
  static GUI_JobInstanceDetails* Instance() { return instance; }

  ~GUI_JobInstanceDetails() override;
  void Draw() override;

  // The prospects line for a job as it stands.
  std::string ProspectsText(const SIM_JobInstance& job) const;
  // Whether a daily effect gets a row (the entertainment jobs' experience values do not).
  static bool ShowsModifier(const SIM_Modifier& modifier);

 private:
  GUI_JobInstanceDetails();
  // A label and a 165-px bar for v (0..1; a negative value draws no fill).
  void DrawBarRow(float y, const std::string& label, float v) const;

  static GUI_JobInstanceDetails* instance;
  std::string performanceLabel_, salaryLabel_, gradeLabel_, dependsOnLabel_, prospectsLabel_,
      tooSoonText_, tooNewText_, dailyEffectsLabel_, topGradeText_;
};

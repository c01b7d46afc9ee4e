// The writing projects' progress panels.
#include "gui/windows/GUI_ProjectProgress.h"

#include <string>

#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_ValueBar.h"
#include "sim/HOOK_Achievements.h"

namespace {

void DrawProgress(const SIM_AchievementBase& project, float left, float top, float right) {
  const std::string label =
      std::string(Translate(project.LabelKey())) + ": \"" + project.GetTitle() + "\"";
  GUI_Services::QueueText(left + 35, top + 170, label, "tahoma bold", 16,
                          static_cast<int>(right - left - 50), 0, 255, 255, 255);
  // "<label>: <per cent with two decimals>%", with '.' whatever the locale.
  const std::string progress = std::string(Translate("PROGRESS")) + ": " +
                               FormatFixed(static_cast<double>(project.GetProgress()) * 100.0, 2) + "%";
  GUI_Services::QueueText(left + 35, top + 225, progress, "tahoma bold", 16, 0, 0, 255, 255, 255);
  DrawValueBar(left + 60, top + 250, project.GetProgress(), right - left - 120, 1.0f, false);
}

}  // namespace

void DrawScienceTheoryProgress(float left, float top, float right) {
  DrawProgress(SIM_ScienceTheory::Instance(), left, top, right);
}

void DrawSongProgress(float left, float top, float right) {
  DrawProgress(SIM_SongWriting::Instance(), left, top, right);
}

void DrawScreenplayProgress(float left, float top, float right) {
  DrawProgress(SIM_ScreenplayWriting::Instance(), left, top, right);
}

void DrawNewsStoryProgress(float left, float top, float right) {
  DrawProgress(SIM_NewsStory::Instance(), left, top, right);
}

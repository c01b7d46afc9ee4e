// The job details window.
#include "gui/windows/GUI_JobInstanceDetails.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Money.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_ModifierContainer.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Vesk.h"

GUI_JobInstanceDetails* GUI_JobInstanceDetails::instance = nullptr;

namespace {

constexpr const char* kFont = "tahoma bold";
// Room kept on each side of a centred line.
constexpr int kSideMargin = 10;

const SIM_JobInstance* PlayerJob() {
  const SIM_JobInstance* job = SIM_Vesk::Instance()->GetJobInstance();
  return job && job->GetJob() ? job : nullptr;
}

// The shown name of promotion attribute i: the player's value's text, or the job's name for
// it when the player has no such value.
std::string AttributeName(const SIM_JobInstance& job, int i) {
  const SIM_NamedValue* value = job.GetBoundAttribute(i);
  if (!value) return job.GetJob()->GetPromoteAttribute(i);
  return value->GetGuiName().empty() ? value->GetName()
                                     : std::string(Translate(value->GetGuiName().c_str()));
}

}  // namespace

void GUI_JobInstanceDetails::Open() {
  Close();
  if (!PlayerJob()) return;
  new GUI_JobInstanceDetails();
}

void GUI_JobInstanceDetails::Close() { delete instance; }

GUI_JobInstanceDetails::GUI_JobInstanceDetails()
    : GUI_Dialog(true),
      performanceLabel_(Translate("JOB_AVE_PERFORMANCE")),
      salaryLabel_(Translate("JOBINSTANCE_SALARY")),
      gradeLabel_(Translate("JOBINSTANCE_GRADE")),
      dependsOnLabel_(Translate("JOBINSTANCE_DEPENDSON")),
      prospectsLabel_(Translate("JOBINSTANCE_PROSPECTS")),
      tooSoonText_(Translate("JOBINSTANCE_PROSPECTS_TOOSOON")),
      tooNewText_(Translate("JOBINSTANCE_PROSPECTS_TOONEW")),
      dailyEffectsLabel_(Translate("JOBINSTANCE_DAILYEFFECTS")),
      topGradeText_(Translate("JOBINSTANCE_TOPGRADE")) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  SetTitle(Translate("JOBINSTANCE_TITLE"));
  GUI_WindowBase::Open();
  ShowHint("jobinstance_dialog");
}

GUI_JobInstanceDetails::~GUI_JobInstanceDetails() {
  if (instance == this) instance = nullptr;
}

bool GUI_JobInstanceDetails::ShowsModifier(const SIM_Modifier& modifier) {
  return modifier.name.rfind("xp_", 0) != 0;
}

std::string GUI_JobInstanceDetails::ProspectsText(const SIM_JobInstance& job) const {
  switch (job.GetPromotionHold()) {
    case SIM_JobInstance::PromotionHold::kTopLevel: return topGradeText_;
    case SIM_JobInstance::PromotionHold::kTooNew: return prospectsLabel_ + " " + tooNewText_;
    case SIM_JobInstance::PromotionHold::kTooSoon: return prospectsLabel_ + " " + tooSoonText_;
    case SIM_JobInstance::PromotionHold::kNone: break;
  }
  return prospectsLabel_ + " " +
         GetNumberedString(job.GetAveragePerformance(), "PROMOTION_PROSPECTS");
}

void GUI_JobInstanceDetails::DrawBarRow(float y, const std::string& label, float v) const {
  const auto cl = static_cast<float>(clientRect.left);
  GUI_Services::QueueText(cl + 20, y, label, kFont, 18, 0, 0, 255, 255, 255);
  D3DEngine& engine = D3DEngine::Instance();
  const int left = static_cast<int>(cl) + 200, top = static_cast<int>(y) + 6;
  engine.FillRect(left, top, left + kBarWidth, top + 10, 0xFFA0A0A0u);
  // A value outside 0..1 fills the bar at most to its ends; a negative one leaves it empty.
  const float fill = std::clamp(std::isnan(v) ? 0.0f : v, 0.0f, 1.0f);
  const int right = left + static_cast<int>(fill * static_cast<float>(kBarWidth));
  if (right > left) engine.FillRect(left, top, right, top + 10, 0xFF606060u);
  engine.DrawRectOutline(left, top, left + kBarWidth, top + 10, 0xFFCECECEu);
}

void GUI_JobInstanceDetails::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  const SIM_JobInstance* job = PlayerJob();
  if (job) {
    const SIM_JobBase& type = *job->GetJob();
    const auto cl = static_cast<float>(clientRect.left);
    const auto cw = clientRect.right - clientRect.left;
    // A centred line longer than the window goes on over as many lines as it needs, each
    // centred by its own width (a wrapped text is centred by its unwrapped width, which
    // would push it out past the left edge); the rows below move down to make room.
    auto centred = [&](float& y, const std::string& text, int size) {
      const float advance = static_cast<float>(GUI_Services::MeasureHeight(kFont, size, "W", 0));
      const std::vector<std::string> lines = WrapToWidth(kFont, size, text, cw - 2 * kSideMargin);
      for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) y += advance;
        GUI_Services::QueueText(cl, y, lines[i], kFont, size, cw, 1, 255, 255, 255);
      }
    };
    float y = static_cast<float>(clientRect.top) + 10;
    float titleY = y;
    const std::string title = type.GetShownTitle();
    centred(titleY, title, 24);
    y = titleY + 30;
    GUI_Services::QueueText(cl + 20, y, salaryLabel_ + " " + FormatWholePounds(job->GetSalary(), true),
                            kFont, 20, 0, 0, 255, 255, 255);
    // A job with one fixed salary has no grades and never promotes.
    if (type.GetMinSalary() != type.GetMaxSalary()) {
      const int grade = job->GetLevel() + 1;
      GUI_Services::QueueText(cl + 190, y,
                              gradeLabel_ + " " + std::to_string(grade) + " (" +
                                  std::to_string(grade) + "/6)",
                              kFont, 20, 0, 0, 255, 255, 255);
      y += 30;
      DrawBarRow(y, performanceLabel_, job->GetAveragePerformance());
      y += 30;
      centred(y, dependsOnLabel_, 20);
      y += 30;
      centred(y,
              AttributeName(*job, 0) + ", " + AttributeName(*job, 1) + ", " +
                  AttributeName(*job, 2),
              18);
      y += 30;
      centred(y, ProspectsText(*job), 18);
    }
    y += 30;
    GUI_Services::QueueText(cl + 20, y, dailyEffectsLabel_, kFont, 24, 0, 0, 255, 255, 255);
    y += 30;
    for (const SIM_Modifier* modifier : type.GetModifiers()) {
      if (!modifier || !ShowsModifier(*modifier)) continue;
      DrawBarRow(y, modifier->displayText, modifier->amount);
      y += 20;
    }
  }
  GUI_Services::FlushText();
}

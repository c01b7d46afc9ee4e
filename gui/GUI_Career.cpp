// The career panel.
#include "gui/GUI_Career.h"

#include <cstdio>

#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Money.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowIDTab.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_CommuteMethodChooser.h"
#include "gui/windows/GUI_JobInstanceDetails.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr const char* kFont = "tahoma bold";
constexpr int kNameSize = 20, kLineSize = 16, kTabSize = 16, kUnemployedSize = 16;
constexpr int kTooltipDelay = 60;
// The note of a player without a job keeps this far in from the frame's edges.
constexpr int kUnemployedInset = 32;

GUI_Career* g_career = nullptr;

void OnCommute(void*) { GUI_CommuteMethodChooser::Open(); }
void OnDetails(void*) { GUI_JobInstanceDetails::Open(); }

}  // namespace

GUI_Career* GUI_Career::Instance() {
  if (!g_career) g_career = new GUI_Career();
  return g_career;
}

void GUI_Career::Refresh() {
  if (g_career) g_career->RebuildText();
}

GUI_Career::GUI_Career() : texts_(std::make_unique<GdiTextList>()) {
  // The panel stays through new games; the in-game screen lays it out again.
  closeOnNewGame = false;
}

GUI_Career::~GUI_Career() {
  if (g_career == this) g_career = nullptr;
}

bool GUI_Career::PlayerHasJob() {
  const SIM_JobInstance* instance = SIM_Vesk::Instance()->GetJobInstance();
  const SIM_JobBase* job = instance ? instance->GetJob() : nullptr;
  return job && job->GetName() != "unemployed";
}

std::string GUI_Career::Shorten(const std::string& name, size_t limit) {
  return name.size() > limit ? name.substr(0, limit) + "..." : name;
}

void GUI_Career::SetUp() {
  SetRect(kLeft, kTop, kLeft + kWidth, kTop + kHeight);
  if (!commuteButton_) {
    title_ = Translate("IDTAB_CAREER");
    tooltip_ = std::make_unique<GUI_Tooltip>(Translate("CAREER_TOOLTIP"), kTooltipDelay);
    commuteButton_ = new GUI_IconButton("right.dds", OnCommute, nullptr);
    commuteButton_->SetHighlightTexture("right_h.dds");
    commuteButton_->SetTooltipKey("COMMUTE_CHANGE_TOOLTIP", 60);
    AddButton(commuteButton_);
    detailsButton_ = new GUI_IconButton("right.dds", OnDetails, nullptr);
    detailsButton_->SetHighlightTexture("right_h.dds");
    detailsButton_->SetTooltipKey("CAREER_DETAILS_TOOLTIP", 60);
    AddButton(detailsButton_);
  }
  if (!GUI_WindowManager::Instance().Contains(this)) Open();
  RebuildText();
}

void GUI_Career::RebuildText() {
  texts_->Clear();
  const auto l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const auto r = static_cast<float>(rect.right);
  // The tab's title sits on the tab over the top edge.
  texts_->AddText(l, t - 16, title_, kFont, kTabSize, static_cast<float>(width), 1, 255, 255, 255);
  const bool hasJob = PlayerHasJob();
  if (commuteButton_) {
    // The commute button ends the way-to-work line; the details button ends the details line.
    commuteButton_->SetRect(r - 40, t + 148, r - 10, t + 178);
    detailsButton_->SetRect(r - 40, t + 184, r - 10, t + 214);
    for (GUI_IconButton* button : {commuteButton_, detailsButton_}) {
      button->SetVisible(hasJob);
      button->SetEnabled(hasJob);
    }
  }
  if (!hasJob) {
    // Also a player whose job was just lost: no job, employer or commute is read.
    texts_->AddText(l + kUnemployedInset, t + kUnemployedInset, Translate("UNEMPLOYED_TEXT"), kFont,
                    kUnemployedSize, r - l - 2 * kUnemployedInset, 0, 255, 255, 255);
    return;
  }
  const SIM_JobInstance& instance = *SIM_Vesk::Instance()->GetJobInstance();
  const SIM_JobBase& job = *instance.GetJob();
  const std::string jobName = job.GetShownTitle();
  texts_->AddText(l + 12, t + 12, Shorten(jobName, kMaxJobName), kFont, kNameSize, 0, 0, 255, 255,
                  255);
  auto line = [&](float x, float y, const std::string& text) {
    texts_->AddText(x, y, text, kFont, kLineSize, 0, 0, 255, 255, 255);
  };
  line(l + 12, t + 42, Translate("CAREER_SALARY"));
  line(l + 100, t + 42, FormatWholePounds(instance.GetSalary(), true));
  line(l + 12, t + 72, Translate("CAREER_EMPLOYER"));
  line(l + 32, t + 88, Shorten(job.GetEmployer(), kMaxEmployer));
  line(l + 12, t + 102, Translate("COMMUTE_DISTANCE"));
  line(l + 50, t + 118,
       FormatFixed(instance.GetCommuteDistance(), 1) + " " + Translate("COMMUTE_MILES"));
  line(l + 12, t + 132, Translate("COMMUTE_METHOD"));
  // A chosen method the list does not hold shows no name.
  const SIM_CommuteMethod* method = SIM_CommuteMethod::GetChosen();
  line(l + 50, t + 148, method ? std::string(Translate(method->GetName().c_str())) : "");
  line(l + 12, t + 190, Translate("CAREER_DETAILS"));
}

void GUI_Career::Draw() {
  if (!visible) return;
  const float l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const float r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  DrawWindowIdTab(title_, this);
  DrawDropShadow(l, t, r, b, 20, 6);
  DrawIceEdge(l, t, r, b);
  DrawFrameById(l, t, r, b, 0, 20, 1.0f);
  // The buttons follow the job as it is now, even before the next refresh.
  const bool hasJob = PlayerHasJob();
  for (GUI_IconButton* button : {commuteButton_, detailsButton_}) {
    if (!button) continue;
    button->SetVisible(hasJob);
    button->SetEnabled(hasJob);
  }
  DrawButtons();
  if (tooltip_) tooltip_->Draw();
}

void GUI_Career::Update() {
  GUI_WindowBase::Update();
  if (tooltip_ && visible && HasTheMouse()) {
    tooltip_->Trigger();
    tooltip_->PlaceAtMouse();
  }
}

void GUI_Career::DrawTexts() { texts_->DrawAll(255, 255, 255); }

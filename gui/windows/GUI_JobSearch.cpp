// The job search.
#include "gui/windows/GUI_JobSearch.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Money.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_SIM.h"

GUI_JobSearch* GUI_JobSearch::instance = nullptr;
bool GUI_JobSearch::hideUnsuitable = false;

namespace {

constexpr const char* kFont = "tahoma bold";
constexpr int kEscape = 1;

std::vector<GUI_IndustryButton*> g_industryButtons;
// The industry button the mouse was last over, so the hover sound plays once per entry.
const GUI_IndustryButton* g_hovered = nullptr;

GUI_JobSearch* Search() { return GUI_JobSearch::Instance(); }
void OnScrollUp(void*) { if (Search()) Search()->ScrollUp(); }
void OnScrollDown(void*) { if (Search()) Search()->ScrollDown(); }
void OnNext(void*) { if (Search()) Search()->NextJob(); }
void OnPrevious(void*) { if (Search()) Search()->PreviousJob(); }
void OnApply(void*) { if (Search()) Search()->Apply(); }
void OnBack(void*) { if (Search()) Search()->GoBack(); }
void OnHideUnsuitable(void*) { GUI_JobSearch::SetHideUnsuitable(!GUI_JobSearch::HidesUnsuitable()); }

std::string Shown(const std::string& key, const std::string& fallback) {
  return key.empty() ? fallback : std::string(Translate(key.c_str()));
}

void ShowButton(GUI_ButtonBase* button, bool on) {
  button->SetVisible(on);
  button->SetEnabled(on);
}

}  // namespace

// --- Industry buttons ---

GUI_IndustryButton::GUI_IndustryButton(SIM_Industry* industry)
    : GUI_ButtonBase(nullptr, nullptr), industry_(industry) {
  ReportAssertion(industry != nullptr, "GUI_JobSearch", 63);
  picture_ = industry ? industry->GetIconName() : std::string();
  icon_.width = 32;
  icon_.height = 32;
  icon_.SetColourARGB(0xFFFFFFFFu);
  if (!picture_.empty()) icon_.SetTextureString(picture_);
  g_industryButtons.push_back(this);
}

GUI_IndustryButton::~GUI_IndustryButton() {
  g_industryButtons.erase(std::remove(g_industryButtons.begin(), g_industryButtons.end(), this),
                          g_industryButtons.end());
  if (g_hovered == this) g_hovered = nullptr;
  if (GUI_JobSearch* search = GUI_JobSearch::Instance()) search->ForgetIndustryButton(this);
}

const std::vector<GUI_IndustryButton*>& GUI_IndustryButton::Live() { return g_industryButtons; }

void GUI_IndustryButton::Draw() {
  const bool over = hover != 0;
  if (over && g_hovered != this) {
    GUI_Services::PlaySound(GUI_JobSearch::kHoverSound);
    g_hovered = this;
  } else if (!over && g_hovered == this) {
    g_hovered = nullptr;
  }
  D3DEngine& engine = D3DEngine::Instance();
  const int l = rect.left + 2, t = rect.top + 2, r = rect.right - 2, b = rect.bottom - 2;
  engine.FillRect(l, t, r, b, over ? 0x40000000u : 0x40808080u);
  icon_.SetPosition(static_cast<float>(rect.left + 20), static_cast<float>(rect.top + 20));
  icon_.Draw();
  engine.DrawRectOutline(l, t, r, b, over ? 0xFFFFFFFFu : 0x80FFFFFFu);
  icon_.DrawOutline(0x80FFFFFFu);
  if (industry_) {
    GUI_Services::QueueText(static_cast<float>(rect.left + 20 + 16 + 10),
                            static_cast<float>(rect.top + 5), Shown(industry_->GetText(), industry_->GetName()),
                            kFont, 18, 0, 0, 255, 255, 255);
  }
  GUI_ButtonBase::Draw();
}

void GUI_IndustryButton::Activate() {
  if (!enabled) return;
  GUI_Services::PlayClick();
  if (GUI_JobSearch* search = GUI_JobSearch::Instance()) search->SelectIndustry(industry_);
}

// --- The dialog ---

void GUI_JobSearch::Open() {
  delete instance;  // ends an act, and clears the pointer
  GUI_SocialActivityChooser::Close();
  GUI_SoloActivityChooser::Close();
  GUI_EveningClasses::Close();
  new GUI_JobSearch();
}

void GUI_JobSearch::Close() { delete instance; }

GUI_JobSearch::GUI_JobSearch() : GUI_Dialog(true) {
  instance = this;
  SetTitle(Translate("JOBSEARCH_TITLE"));
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  const auto l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const auto r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  const float mid = (t + b) / 2;
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto cb = static_cast<float>(clientRect.bottom);
  auto icon = [this](const char* texture, const char* highlight, GUI_ButtonCallback callback,
                     float x1, float y1, float x2, float y2) {
    auto* button = new GUI_IconButton(texture, callback, nullptr);
    button->SetHighlightTexture(highlight);
    button->SetRect(x1, y1, x2, y2);
    AddButton(button);
    return button;
  };
  scrollUp_ = icon("up.dds", "up.dds", OnScrollUp, r - 35, t + 40, r - 10, t + 65);
  scrollDown_ = icon("down.dds", "down.dds", OnScrollDown, r - 35, b - 70, r - 10, b - 45);
  next_ = icon("right.dds", "right_h.dds", OnNext, r - 39, mid - 30, r - 5, mid + 30);
  previous_ = icon("left.dds", "left_h.dds", OnPrevious, l + 5, mid - 30, l + 39, mid + 30);
  apply_ = new GUI_ButtonText(Translate("CHOOSE_JOB"), OnApply, nullptr);
  apply_->SetTooltipKey("CHOOSE_JOB_TOOLTIP", 60);
  apply_->SetRect(cl + 20, cb - 35, cr - 20, cb - 10);
  AddButton(apply_);
  back_ = icon("left.dds", "left_h.dds", OnBack, l + 10, t + 10, l + 35, t + 35);
  back_->SetTooltipKey("CHOOSE_JOB_GOBACK", 60);
  hide_ = new GUI_CheckButton(Translate("JOB_HIDE_UNSUITABLE"), OnHideUnsuitable, nullptr);
  hide_->SetTooltipKey("TOOLTIP_JOB_HIDE_UNSUITABLE", 60);
  hide_->SetRect(l + 110, b - 34, l + 250, b - 19);
  AddButton(hide_);
  for (GUI_ButtonBase* button : {static_cast<GUI_ButtonBase*>(next_), static_cast<GUI_ButtonBase*>(previous_),
                                 static_cast<GUI_ButtonBase*>(apply_), static_cast<GUI_ButtonBase*>(back_)})
    ShowButton(button, false);
  AddHelpButton("HELP_JOBSEARCH");
  BuildIndustryButtons();
  ShowHint("jobsearch_dialog");
  MakeModal();
  GUI_GUI::Instance().SetKeyCapture(this);
}

GUI_JobSearch::~GUI_JobSearch() {
  DeleteIndustryButtons();
  // Looking used the slot, however the dialog closed; a new or loaded game closing every
  // window uses none.
  if (!GUI_WindowManager::Instance().IsClosingAll()) SIM_SIM::Instance().EndAct();
  if (instance == this) instance = nullptr;
  GUI_GUI::Instance().ReleaseKeyCapture(this);
}

void GUI_JobSearch::ForgetIndustryButton(GUI_IndustryButton* button) {
  industryButtons_.erase(std::remove(industryButtons_.begin(), industryButtons_.end(), button),
                         industryButtons_.end());
  RemoveButton(button);
}

void GUI_JobSearch::DeleteIndustryButtons() {
  std::vector<GUI_IndustryButton*> doomed;
  doomed.swap(industryButtons_);
  for (GUI_IndustryButton* button : doomed) {
    RemoveButton(button);
    delete button;
  }
}

void GUI_JobSearch::BuildIndustryButtons() {
  DeleteIndustryButtons();
  const std::vector<SIM_Industry*>& industries = SIM_Industry::All();
  float y = static_cast<float>(clientRect.top) + 10;
  for (size_t i = static_cast<size_t>(std::max(scroll_, 0));
       i < industries.size() && industryButtons_.size() < kIndustriesShown; ++i) {
    auto* button = new GUI_IndustryButton(industries[i]);
    button->SetRect(static_cast<float>(clientRect.left + 10), y,
                    static_cast<float>(clientRect.right - 10), y + 40);
    // The buttons of a page the player has left stay hidden.
    ShowButton(button, page_ == 0);
    industryButtons_.push_back(button);
    AddButton(button);
    y += 40;
  }
}

void GUI_JobSearch::ScrollUp() {
  if (scroll_ < 1) return;
  --scroll_;
  BuildIndustryButtons();
}

void GUI_JobSearch::ScrollDown() {
  if (static_cast<int>(SIM_Industry::All().size()) <= scroll_ + kIndustriesShown) return;
  ++scroll_;
  BuildIndustryButtons();
}

void GUI_JobSearch::SelectJobAt(size_t index) {
  const std::vector<SIM_JobBase*>& result = SIM_JobBase::SearchResult();
  if (index >= result.size()) return;
  position_ = index;
  job_ = result[index];
  // A job shown for the first time gets its distance to work now.
  if (job_) job_->EnsureCommuteDistance();
}

void GUI_JobSearch::SelectIndustry(SIM_Industry* industry) {
  ReportAssertion(industry != nullptr, "GUI_JobSearch", 247);
  page_ = 1;
  for (GUI_IndustryButton* button : industryButtons_) ShowButton(button, false);
  ShowButton(back_, true);
  if (!industry) return;
  industry_ = industry;
  SIM_JobBase::SearchJobs(industry->GetName(), hideUnsuitable);
  job_ = nullptr;
  position_ = 0;
  const bool any = !SIM_JobBase::SearchResult().empty();
  if (any) SelectJobAt(0);
  for (GUI_ButtonBase* button : {static_cast<GUI_ButtonBase*>(apply_), static_cast<GUI_ButtonBase*>(next_),
                                 static_cast<GUI_ButtonBase*>(previous_)})
    ShowButton(button, any);
}

void GUI_JobSearch::NextJob() {
  const size_t count = SIM_JobBase::SearchResult().size();
  if (count > 0 && position_ + 1 < count) SelectJobAt(position_ + 1);
}

void GUI_JobSearch::PreviousJob() {
  if (!SIM_JobBase::SearchResult().empty() && position_ > 0) SelectJobAt(position_ - 1);
}

bool GUI_JobSearch::CanApplyFor(const SIM_JobBase& job) { return job.RequirementsMet(); }

std::string GUI_JobSearch::WhyCannotApply(const SIM_JobBase& job) {
  if (job.IsLocked()) return Translate("WHY_JOB_LOCKED");
  if (!job.RequirementsMet()) return Translate("WHY_JOB_REQUIREMENTS_UNMET");
  return {};
}

std::vector<GUI_JobSearch::RequirementRow> GUI_JobSearch::RequirementRows(const SIM_JobBase& job) {
  return job.Requirements();
}

void GUI_JobSearch::Apply() {
  if (!job_ || !apply_->IsVisible() || !CanApplyFor(*job_)) return;
  SIM_JobBase* job = job_;
  job->StartApplyCooldown();
  SIM_JobOffer::Apply(job);
  delete this;  // ends the act; the memory waits for the end of the click
}

void GUI_JobSearch::GoBack() {
  page_ = 0;
  for (GUI_IndustryButton* button : industryButtons_) ShowButton(button, true);
  for (GUI_ButtonBase* button : {static_cast<GUI_ButtonBase*>(back_), static_cast<GUI_ButtonBase*>(apply_),
                                 static_cast<GUI_ButtonBase*>(next_), static_cast<GUI_ButtonBase*>(previous_)})
    ShowButton(button, false);
}

void GUI_JobSearch::OnKeyDown(int key) {
  if (key == kEscape) delete this;  // the memory waits for the end of the dispatch
}

void GUI_JobSearch::Draw() {
  if (!visible) return;
  if (page_ == 0) {
    ShowButton(hide_, true);
    const int count = static_cast<int>(SIM_Industry::All().size());
    scrollUp_->SetVisible(true);
    scrollUp_->SetEnabled(scroll_ > 0);
    scrollDown_->SetVisible(true);
    scrollDown_->SetEnabled(count > scroll_ + kIndustriesShown);
    GUI_Dialog::Draw();
  } else {
    // The hidden filter box lies under the apply button: hidden, it takes no clicks.
    for (GUI_ButtonBase* button : {static_cast<GUI_ButtonBase*>(hide_), static_cast<GUI_ButtonBase*>(scrollUp_),
                                   static_cast<GUI_ButtonBase*>(scrollDown_)})
      ShowButton(button, false);
    DrawJobPage();
  }
  hide_->SetChecked(hideUnsuitable);
  GUI_Services::FlushText();
}

void GUI_JobSearch::DrawJobPage() {
  const std::vector<SIM_JobBase*>& result = SIM_JobBase::SearchResult();
  if (!result.empty()) {
    previous_->SetEnabled(position_ > 0);
    next_->SetEnabled(position_ + 1 < result.size());
  }
  if (job_) {
    apply_->SetDisabledReason(WhyCannotApply(*job_));
    apply_->SetEnabled(CanApplyFor(*job_));
  }
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const int cw = clientRect.right - clientRect.left;
  if (!job_) {
    GUI_Services::QueueText(cl + 20, ct + 30, Translate("NO_JOBS_FOUND"), kFont, 18, cw - 40, 0, 255,
                            255, 255);
    return;
  }
  const auto l = static_cast<float>(rect.left);
  float y = ct + 12;
  GUI_Services::QueueText(l, y, job_->GetShownTitle(), kFont, 26, width, 1, 255,
                          255, 255);
  y += 30;
  GUI_Services::QueueText(l, y, job_->GetEmployer(), kFont, 26, width, 1, 255, 255,
                          255);
  y += 50;
  const float lx = cl + 40, vx = lx + 150;
  auto row = [&](float x, const std::string& text) {
    GUI_Services::QueueText(x, y, text, kFont, 16, 0, 0, 255, 255, 255);
  };
  row(lx, Translate("STARTING_SALARY"));
  row(vx, FormatWholePounds(job_->GetMinSalary(), true));
  y += 20;
  if (job_->GetMaxSalary() != job_->GetMinSalary()) {
    row(lx, Translate("MAXIMUM_SALARY"));
    row(vx, FormatWholePounds(job_->GetMaxSalary(), true));
  }
  y += 20;  // the commute row keeps its place without a maximum
  row(lx, Translate("COMMUTE_DISTANCE"));
  row(vx, FormatFixed(std::max(job_->GetCommuteDistance(), 0.0f), 1) + " " + Translate("COMMUTE_MILES"));
  y += 40;
  row(lx, Translate("REQUIREMENTS"));
  y += 20;
  const std::vector<RequirementRow> requirements = RequirementRows(*job_);
  for (const RequirementRow& requirement : requirements) {
    row(lx + 10, requirement.label);
    if (requirement.below) row(lx + 176, Translate("LESSTHAN"));
    if (!requirement.value.empty()) row(lx + 252, requirement.value);
    CTexturedSprite mark;
    mark.width = 16;
    mark.height = 16;
    mark.SetColourARGB(0xFFFFFFFFu);
    mark.SetTexture(requirement.met ? "smalltick.dds" : "smallcross.dds");
    mark.SetPosition(lx + 307, y + 8);
    mark.Draw();
    y += 20;
  }
  // Said outright, so an empty list is not taken for a page that failed to fill.
  if (requirements.empty()) row(lx + 10, Translate("REQUIREMENTS_NONE"));
}

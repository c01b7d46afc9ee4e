// The job search: a modal dialog with two pages. The first lists the industries, nine at a
// time with scroll buttons, each as a button with its picture; picking one turns to the
// second, which shows the industry's jobs open today one at a time (title, employer, salary,
// commute and the requirements, each ticked or crossed), browsed with two arrows, with a
// button to apply and one back to the industries. A filter hides the jobs the player cannot
// take yet; it keeps its setting for the rest of the run.
//
// Looking for a job takes one of the day's activities: closing the dialog in any way ends one
// act of the day, except when a new or loaded game closes every window. While open it holds
// the in-game screen's keys (Escape closes it) and gives them back when it goes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_Dialog.h"
#include "sim/SIM_JobBase.h"

class GUI_ButtonText;
class GUI_CheckButton;
class GUI_IconButton;
class SIM_Industry;

// One industry of the job search's first page: its picture and its name; a click turns the
// job search to the industry's jobs.
class GUI_IndustryButton : public GUI_ButtonBase {
 public:
  explicit GUI_IndustryButton(SIM_Industry* industry);
  ~GUI_IndustryButton() override;
  void Draw() override;
  void Activate() override;

  SIM_Industry* GetIndustry() const { return industry_; }
  const std::string& GetPictureName() const { return picture_; }
  static const std::vector<GUI_IndustryButton*>& Live();

 private:
  SIM_Industry* industry_;
  CTexturedSprite icon_;
  std::string picture_;
};

class GUI_JobSearch : public GUI_Dialog {
 public:
  static constexpr int kWidth = 450, kHeight = 455;
  static constexpr int kIndustriesShown = 9;
  static constexpr const char* kHoverSound = "data/sounds/mouseover.ogg";

  // Replaces an open job search (which ends an act) and closes the other choosers.
  static void Open();
  static void Close();
  static GUI_JobSearch* Instance() { return instance; }
  // The filter: jobs the player cannot take yet are left out. Kept for the run.
  static bool HidesUnsuitable() { return hideUnsuitable; }
  static void SetHideUnsuitable(bool hide) { hideUnsuitable = hide; }

  ~GUI_JobSearch() override;
  void Draw() override;
  // Escape closes.
  void OnKeyDown(int key) override;

  // Turns to the jobs of the industry (the industry buttons' click).
  void SelectIndustry(SIM_Industry* industry);
  void ScrollUp();
  void ScrollDown();
  void NextJob();
  void PreviousJob();
  // Applies for the shown job and closes; nothing unless the apply button is enabled.
  void Apply();
  void GoBack();
  // Whether the shown job may be applied for: its requirements met and not locked.
  static bool CanApplyFor(const SIM_JobBase& job);
  // What the apply button's tooltip says while it is disabled for the job: why the job
  // cannot be applied for ("" when it can).
  static std::string WhyCannotApply(const SIM_JobBase& job);
  // One row of the job page's requirements: the label, the value column (a "less than"
  // before it for a ceiling), and whether the player meets it (a tick or a cross).
  using RequirementRow = SIM_JobBase::Requirement;
  // The rows shown for the job: the job's own list of what an application tests, every one.
  static std::vector<RequirementRow> RequirementRows(const SIM_JobBase& job);

  int GetPage() const { return page_; }
  int GetScrollOffset() const { return scroll_; }
  SIM_Industry* GetSelectedIndustry() const { return industry_; }
  SIM_JobBase* GetSelectedJob() const { return job_; }
  GUI_IconButton* ScrollUpButton() const { return scrollUp_; }
  GUI_IconButton* ScrollDownButton() const { return scrollDown_; }
  GUI_IconButton* NextButton() const { return next_; }
  GUI_IconButton* PreviousButton() const { return previous_; }
  GUI_IconButton* BackButton() const { return back_; }
  GUI_ButtonText* ApplyButton() const { return apply_; }
  GUI_CheckButton* HideUnsuitableButton() const { return hide_; }
  // The industry buttons shown on the first page, in order.
  const std::vector<GUI_IndustryButton*>& IndustryButtons() const { return industryButtons_; }
  // Called by a dying industry button.
  void ForgetIndustryButton(GUI_IndustryButton* button);

 private:
  GUI_JobSearch();
  void BuildIndustryButtons();
  void DeleteIndustryButtons();
  void SelectJobAt(size_t index);
  void DrawJobPage();

  static GUI_JobSearch* instance;
  static bool hideUnsuitable;
  GUI_IconButton* scrollUp_ = nullptr;
  GUI_IconButton* scrollDown_ = nullptr;
  GUI_IconButton* next_ = nullptr;
  GUI_IconButton* previous_ = nullptr;
  GUI_IconButton* back_ = nullptr;
  GUI_ButtonText* apply_ = nullptr;
  GUI_CheckButton* hide_ = nullptr;
  std::vector<GUI_IndustryButton*> industryButtons_;
  int page_ = 0;
  int scroll_ = 0;
  size_t position_ = 0;
  SIM_Industry* industry_ = nullptr;
  SIM_JobBase* job_ = nullptr;
};

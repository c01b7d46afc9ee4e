// The evening classes window: five schools, then a school's classes ten to a page with the
// chosen class's details (cost per week, description and days, or what it requires) and an
// enrol button. One of the main choosers: opening it closes the others.
//
// Opened by the "eveningclasses" activity (whose run used the slot) enrolling uses no slot
// and may happen whatever the phase; opened from the control panel, enrolling uses one slot
// and is possible only while the day's activities are on. Enrol is offered only for a class
// that is available and not yet enrolled.
#pragma once

#include <string>
#include <vector>

#include "gui/GUI_Dialog.h"
#include "gui/GUI_IconButton.h"

class GUI_ButtonText;
class HOOK_EveningClassType;

class GUI_SchoolButton : public GUI_IconButton {
 public:
  GUI_SchoolButton(int category, const char* icon, const std::string& name,
                   const std::string& description);
  ~GUI_SchoolButton() override;
  void Draw() override;
  int GetCategory() const { return category_; }

 private:
  int category_;
  std::string name_, description_;
};

class GUI_EveningClassStrip : public GUI_WindowBase {
 public:
  explicit GUI_EveningClassStrip(HOOK_EveningClassType* type);
  ~GUI_EveningClassStrip() override;
  void Draw() override;
  bool OnClick(float x, float y) override;
  HOOK_EveningClassType* GetClass() const { return type_; }
  bool IsAvailable() const { return available_; }
  bool IsCompleted() const { return completed_; }
  // What the right-hand side shows: the cost per week, or why the class cannot be taken.
  std::string RightText() const;

 private:
  HOOK_EveningClassType* type_;
  bool available_ = false;
  bool completed_ = false;
};

class GUI_EveningClassDetails : public GUI_WindowBase {
 public:
  GUI_EveningClassDetails();
  void SetClass(HOOK_EveningClassType* type);
  void Draw() override;
  HOOK_EveningClassType* GetClass() const { return type_; }
  bool IsAvailable() const { return available_; }
  GUI_ButtonText* EnrolButton() const { return enrol_; }
  // The enrol button's state as the class, the phase and the window's opener allow.
  void UpdateEnrol();

 private:
  HOOK_EveningClassType* type_ = nullptr;
  bool available_ = false;
  GUI_ButtonText* enrol_;
};

class GUI_EveningClasses : public GUI_Dialog {
 public:
  static constexpr float kWidth = 500, kHeight = 410;
  static constexpr int kPerPage = 10;

  // Replaces an open window (closing the other main choosers first).
  static void Open(bool fromActivity = false);
  static void Close();
  static GUI_EveningClasses* Instance() { return instance; }
  // The text of a cost per week: the pound sign, the cost with two decimals, " / " and "week".
  static std::string CostText(float cost);
  // Whether enrolling now is allowed by how the window was opened and the phase.
  static bool CanEnrolNow();

  ~GUI_EveningClasses() override;
  void Draw() override;

  void SelectSchool(int category);
  void BuildStrips();
  void ShowSchools();
  void SelectClass(HOOK_EveningClassType* type);
  void NextPage();
  void PreviousPage();
  // Enrols in the details pane's class and closes; the slot as the opener decides.
  void Enrol();

  bool IsFromActivity() const { return fromActivity_; }
  int GetPage() const { return page_; }
  int GetSchool() const { return school_; }
  HOOK_EveningClassType* GetSelected() const { return selected_; }
  GUI_EveningClassDetails* Details() const { return details_; }
  const std::vector<GUI_SchoolButton*>& SchoolButtons() const { return schools_; }
  std::vector<GUI_EveningClassStrip*> Strips() const;
  GUI_IconButton* BackButton() const { return back_; }
  GUI_IconButton* LeftArrow() const { return left_; }
  GUI_IconButton* RightArrow() const { return right_; }

 private:
  explicit GUI_EveningClasses(bool fromActivity);
  const std::vector<HOOK_EveningClassType*>* List() const;
  void UpdateArrows();

  static GUI_EveningClasses* instance;
  bool fromActivity_;
  int page_ = 0;
  int school_ = -1;  // none: the schools are shown
  HOOK_EveningClassType* selected_ = nullptr;
  GUI_EveningClassDetails* details_ = nullptr;
  std::vector<GUI_SchoolButton*> schools_;
  GUI_IconButton* back_ = nullptr;
  GUI_IconButton* left_ = nullptr;
  GUI_IconButton* right_ = nullptr;
};

// The result of an evening at a class: the diploma when the course is complete, otherwise the
// course's progress and the evening's concentration. Not modal: the attendance has used its
// slot, so closing it (or a new game closing it) ends nothing, but the night waits for it
// (the control panel's next-day button stays off while it is open). Return is its OK,
// Escape closes it.
#pragma once

#include <string>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class HOOK_EveningClassType;

class GUI_EveningClassPostMortem : public GUI_Dialog {
 public:
  enum Mode { kCompleted = 0, kInProgress = 1 };
  static constexpr float kWidth = 450, kHeight = 310;

  // Replaces an open result with one for that class (nothing for none).
  static void Open(HOOK_EveningClassType* type, float concentration);
  static void Close();
  static GUI_EveningClassPostMortem* Instance() { return instance; }

  ~GUI_EveningClassPostMortem() override;
  void Draw() override;

  int GetMode() const { return mode_; }
  // The translated result: the course finished, or the evening's concentration.
  const std::string& GetResultText() const { return result_; }
  // "<class> (<progress>%)" as drawn in progress.
  std::string ProgressText() const;
  GUI_ButtonText* OkButton() const { return ok_; }

 private:
  GUI_EveningClassPostMortem(HOOK_EveningClassType* type, float concentration);

  static GUI_EveningClassPostMortem* instance;
  float concentration_;
  float progress_ = 0.0f;
  int mode_ = kInProgress;
  GUI_ButtonText* ok_ = nullptr;
  std::string result_, concentrationLabel_, low_, high_, displayText_;
  CTexturedSprite diploma_;
};

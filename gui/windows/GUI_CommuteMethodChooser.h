// The choice of how to get to work: the ways to work one at a time (picture, name,
// description, range and cost per mile), paged with two arrows from the player's present
// choice, and a button that makes the shown one the player's choice when the player can use
// it. The career panel's commute button opens it. With no ways to work listed it shows none
// and every button but close stays disabled.
#pragma once

#include <cstddef>
#include <string>

#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_CommuteMethod;

class GUI_CommuteMethodChooser : public GUI_Dialog {
 public:
  static constexpr int kWidth = 500, kHeight = 340, kPictureSize = 200;

  static void Open();
  static void Close();
  static GUI_CommuteMethodChooser* Instance() { return instance; }

  ~GUI_CommuteMethodChooser() override;
  void Draw() override;

  void Next();
  void Previous();
  // Makes the shown method the player's choice and closes; nothing when it cannot be chosen.
  void Choose();

  // The method shown, or null when the list is empty.
  SIM_CommuteMethod* Current() const;
  // Sets the buttons' enabling for the shown method (the draw does it each frame).
  void UpdateButtons();
  // "12 miles", or the unlimited text for a negative range.
  std::string RangeText(float maxDistance) const;
  // "£:0.10".
  static std::string CostText(float costPerMile);

  GUI_IconButton* NextArrow() const { return next_; }
  GUI_IconButton* PreviousArrow() const { return previous_; }
  GUI_ButtonText* ChooseButton() const { return choose_; }

 private:
  GUI_CommuteMethodChooser();

  static GUI_CommuteMethodChooser* instance;
  size_t position_ = 0;
  GUI_IconButton* next_ = nullptr;
  GUI_IconButton* previous_ = nullptr;
  GUI_ButtonText* choose_ = nullptr;
  std::string rangeLabel_, milesText_, costLabel_, unlimitedText_;
};

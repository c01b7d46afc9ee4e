// The dialog in which the player picks something to do alone with one of the day's free
// slots. It shows one activity type at a time (label, text, and its cost with the values it
// lowers and raises, or a writing project's progress), steps through the types possible today
// with two arrows, the wheel or the arrow keys, and starts the shown one. Only one of the four
// main choosers is open at a time.
#pragma once

#include <cstddef>
#include <vector>

#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_SoloActivityType;

class GUI_SoloActivityChooser : public GUI_Dialog {
 public:
  // Replaces an open chooser and closes the other three choosers.
  static void Open();
  static void Close();
  // Turns the open chooser to the first listed type of that exact name; nothing otherwise.
  static void SelectByName(const char* name);
  // Turns the open chooser to the enrolled evening class of that name, never to a solo
  // activity that shares it; nothing when the chooser does not offer the class.
  static void SelectEveningClass(const char* name);
  static void ScrollPrevious();
  static void ScrollNext();
  static GUI_SoloActivityChooser* Instance() { return instance; }

  ~GUI_SoloActivityChooser() override;
  void Draw() override;
  // Escape closes, Return starts (only when the start button is enabled), the left and right
  // arrows step.
  void OnKeyDown(int key) override;

  void Next();
  void Previous();
  // Starts the shown type and closes the chooser; nothing while the start button is disabled
  // or the list is empty.
  void Start();

  const std::vector<SIM_SoloActivityType*>& Available() const { return available; }
  SIM_SoloActivityType* Current() const { return current; }
  GUI_ButtonText* StartButton() const { return startButton; }
  GUI_IconButton* NextArrow() const { return nextArrow; }
  GUI_IconButton* PreviousArrow() const { return previousArrow; }
  // The start button's enabling as the draw sets it: an affordable type on a day not over.
  bool CanStart() const;

 private:
  GUI_SoloActivityChooser();
  void Refresh();
  void DrawCostAndEffects();

  static GUI_SoloActivityChooser* instance;
  std::vector<SIM_SoloActivityType*> available;
  size_t position = 0;
  SIM_SoloActivityType* current = nullptr;
  GUI_ButtonText* startButton = nullptr;
  GUI_IconButton* nextArrow = nullptr;
  GUI_IconButton* previousArrow = nullptr;
};

// A small note about a promotion: a fixed title and text with the new salary, and the close
// button. Nothing in the game opens it yet.
#pragma once

#include <string>

#include "gui/GUI_Dialog.h"

class GUI_Promotion : public GUI_Dialog {
 public:
  static constexpr int kWidth = 350, kHeight = 200;

  // Closes an open note and opens a new one.
  static void Open();
  static void Close();
  static GUI_Promotion* Instance() { return instance; }
  // The text with "<SALARY>" replaced by the current job's salary.
  static std::string Text();

  ~GUI_Promotion() override;
  void Draw() override;

 private:
  GUI_Promotion();

  static GUI_Promotion* instance;
};

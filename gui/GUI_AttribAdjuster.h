// One row of the new-game menu's starting attributes: a label, a bar of up to 24 cells for
// the percentage and a button that raises it (taking the points from the other three).
#pragma once

#include <string>

#include "gui/GUI_WindowBase.h"

class GUI_IconButton;

class GUI_AttribAdjuster : public GUI_WindowBase {
 public:
  GUI_AttribAdjuster(int index, const char* labelKey);
  void Draw() override;

  int GetIndex() const { return index; }
  GUI_IconButton* RaiseButton() const { return button; }
  // The cells the bar shows now: trunc(percentage x 24).
  int CellCount() const;

 private:
  int index;
  std::string label;
  GUI_IconButton* button = nullptr;
};

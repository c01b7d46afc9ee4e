// The cross in a window's corner: a click deletes the window that owns it (and so itself).
#pragma once

#include "gui/GUI_IconButton.h"

class GUI_CloseButton : public GUI_IconButton {
 public:
  GUI_CloseButton();
  void Draw() override;
  void Activate() override;
};

// A framed icon: a frame sprite a little larger than the button, and an icon (or its hover
// variant) at three quarters of the button's size.
#pragma once

#include <string>

#include "gui/GUI_IconButton.h"

class GUI_MultiIconButton : public GUI_IconButton {
 public:
  GUI_MultiIconButton(const char* frameTexture, const char* iconTexture,
                      GUI_ButtonCallback callback, void* callbackArg);

  void Draw() override;
  void SetHoverIcon(const char* texture);
  void SetIcon(const char* texture);

 private:
  std::string icon_;
  std::string hoverIcon_;
  CTexturedSprite iconSprite_;
};

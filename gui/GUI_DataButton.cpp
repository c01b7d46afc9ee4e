// Data button.
#include "gui/GUI_DataButton.h"

#include "gui/GUI_Services.h"

GUI_DataButton::GUI_DataButton(const char* texture, GUI_ButtonCallback dataCallback, void* data)
    : GUI_IconButton(texture, nullptr, nullptr), dataCallback_(dataCallback), data_(data) {}

bool GUI_DataButton::OnClick(float x, float y) {
  if (!HitTest(x, y)) return false;
  Activate();
  return true;
}

void GUI_DataButton::Activate() {
  if (!dataCallback_) return;
  dataCallback_(data_);
  GUI_Services::PlayClick();
}

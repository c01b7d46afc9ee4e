// Close button.
#include "gui/GUI_CloseButton.h"

#include "engine/DebugLog.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowBase.h"

GUI_CloseButton::GUI_CloseButton() : GUI_IconButton("gui_close_icon.dds", nullptr, nullptr) {
  highlight.SetTexture("gui_close_icon_h.dds");
}

void GUI_CloseButton::Draw() { GUI_IconButton::Draw(); }

void GUI_CloseButton::Activate() {
  GUI_Services::PlayClick();
  ReportAssertion(owner != nullptr, "GUI_ButtonTypes", 309);
  // The window's destructor deletes this button too: nothing may touch it afterwards.
  if (GUI_WindowBase* window = owner) delete window;
}

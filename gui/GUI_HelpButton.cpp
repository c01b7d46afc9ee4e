// Help button.
#include "gui/GUI_HelpButton.h"

#include "gui/GUI_HelpWindow.h"

GUI_HelpButton::GUI_HelpButton(const std::string& key)
    : GUI_IconButton("gui_helpbutton.dds", nullptr, nullptr), key_(key) {
  highlight.SetTexture("gui_helpbutton_h.dds");
}

void GUI_HelpButton::Activate() {
  ShowHelpPopup(key_.c_str(), static_cast<float>(rect.left + rect.right) / 2.0f,
                static_cast<float>(rect.top + rect.bottom) / 2.0f);
}

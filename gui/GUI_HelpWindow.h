// The help pop-up a dialog's "?" opens: the dialog's translated help text in a framed modal
// window beside the icon. At most one is open; a new one replaces it. Return and Escape close
// it, as its close button does.
#pragma once

#include <string>

#include "gui/GUI_WindowBase.h"

class GUI_CloseButton;

class GUI_HelpWindow : public GUI_WindowBase {
 public:
  // Placed left of x when x is past the screen's centre (else right of it), above y when y is
  // past the centre (else below), then kept on the screen.
  GUI_HelpWindow(const char* key, float x, float y);
  ~GUI_HelpWindow() override;

  void Draw() override;
  bool IsDialog() const override { return true; }

  const std::string& GetText() const { return text; }
  // The open help window, or null.
  static GUI_HelpWindow* Current();

 private:
  std::string text;
  bool laidOut = false;
  GUI_CloseButton* closeButton = nullptr;
};

// Opens the help text of the key beside (x, y), replacing an open one.
void ShowHelpPopup(const char* key, float x, float y);

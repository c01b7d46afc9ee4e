// The "?" of a dialog: a click opens the help pop-up for its text key beside the button.
#pragma once

#include <string>

#include "gui/GUI_IconButton.h"

class GUI_HelpButton : public GUI_IconButton {
 public:
  explicit GUI_HelpButton(const std::string& key);
  void Activate() override;
  const std::string& GetKey() const { return key_; }

 private:
  std::string key_;
};

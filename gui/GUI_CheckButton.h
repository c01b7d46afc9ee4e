// A 26 x 26 check box with its label beside it. Only the box takes clicks, and only while it
// is shown and enabled; a click toggles it and runs the callback. Owners read the checked flag.
#pragma once

#include <string>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"

class GUI_CheckButton : public GUI_ButtonBase {
 public:
  static constexpr size_t kMaxLabel = 63;
  GUI_CheckButton(const std::string& label, GUI_ButtonCallback callback, void* callbackArg);

  void Draw() override;
  bool OnClick(float x, float y) override;
  bool IsChecked() const { return checked; }
  const std::string& GetLabel() const { return label_; }
  void SetChecked(bool c) { checked = c; }

 private:
  void PlaceBox();
  std::string label_;
  CTexturedSprite box_;
  CTexturedSprite tick_;
  bool checked = false;
};

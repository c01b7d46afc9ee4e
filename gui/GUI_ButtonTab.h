// The button of one page of a tab container: a tab-shaped frame, light when its page is
// selected and dark when not; a click selects the page.
#pragma once

#include "gui/GUI_ButtonText.h"

class GUI_WindowTab;

class GUI_ButtonTab : public GUI_ButtonText {
 public:
  GUI_ButtonTab(const std::string& label, GUI_WindowTab* page);

  void Draw() override;
  void Activate() override;
  void SetUpsideDown(bool upsideDown) { upsideDown_ = upsideDown; }
  GUI_WindowTab* GetPage() const { return page_; }

 private:
  GUI_WindowTab* page_;
  bool upsideDown_ = false;
};

// The weather icon of the main screen, with a tooltip naming today's weather (or the full
// moon). It lives for the whole run, created on first use.
#pragma once

#include <memory>

#include "gui/GUI_WindowBase.h"

class GUI_Tooltip;

class GUI_Weather : public GUI_WindowBase {
 public:
  static GUI_Weather* Instance();
  ~GUI_Weather() override;

  // Today's weather text; the date calls it when the day changes.
  void RefreshTooltip();
  // 60 x 65 at (185, 0).
  void Layout();
  void Draw() override;
  void Update() override;

  GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }
  // The texture the icon shows today (a set entry or the full moon).
  const char* IconTexture() const;

 private:
  GUI_Weather();
  void SetTooltipText();
  bool laidOut_ = false;
  std::unique_ptr<GUI_Tooltip> tooltip_;
};

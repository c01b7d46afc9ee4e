// The weather icon of the main screen (its tooltip names today's weather). Until the screen is built, a placeholder that records its calls.
#pragma once

class GUI_Weather {
 public:
  // The panel's one instance (null while it is not shown).
  static GUI_Weather* Instance();
  GUI_Weather(const GUI_Weather&) = delete;
  GUI_Weather& operator=(const GUI_Weather&) = delete;

  void RefreshTooltip();

 private:
  GUI_Weather() = default;
};

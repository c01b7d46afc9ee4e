// The loading screen shown while the game starts and while a game loads.
#pragma once

class GUI_LoadScreen {
 public:
  static GUI_LoadScreen& Instance();
  // Draws and presents one whole loading frame with the bar filled to progress (0..1).
  void Draw(float progress);
  float GetLastProgress() const { return lastProgress_; }

 private:
  GUI_LoadScreen() = default;
  float lastProgress_ = 0.0f;
};

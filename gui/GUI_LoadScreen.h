// The loading screen shown while the game starts and while a game loads: a frame of its own,
// drawn and presented at once, outside the frame loop.
#pragma once

class GUI_LoadScreen {
 public:
  static constexpr const char* kPicture = "loadscreen.jpg";
  static constexpr const char* kBarTexture = "progbar.bmp";
  struct Bar {
    int left, top, right, bottom;
  };

  static GUI_LoadScreen& Instance();
  // Draws and presents one whole loading frame with the bar filled to progress (0..1).
  void Draw(float progress);
  float GetLastProgress() const { return lastProgress_; }
  // The progress bar's box on a screen of that size.
  static Bar BarRect(int screenWidth, int screenHeight);

 private:
  GUI_LoadScreen() = default;
  float lastProgress_ = 0.0f;
};

// Stand-in for the social-standing screen until it is built: it fills the in-game screen in
// the screen's mode 1, and each operation records its call.
#pragma once

class GUI_SocialTovel {
 public:
  // The control panel's network button.
  static void Show();
  static void Draw();
  static void Update();
  static void OnClick(float x, float y);
};

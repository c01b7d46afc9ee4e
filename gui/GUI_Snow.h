// Stand-in for the snow effect and the snowdrop particles until they are built.
#pragma once

class GUI_Snow {
 public:
  static void Draw();
  // The 100 snowdrop particles of the main scene.
  static void ResetSnowdrops();
  static void DrawSnowdrops();
};

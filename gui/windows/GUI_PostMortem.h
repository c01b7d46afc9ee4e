// Stand-in for the post-mortem window until they are built: each operation records its call.
#pragma once

class GUI_PostMortem {
 public:
  static void Close();
  // The open report (the stand-in holds only whether one is open).
  static bool IsOpen();
  static void SetOpen(bool open);
  static void DrawOpen();
  static void UpdateOpen();
  static void ClickOpen(float x, float y);
};

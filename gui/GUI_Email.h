// Stand-in for the main screen's e-mail items until they are built: each operation records its call.
#pragma once

class GUI_Email {
 public:
  static void DeleteAll();
  // The new-mail notifier drawn under the windows, and the clicks no window or icon took.
  static void DrawNotifier();
  static void OnLeftClick();
};

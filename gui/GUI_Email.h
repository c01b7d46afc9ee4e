// Stand-in for the main screen's e-mail items until they are built: each operation records its call.
#pragma once

class GUI_Email {
 public:
  static void DeleteAll();
};

// Stand-in for the post-mortem window until they are built: each operation records its call.
#pragma once

class GUI_PostMortem {
 public:
  static void Close();
};

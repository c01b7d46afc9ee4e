// Stand-in for the owned-assets panel until it is built: its rebuild records the call.
#pragma once

class GUI_Assets {
 public:
  static void RebuildIcons();
};

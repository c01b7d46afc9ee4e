// Stand-in for the possessions until they are built: each operation records its call.
#pragma once

class SIM_Asset {
 public:
  static void DeleteAll();
  static void DailyUpdateAll();
};

// Reads the asset catalogue (start-up and new game).
void LoadAssets();

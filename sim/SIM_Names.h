// Stand-in for the name database until they are built: each operation records its call.
#pragma once

class SIM_Names {
 public:
  static void Load();
  static void Clear();
};

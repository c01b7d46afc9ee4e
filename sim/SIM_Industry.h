// Stand-in for the industries until they are built: resetting their global values records it.
#pragma once

class SIM_Industry {
 public:
  static void ResetGlobalValues();
};

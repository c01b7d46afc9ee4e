// Stand-in for the pet food stocks until they are built: each operation records its call.
#pragma once

class SIM_PetFood {
 public:
  static void ClearStocks();
};

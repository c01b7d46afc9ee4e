// Stand-in for the interest types until they are built: each operation records its call.
#pragma once

class SIM_InterestType {
 public:
  static void LoadAll();
  static void DeleteAll();
};

// Stand-in for the pets until they are built: each operation records its call.
#pragma once

class SIM_PetBase {
 public:
  static void ClearPets();
};

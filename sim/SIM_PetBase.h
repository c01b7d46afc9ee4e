// Stand-in for the pets until they are built: each operation records its call.
#pragma once

class SIM_PetBase {
 public:
  static void ClearPets();
};

// Stand-in for the dog until the pets are built: counting a burglar it saw off records.
class SIM_Dog {
 public:
  static void CountBurglarAttack();
};

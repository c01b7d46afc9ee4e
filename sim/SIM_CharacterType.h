// Stand-in for the character types until they are built: each operation records its call.
#pragma once

class SIM_CharacterType {
 public:
  static void LoadAll();
  static void DeleteAll();
};

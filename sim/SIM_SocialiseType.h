// Stand-in for the kinds of social evening until they are built: each operation records its call.
#pragma once

class SIM_SocialiseType {
 public:
  static void Reload();
  static void DeleteAll();
};

// Stand-in for the running social evenings until they are built: each operation records its call.
#pragma once

class SIM_SocialiseInstance {
 public:
  static void DeleteAll();
};

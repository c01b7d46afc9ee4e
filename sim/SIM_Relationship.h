// Stand-in for the relationships until they are built: each operation records its call.
#pragma once

class SIM_Relationship {
 public:
  static void ClearFriendMadeToday();
};

// Stand-in for the day's small talk until they are built: each operation records its call.
#pragma once

class SIM_SmallTalk {
 public:
  static void Clear();
  static void DailyUpdate();
};

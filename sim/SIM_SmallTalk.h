// Stand-in for the day's small talk until they are built: each operation records its call.
#pragma once

#include <string>

class SIM_SmallTalk {
 public:
  static void Clear();
  static void DailyUpdate();
  // A topic of the day's small talk (a promotion's news): its text key and weight.
  static void AddNews(const std::string& key, int weight);
};

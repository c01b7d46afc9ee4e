// The small talk characters open their letters and conversations with: a line about what is
// going on in the player's life (the weather, pets, the guitar, a mugging or a promotion, the
// player's wealth, weight or cleverness). The day's topics are rebuilt every day from the
// world and from the news records other parts add; each topic names a section of the strings
// file holding several lines, one drawn at random.
//
// One store for the whole run. A save keeps the news and the day's topics.
#pragma once

#include <string>
#include <vector>

class SIM_Person;

class SIM_SmallTalk {
 public:
  struct News {
    std::string key;  // a section of the strings file
    int days = 0;     // days left
    bool operator==(const News&) const = default;
  };

  // Appends a news record: a topic for the next `days` daily lists.
  static void AddNews(const std::string& key, int days);
  // The day's topics: the news counted down (records below 1 day go), then the pets, the
  // guitar, the weather, the player's wealth, weight and cleverness, the default line and
  // every news key.
  static void DailyUpdate();
  // A line for the person to say: a random line of a random topic, with the player's name
  // and the person's salutation put in. Before the first daily list (just after a load of a
  // file without the store) the default topic stands in.
  static std::string GetLine(const SIM_Person* person);
  // How the person addresses the player, by the person's culture.
  static std::string GetSalutation(const SIM_Person* person);
  // Forgets the news and the topics (a new game, a load).
  static void Clear();

  static const std::vector<std::string>& Topics();
  static const std::vector<News>& AllNews();
  // A load puts back the saved store.
  static void Restore(const std::vector<std::string>& topics, const std::vector<News>& news);
};

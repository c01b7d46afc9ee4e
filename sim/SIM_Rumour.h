// Gossip about films and restaurants that characters pass on: a text and the kind of thing it
// is about (0 films, 1 restaurants). Every rumour is in one list, which owns it: the
// constructor appends and the destructor removes. A save keeps them in order.
#pragma once

#include <string>
#include <vector>

class SIM_Rumour {
 public:
  static constexpr int kFilms = 0;
  static constexpr int kRestaurants = 1;

  virtual ~SIM_Rumour();
  SIM_Rumour(const SIM_Rumour&) = delete;
  SIM_Rumour& operator=(const SIM_Rumour&) = delete;

  const std::string& GetText() const { return text_; }
  int GetOwner() const { return owner_; }

  // A new rumour at the end of the list.
  static SIM_Rumour* Create(const std::string& text, int owner);
  // A rumour at a random place of the list; null when there are none.
  static SIM_Rumour* PickRandom();
  // The rumour's text as a report shows it: empty for none, or for one that has gone since it
  // was picked (told through a mail item, or its film left the cinemas).
  static std::string TextOf(const SIM_Rumour* rumour);
  // Every rumour of the kind goes (the films leave the cinemas).
  static void RemoveAllFor(int owner);
  static void DeleteAll();
  static const std::vector<SIM_Rumour*>& All();

 private:
  SIM_Rumour(const std::string& text, int owner);

  std::string text_;
  int owner_;
};

// Stand-in for the rumours until they are built: each operation records its call.
#pragma once

#include <string>

class SIM_Rumour {
 public:
  virtual ~SIM_Rumour() = default;
  // The gossip the rumour tells.
  const std::string& GetText() const { return text_; }
  static void DeleteAll();
  // A rumour to pass on; none until rumours are built.
  static SIM_Rumour* PickRandom();
  // The rumour's text as a report shows it; none until rumours are built.
  static std::string TextOf(const SIM_Rumour* rumour);
  // A new rumour about something of a kind (0 films, 1 restaurants); records its call until
  // rumours are built.
  static void Create(const std::string& text, int owner);
  // Every rumour of the kind goes (films leaving the cinemas); records its call.
  static void RemoveAllFor(int owner);

 private:
  std::string text_;
};

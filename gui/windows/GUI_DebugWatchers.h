// Two developer windows that list a character's internal values while the game runs: how
// bored the person is of each activity, and what the person remembers of each kind of
// evening. Clicking a contact icon with B held opens the first, with M held the second. Any
// number may be open; each closes with its close button, and every watcher of a person
// closes when that person is deleted.
#pragma once

#include <vector>

#include "gui/GUI_Dialog.h"

class SIM_NPC;

class GUI_DebugWatcher : public GUI_Dialog {
 public:
  static constexpr int kWidth = 250;
  static constexpr int kHeight = 300;

  ~GUI_DebugWatcher() override;
  void Draw() override;
  SIM_NPC* GetPerson() const { return person_; }

  static void CloseFor(const SIM_NPC* person);
  static const std::vector<GUI_DebugWatcher*>& All();

 protected:
  explicit GUI_DebugWatcher(SIM_NPC* person);
  // The rows: a name and a value each.
  virtual void DrawRows(float left, float top) = 0;

  SIM_NPC* person_;
};

class GUI_BoredomWatcher : public GUI_DebugWatcher {
 public:
  // Reports a person without a boredom record and opens nothing then.
  static GUI_BoredomWatcher* Open(SIM_NPC* person);

 private:
  explicit GUI_BoredomWatcher(SIM_NPC* person) : GUI_DebugWatcher(person) {}
  void DrawRows(float left, float top) override;
};

class GUI_MemoryWatcher : public GUI_DebugWatcher {
 public:
  // Reports a person without a memory and opens nothing then.
  static GUI_MemoryWatcher* Open(SIM_NPC* person);

 private:
  explicit GUI_MemoryWatcher(SIM_NPC* person);
  void DrawRows(float left, float top) override;
};

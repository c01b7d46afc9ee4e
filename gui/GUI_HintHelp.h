// One-time hints: a short explanation shown the first time the player meets a feature. Each
// hint is shown once per player, remembered in "hints.txt" in the user folder across games
// and runs, and never while the tutorial runs.
#pragma once

#include <string>
#include <vector>

#include "gui/GUI_WindowBase.h"

class GUI_CloseButton;

// One row of "data/simulation/hints.csv".
struct HintRecord {
  std::string key;
  std::string text;  // shown as it stands in the table (not a translation key)
  float x = 0;
  float y = 0;
  bool shown = false;
};

class GUI_HintHelp : public GUI_WindowBase {
 public:
  explicit GUI_HintHelp(HintRecord* hint);
  ~GUI_HintHelp() override;

  void Draw() override;
  bool IsDialog() const override { return true; }
  // A hint holds the screen (it is modal) until its close button is pressed.
  bool DimsWhatItHolds() const override { return true; }
  // It explains the window it came with: it lies over that window and answers before it,
  // even when that window was made modal after it.
  Rank GetRank() const override { return Rank::kHint; }
  // Return and Escape close it, as its button does; every other key waits for it.
  bool AnswerKey(int key) override;

  const HintRecord* GetHint() const { return hint; }

  // The open hint windows.
  static bool IsAnyOpen();
  static const std::vector<GUI_HintHelp*>& OpenHints();

 private:
  GUI_CloseButton* closeButton = nullptr;
  HintRecord* hint = nullptr;
  bool laidOut = false;
  std::string title;
  std::string disclaimer;
};

// Rebuilds the hint list from the table with the shown flags of the user file. A row whose key
// the user file could not read back as written (holding '=', starting with a blank, '[', ';'
// or '/', ending with a tab) is left out and logged.
void LoadHints();
// Writes the user file whole: "[hints]" and "key = 0|1" for every hint in table order.
void SaveHints();
void ClearHints();
// Opens the hint of that key unless it was shown before or the tutorial runs. A key that is
// not in the table is a fault of the caller and stops the game: the shipped table is checked
// against every key the code uses.
void ShowHint(std::string key);
// The loaded hints in table order.
const std::vector<HintRecord>& Hints();
// The folder of "hints.txt": the game's user folder unless set (tests use a temporary one).
void SetHintFolder(const std::string& folder);
std::string HintUserFile();

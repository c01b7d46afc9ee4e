// A modal message box: a title, a word-wrapped text and a close button. Any number may be
// open; each lives until its close button is clicked or, the top one, Return or Escape.
#pragma once

#include <string>

#include "gui/GUI_Dialog.h"

class GUI_Message : public GUI_Dialog {
 public:
  static constexpr size_t kMaxText = 1023;
  explicit GUI_Message(const std::string& text);
  ~GUI_Message() override;

  // Replaces the first "<VESKSNAME>" by the player's forename; resets the box to 420 x 220,
  // centred, to be fitted to the text at the next draw.
  void SetText(const std::string& text);
  void Draw() override;
  // Lies over a full-screen page, whenever it was raised.
  Rank GetRank() const override { return Rank::kBox; }
  const std::string& GetText() const { return text; }
  bool IsLaidOut() const { return laidOut; }

 protected:
  std::string text;
  bool laidOut = false;
};

// Opens a message box (the text first, then the title).
void ShowMessage(std::string text, std::string title);

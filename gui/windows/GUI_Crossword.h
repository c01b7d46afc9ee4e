// The one-word crossword: a clue, a row of letter boxes with two letters given, and a
// 25-second stopwatch. The player types the answer; a right one applies the effects of the
// solo activity "crossword" (easy) or "crypticcrossword". Words come from the shared pool
// (sim/SIM_MiniGames). The window stays until its close button and ends no activity slot.
#pragma once

#include <string>
#include <vector>

#include "engine/Timer.h"
#include "gui/GUI_Dialog.h"
#include "sim/SIM_MiniGames.h"

class GUI_Crossword : public GUI_Dialog {
 public:
  static constexpr int kWidth = 400, kHeight = 325;
  static constexpr double kTimeMs = 25000.0;
  static constexpr int kKeyEscape = 1, kKeyBackspace = 14;
  static constexpr const char* kStopwatchSound = "data/sounds/stopwatch.ogg";
  // The statistic counting solved crosswords.
  static constexpr int kSolvedStatistic = 5;

  enum State { kPlaying = 0, kSolved = 1, kTimedOut = 2 };

  // Replaces an open crossword with a new one.
  static void Open(bool easy);
  static void Close();
  static GUI_Crossword* Instance() { return instance; }

  ~GUI_Crossword() override;
  void Draw() override;
  // Letters and digits are typed into the next box, Backspace takes the last one back;
  // Escape does nothing (the close button closes).
  void OnKeyDown(int key) override;

  int GetState() const { return state_; }
  bool IsEasy() const { return easy_; }
  bool HasWord() const { return hasWord_; }
  const CrosswordWord& GetWord() const { return word_; }
  const std::string& GetTyped() const { return typed_; }
  const std::vector<bool>& GetRevealed() const { return revealed_; }
  int SecondsLeft() const;

 private:
  explicit GUI_Crossword(bool easy);
  void PickWord();
  void CheckAnswer();
  // Ends the play with a time-out once the stopwatch has run down.
  void CheckTime();
  void StopStopwatch();

  static GUI_Crossword* instance;

  bool easy_;
  bool hasWord_ = false;
  CrosswordWord word_;
  std::vector<bool> revealed_;
  std::string typed_;
  int state_ = kPlaying;
  Timer clock_;
  int stopwatchSlot_ = -1;
  bool ticking_ = false;
};

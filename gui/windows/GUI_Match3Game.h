// The video game played at home: a timed match-3 round on a 6 x 6 board of gems. Swapping two
// neighbouring gems that line up three or more of a kind removes them; the gems above fall and
// new ones drop in. Each scoring swap and each cascade after it adds 1. A round lasts 30
// seconds of the window's own time; reaching 10 applies the effects of the solo activity
// "playvideogames". The high score lasts for the run and is saved with the game.
//
// The window ends no activity slot: the activity that opened it already used its slot.
#pragma once

#include <array>
#include <deque>

#include "engine/CTexturedSprite.h"
#include "engine/Timer.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;

// One gem: a kind 0..5 shown as that cell of the gem sheet, where it is now and where it is
// going.
class M3_Gem {
 public:
  static constexpr const char* kSheet = "gems.dds";
  static constexpr int kSheetCells = 16;
  static constexpr int kKinds = 6;

  explicit M3_Gem(int kind);
  virtual ~M3_Gem() = default;
  M3_Gem(const M3_Gem&) = delete;
  M3_Gem& operator=(const M3_Gem&) = delete;

  virtual bool ContainsPoint(float x, float y) const { return sprite_.ContainsPoint(x, y); }
  int GetKind() const { return kind_; }
  void SetKind(int kind);
  // One frame's move toward the target, `step` pixels along each axis at most; true when the
  // gem moved.
  bool Move(float step);
  bool AtTarget() const { return x_ == targetX_ && y_ == targetY_; }
  // Drawn only once it has fallen as far as the board's top.
  void Draw(float boardTop);

  float x_ = 0, y_ = 0;
  float targetX_ = 0, targetY_ = 0;

 private:
  void Place();
  int kind_ = 0;
  CTexturedSprite sprite_;
};

class GUI_Match3Game : public GUI_Dialog {
 public:
  static constexpr int kSize = 6;
  static constexpr float kCell = 48.0f;
  static constexpr int kWidth = 6 * 48 + 64, kHeight = 6 * 48 + 65;
  static constexpr int kTarget = 10;
  static constexpr double kRoundMs = 30000.0;
  static constexpr double kCycleMs = 5000.0;
  static constexpr const char* kBackground = "match3_background.bmp";
  static constexpr const char* kClickSound = "data/sounds/click.ogg";
  static constexpr const char* kScoreSound = "data/sounds/gamebleep.ogg";

  enum State { kInstructions = 0, kPlaying = 1, kFinished = 2 };

  // Replaces an open game with a new one.
  static void Open();
  // The finish button: closes the game.
  static void Close();
  static GUI_Match3Game* Instance() { return instance; }

  ~GUI_Match3Game() override;
  void Draw() override;
  bool OnClick(float x, float y) override;

  // The start button: the round's clock and the kind cycle start now.
  void Start();
  // A click on a gem: the first pick, a swap with a neighbour of it, or the pick dropped.
  void SelectCell(int row, int column);

  int GetState() const { return state_; }
  int GetScore() const { return score_; }
  // The finished round's words: reached the target or not, and whether it beat the best
  // score that stood at the start.
  const char* ResultKey() const;
  bool IsAnimating() const { return animating_; }
  bool IsCheckPending() const { return checkPending_; }
  // Nothing moves, nothing is about to move and nothing waits to be examined.
  bool IsSettled() const;
  const M3_Gem* GemAt(int row, int column) const { return cells_[Index(row, column)]; }
  // The centre of a cell on the screen.
  float CellX(int column) const;
  float CellY(int row) const;
  // The first line of three, rows first: its cells, or false when none.
  bool FindLine(int& row, int& column, bool& horizontal) const;
  GUI_ButtonText* StartButton() const { return start_; }
  GUI_ButtonText* FinishButton() const { return finish_; }

  // Tests lay out a board (row by row) with every gem at rest in its cell, and name the kinds
  // the next new gems take before random kinds resume.
  void SetBoardForTesting(const std::array<int, kSize * kSize>& kinds);
  void PlanKindsForTesting(std::deque<int> kinds) { planned_ = std::move(kinds); }

 private:
  GUI_Match3Game();
  static int Index(int row, int column) { return row * kSize + column; }
  int NewKind();
  void DeleteGems();
  void NewBoard();
  M3_Gem* NewFallingGem(int row, int column);
  void RemoveLines();
  void Refill();
  void SwapCells(int a, int b);
  void ClearSelection();
  void PlayFrame();
  void SettledCheck();
  void EndRound();
  void DrawPanel(const char* key, int textSize);

  static GUI_Match3Game* instance;

  GUI_Rect board_;
  std::array<M3_Gem*, kSize * kSize> cells_{};
  int state_ = kInstructions;
  int firstRow_ = -1, firstColumn_ = -1, secondRow_ = -1, secondColumn_ = -1;
  bool animating_ = false;
  bool checkPending_ = false;
  Timer round_, cycle_;
  int score_ = 0;
  int bestBefore_ = 0;
  CTexturedSprite cursor_, background_;
  GUI_ButtonText* finish_ = nullptr;
  GUI_ButtonText* start_ = nullptr;
  std::deque<int> planned_;
};

// The roulette table of a casino evening: a stake of 5 to 50 in steps of 5, up to five spins
// that each win or lose the stake at even odds, a table of the spins and their total, and a
// stop button that finishes the evening. Modal, without a close button. Closing the window
// any other way (a new game, a load) finishes nothing.
#pragma once

#include <string>

#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_RouletteInstance;

class GUI_Roulette : public GUI_Dialog {
 public:
  static constexpr int kWidth = 440, kHeight = 280;
  static constexpr int kMinStake = 5, kMaxStake = 50, kStakeStep = 5;

  // Replaces an open window; a null evening opens nothing.
  static void Open(SIM_RouletteInstance* evening);
  static void Close();
  static GUI_Roulette* Instance() { return instance; }
  // "£ 10", "£ -10"; "--" for a spin not yet made (0).
  static std::string MoneyText(int amount);
  static std::string SpinText(int amount);

  ~GUI_Roulette() override;
  void Draw() override;

  void Raise();
  void Lower();
  // Wins or loses the stake; the cash moves at once.
  void Spin();
  // Finishes the evening and closes.
  void Stop();
  // Spin is offered while spins are left and the cash covers the stake.
  void UpdateButtons();

  int GetStake() const { return stake_; }
  SIM_RouletteInstance* Evening() const { return evening_; }
  GUI_ButtonText* SpinButton() const { return spin_; }
  GUI_ButtonText* StopButton() const { return stop_; }
  GUI_IconButton* RaiseButton() const { return raise_; }
  GUI_IconButton* LowerButton() const { return lower_; }

 private:
  explicit GUI_Roulette(SIM_RouletteInstance* evening);

  static GUI_Roulette* instance;
  SIM_RouletteInstance* evening_;
  int stake_ = kMinStake;
  GUI_ButtonText* spin_ = nullptr;
  GUI_ButtonText* stop_ = nullptr;
  GUI_IconButton* raise_ = nullptr;
  GUI_IconButton* lower_ = nullptr;
};

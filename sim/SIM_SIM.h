// The simulation root. Until the simulation arrives it loads the game variables and records
// the shell's calls.
#pragma once

#include <string>

// A hook for tracing game events; its body is empty by design (nothing is written).
void TraceEvent(const std::string& text);

class SIM_SIM {
 public:
  static SIM_SIM& Instance();
  SIM_SIM(const SIM_SIM&) = delete;
  SIM_SIM& operator=(const SIM_SIM&) = delete;

  // One-time start-up: game variables (and, as the simulation grows, every data table).
  void Init();
  void NewGame();
  void Shutdown();

  // Set when the end-game screen opens; cleared at new game.
  bool IsGameOver() const { return gameOver_; }
  void SetGameOver(bool gameOver) { gameOver_ = gameOver; }

 private:
  SIM_SIM() = default;
  bool gameOver_ = false;
};

// The end of the game: after ten years a full-screen page over the room reveals, to a
// fanfare, the title, a verdict on how the ten years were spent (solitary, sociable or well
// balanced, from the lifetime counts), the Tovel earned and a table of ten play statistics;
// after six seconds three buttons appear: back to the main menu, upload the community page,
// or continue playing the same game. The buttons take no click before they are drawn, so an
// unseen "main menu" can never throw the game away. Modal while it shows.
#pragma once

#include <string>
#include <vector>

#include "engine/Timer.h"
#include "gui/GUI_WindowBase.h"

class GUI_ButtonText;
class GUI_Message;

class GUI_EndGame : public GUI_WindowBase {
 public:
  Rank GetRank() const override { return Rank::kEndPage; }
  static constexpr double kVerdictMs = 2000.0;
  static constexpr double kFiguresMs = 4000.0;
  static constexpr double kButtonMs = 6000.0;
  static constexpr const char* kFanfare = "data/sounds/fanfare.ogg";

  struct Row {
    float x = 0.0f, y = 0.0f;
    std::string label;  // translated
    int value = 0;
  };

  // The one screen, made on first use and kept for the program's life.
  static GUI_EndGame* Instance();

  // Shown by the date at the game's end.
  void Show();
  // Goes without touching the game (the buttons' last step, and a new or loaded game).
  void Hide();
  bool IsOpen() const { return showing_; }
  // The buttons' actions.
  void MainMenu();
  void Upload();
  void Continue();

  void Draw() override;
  // Only while the screen shows (a box over it answers first, ranked above every page).
  bool OnClick(float x, float y) override;
  // The boxes the screen shows over itself (a failed upload), the top one last.
  const std::vector<GUI_Message*>& Messages();

  const std::string& GetVerdict() const { return verdict_; }
  const std::vector<Row>& Rows() const { return rows_; }
  GUI_ButtonText* MainMenuButton() const { return mainMenu_; }
  GUI_ButtonText* UploadButton() const { return upload_; }
  GUI_ButtonText* ContinueButton() const { return continue_; }

 private:
  GUI_EndGame();
  void BuildTable();
  void StopFanfare();

  GUI_ButtonText* mainMenu_ = nullptr;
  GUI_ButtonText* upload_ = nullptr;
  GUI_ButtonText* continue_ = nullptr;
  bool showing_ = false;
  std::string verdict_;
  std::vector<Row> rows_;
  int fanfareSlot_ = -1;
  Timer timer_;
  std::vector<GUI_Message*> messages_;
};

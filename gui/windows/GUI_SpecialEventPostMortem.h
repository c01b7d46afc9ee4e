// The result of an attended special event: a full-screen page over the room with the event's
// name, its result text and a continue button, drawn by the in-game screen in place of the
// main scene while it is open. Modal.
#pragma once

#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class SIM_SpecialEvent;

class GUI_SpecialEventPostMortem : public GUI_Dialog {
 public:
  Rank GetRank() const override { return Rank::kEventReportPage; }
  // Closes an open result; a null event opens nothing.
  static void Open(SIM_SpecialEvent* event);
  static void Close();
  static GUI_SpecialEventPostMortem* Instance() { return instance; }
  static bool IsOpen() { return instance != nullptr; }
  static void DrawOpen();

  ~GUI_SpecialEventPostMortem() override;
  void Draw() override;

  SIM_SpecialEvent* Event() const { return event_; }
  GUI_ButtonText* ContinueButton() const { return continue_; }

 private:
  explicit GUI_SpecialEventPostMortem(SIM_SpecialEvent* event);

  static GUI_SpecialEventPostMortem* instance;
  SIM_SpecialEvent* event_;
  GUI_ButtonText* continue_ = nullptr;
};

// The royalty report: a small window, opened from a royalty item of the mail list, showing the
// work's title, the last cheque and the total paid so far. One at a time: opening another
// replaces it, and the day's change closes it. Not modal; it has a close button.
#pragma once

#include "gui/GUI_Dialog.h"

class SIM_RoyaltyStream;

class GUI_RoyaltyReport : public GUI_Dialog {
 public:
  static constexpr float kWidth = 400, kHeight = 160;
  static void Open(SIM_RoyaltyStream* stream);
  static void Close();
  static GUI_RoyaltyReport* Instance() { return instance; }
  ~GUI_RoyaltyReport() override;
  void Draw() override;
  SIM_RoyaltyStream* GetStream() const { return stream_; }

 private:
  explicit GUI_RoyaltyReport(SIM_RoyaltyStream* stream);
  SIM_RoyaltyStream* stream_;
  static GUI_RoyaltyReport* instance;
};

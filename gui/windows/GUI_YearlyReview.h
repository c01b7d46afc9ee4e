// The yearly review: at each year's end a full-screen page over the room shows, one after
// another to a fanfare, the title, a verdict on how the year was spent, the Tovel earned,
// three bars with the shares of social evenings, solo activities and evening classes, and
// the favourite activity; the continue button comes last, after six seconds. While it is
// open the in-game screen draws, updates and clicks it alone. Its continue clears the year's
// counters and lets the play time run again.
#pragma once

#include <string>

#include "engine/Timer.h"
#include "gui/GUI_WindowBase.h"
#include "sim/SIM_Statistics.h"

class GUI_ButtonText;

class GUI_YearlyReview : public GUI_WindowBase {
 public:
  Rank GetRank() const override { return Rank::kReviewPage; }
  static constexpr double kVerdictMs = 2000.0;
  static constexpr double kFiguresMs = 4000.0;
  static constexpr double kButtonMs = 6000.0;
  static constexpr uint32_t kBarColour = 0xEB067606u;
  static constexpr const char* kFanfare = "data/sounds/fanfare.ogg";

  // The one review, made on first use and kept for the program's life.
  static GUI_YearlyReview* Instance();
  // The heading the year's pages share, each part once its time has come: the title, the
  // verdict after kVerdictMs and the Tovel earned after kFiguresMs (the year's on the review,
  // the whole game's on the end-game screen).
  static void QueueHeading(const char* titleKey, const std::string& verdict, float earned,
                           double elapsed);

  // Opens the review of the year now ending.
  void Show();
  bool IsOpen() const { return active_; }
  // The continue button: the review goes, the year's counters start again from zero and the
  // play time and the music come back.
  void Close();
  // Goes without touching the game (a new or loaded game starts while it shows).
  void Dismiss();
  // How many times it has opened since the program started.
  int TimesShown() const { return timesShown_; }

  void Draw() override;
  void Update() override;
  bool OnClick(float x, float y) override;

  const std::string& GetVerdict() const { return verdict_; }
  const std::string& GetFavourite() const { return favourite_; }
  const SIM_YearShares& GetShares() const { return shares_; }
  GUI_ButtonText* ContinueButton() const { return continue_; }
  double ElapsedMs() const { return timer_.elapsed; }

 private:
  GUI_YearlyReview();
  void DrawShare(const std::string& label, float y, float share, float scale);

  GUI_ButtonText* continue_ = nullptr;
  bool active_ = false;
  std::string verdict_;
  std::string socialisingLabel_, aloneLabel_, classesLabel_;
  std::string favourite_;
  int fanfareSlot_ = -1;
  Timer timer_;
  SIM_YearShares shares_;
  int timesShown_ = 0;
};

// The date panel of the main screen: today's day name, the month and year, the player's
// description and how many activities are left today (the last two rebuilt when they change). It lives for the run,
// built on first use; the in-game screen lays it out and registers it for every game.
//
// The simulation refreshes it after each day advance, so this header stays free of the
// renderer and the text engine: the kept texts live behind a pointer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/GUI_WindowBase.h"

class GdiTextList;

class GUI_Date : public GUI_WindowBase {
 public:
  static constexpr int kWidth = 207, kHeight = 35;

  // The panel's one instance (never null).
  static GUI_Date* Instance();
  ~GUI_Date() override;
  GUI_Date(const GUI_Date&) = delete;
  GUI_Date& operator=(const GUI_Date&) = delete;

  // Lays the panel out at the top-left corner, registers it (once) and rebuilds its texts.
  void SetUp();
  // Rebuilds the day name and the month and year from today's date.
  void Refresh();
  // The dark veils under its texts (the texts come with the other panels' texts).
  void Draw() override;
  // Both lists, inside the panel-text drawing: the day and month texts and the status texts
  // (the description, the activities left), rebuilt only when one of them or the screen's
  // size has changed since the last frame.
  void DrawTexts();
  // How often the status texts were rebuilt (the panel lives for the run).
  int StatusRebuilds() const { return statusRebuilds_; }

  const GdiTextList& Texts() const { return *texts_; }
  const GdiTextList& StatusTexts() const { return *status_; }
  // The text of the activities left today.
  static std::string ActivitiesLeftText();

 private:
  GUI_Date();
  void LoadNames();
  void RebuildStatusTexts();

  std::vector<std::string> dayNames_;
  bool namesLoaded_ = false;
  std::unique_ptr<GdiTextList> texts_;
  std::unique_ptr<GdiTextList> status_;
  // What the status texts were last built from.
  std::string builtDescription_, builtActs_;
  int builtWidth_ = -1, builtHeight_ = -1;
  int statusRebuilds_ = 0;
};

// The mind state: the player's shown attributes as a stack of value bars at the right edge of
// the main screen, under the name tab "You". One per game, set up when a game starts; a click
// on a bar opens that attribute's details.
//
// Its texts (the tab's title and the bars' labels) are kept in a list of its own and drawn
// with the other panels' texts once per frame (DrawTexts), under the dialogs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/GUI_WindowBase.h"

class GdiTextList;
class GUI_Indicator;

class GUI_MindState : public GUI_WindowBase {
 public:
  static constexpr int kBarWidth = 130;
  static constexpr int kBarHeight = 24;
  static constexpr int kWidth = 149;
  // 20 px more space follows the 6th and the 13th bar.
  static constexpr int kGroupGap = 20;

  // The mind state of the running game, or null.
  static GUI_MindState* Instance();
  // For a new or loaded game: replaces any earlier mind state by one with a bar for each
  // shown attribute of the player.
  static GUI_MindState* SetUp();
  ~GUI_MindState() override;

  // Deletes the bars and builds them again from the player's attributes, and the layout.
  void Rebuild();
  void Update() override;
  void Draw() override;
  // Offers the click to each bar in turn; true when one took it.
  bool OnClick(float x, float y) override;

  // The bar of the attribute of that name; null, with a warning, when none shows it.
  GUI_Indicator* FindIndicator(const std::string& name) const;
  const std::vector<std::unique_ptr<GUI_Indicator>>& Indicators() const { return bars_; }
  const std::string& GetTitle() const { return title_; }
  const GdiTextList& Texts() const { return *texts_; }

  // Draws the mind state's texts on the open text drawing (the panels' text bracket); nothing
  // when there is no mind state.
  static void DrawTexts();

 private:
  GUI_MindState();

  std::vector<std::unique_ptr<GUI_Indicator>> bars_;
  std::string title_;
  std::unique_ptr<GdiTextList> texts_;
};

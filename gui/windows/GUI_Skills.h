// The main screen's panel in the bottom-left corner that lists the player's skills as value
// bars, ten to a column: up to three columns, or five when the player expands it with its
// arrow (which shows only when there are more than 30 skills). One per game, set up when a
// game starts, rebuilt whenever the player's values change.
//
// Its texts (the name tab's title and the bars' labels) are kept in a list of its own and
// drawn with the other panels' texts once per frame (DrawTexts), under the dialogs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/GUI_WindowBase.h"

class GdiTextList;
class GUI_IconButton;
class GUI_Indicator;

class GUI_Skills : public GUI_WindowBase {
 public:
  static constexpr int kColumnWidth = 140;
  static constexpr int kRowHeight = 24;
  static constexpr int kRowsPerColumn = 10;

  // The panel of the running game, or null.
  static GUI_Skills* Instance();
  // For a new or loaded game: replaces any earlier panel, laid out for the player's skills.
  static GUI_Skills* SetUp();
  // Rebuilds the open panel's rows; nothing without one.
  static void Refresh();
  // Draws the panel's texts on the open text drawing; nothing without a panel.
  static void DrawTexts();
  ~GUI_Skills() override;

  void Rebuild();
  void Update() override;
  void Draw() override;
  // The arrow first, then each row in turn; true when one took it.
  bool OnClick(float x, float y) override;

  bool IsExpanded() const { return expanded_; }
  void SetExpanded(bool expanded) { expanded_ = expanded; }
  GUI_IconButton* Arrow() const { return arrow_; }
  const std::vector<std::unique_ptr<GUI_Indicator>>& Rows() const { return rows_; }
  const GdiTextList& Texts() const { return *texts_; }
  const std::string& GetTitle() const { return title_; }

 private:
  GUI_Skills();

  std::vector<std::unique_ptr<GUI_Indicator>> rows_;
  std::unique_ptr<GdiTextList> texts_;
  std::string title_;
  bool expanded_ = false;
  GUI_IconButton* arrow_ = nullptr;
};

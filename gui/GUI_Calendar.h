// The week calendar of the main screen: seven day cells from today, each with its day's
// abbreviation above it, a check box, a note when something is planned that day (its first
// entry as the tooltip) and, under today's cell, a pointer. It lives for the run, built on
// first use; the in-game screen lays it out and registers it for every game.
//
// The simulation's event calendar refreshes it when its entries change, so this header stays
// free of the renderer and the text engine: the kept labels live behind a pointer.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "gui/GUI_WindowBase.h"

class GdiTextList;
class GUI_Tooltip;

// One day of the week calendar, `offset` days from today.
class GUI_CalendarDay : public GUI_WindowBase {
 public:
  static constexpr int kSize = 36;

  explicit GUI_CalendarDay(int offset);
  ~GUI_CalendarDay() override;

  // The abbreviation of its day and, when the day has entries, the first one as the tooltip.
  void Refresh();
  void Draw() override;
  // The tooltip shows while the mouse rests on a day that has entries.
  void Update() override;

  int GetOffset() const { return offset_; }
  const std::string& GetAbbreviation() const { return abbreviation_; }
  bool HasEvents() const { return hasEvents_; }
  GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }

 private:
  int offset_ = 0;
  std::string abbreviation_;
  bool hasEvents_ = false;
  std::unique_ptr<GUI_Tooltip> tooltip_;
};

class GUI_Calendar : public GUI_WindowBase {
 public:
  static constexpr int kDays = 7;

  // The panel's one instance (never null).
  static GUI_Calendar* Instance();
  ~GUI_Calendar() override;
  GUI_Calendar(const GUI_Calendar&) = delete;
  GUI_Calendar& operator=(const GUI_Calendar&) = delete;

  // Places the cells for the screen's width, registers the panel (once) and refreshes it.
  void SetUp();
  // Refreshes every cell and rebuilds the day labels.
  void Refresh();
  // A dark veil under the labels, then the cells.
  void Draw() override;
  // The day labels, inside the panel-text drawing.
  void DrawTexts();

  GUI_CalendarDay* Day(int i) const { return days_[static_cast<size_t>(i)]; }
  const GdiTextList& Labels() const { return *labels_; }
  // 1 where the week has its full size; less on screens too narrow for it.
  float GetScale() const { return scale_; }
  int LabelSize() const;

 private:
  GUI_Calendar();
  void Layout();

  std::array<GUI_CalendarDay*, kDays> days_{};
  std::unique_ptr<GdiTextList> labels_;
  float scale_ = 1.0f;
};

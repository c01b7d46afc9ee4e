// GUI_YearlyReview placeholder.
#include "gui/windows/GUI_YearlyReview.h"

#include "engine/CallTrace.h"

GUI_YearlyReview* GUI_YearlyReview::Instance() {
  static GUI_YearlyReview panel;
  return &panel;
}

void GUI_YearlyReview::Show() {
  TraceCall("GUI_YearlyReview::Show");
  open_ = true;
  ++timesShown_;
}

// STAND-IN: the yearly review.
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

void GUI_YearlyReview::Draw() { TraceCall("GUI_YearlyReview::Draw"); }

void GUI_YearlyReview::Update() { TraceCall("GUI_YearlyReview::Update"); }

void GUI_YearlyReview::OnClick(float /*x*/, float /*y*/) { TraceCall("GUI_YearlyReview::OnClick"); }

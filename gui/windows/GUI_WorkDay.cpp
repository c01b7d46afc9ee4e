// GUI_WorkDay stand-in.
#include "gui/windows/GUI_WorkDay.h"

#include <string>

#include "engine/CallTrace.h"
#include "sim/SIM_SIM.h"

GUI_WorkDay* GUI_WorkDay::Instance() {
  static GUI_WorkDay window;
  return &window;
}

void GUI_WorkDay::AddLine(int kind, int value) {
  TraceCall("GUI_WorkDay::AddLine " + std::to_string(kind) + " " + std::to_string(value));
}

void GUI_WorkDay::Show() {
  TraceCall("GUI_WorkDay::Show");
  open_ = true;
}

void GUI_WorkDay::Close() {
  if (!open_) return;
  open_ = false;
  SIM_SIM::Instance().SetPhase(1);
}

void GUI_WorkDay::Draw() { TraceCall("GUI_WorkDay::Draw"); }

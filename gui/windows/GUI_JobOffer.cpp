// STAND-IN: the job-offer dialog.
#include "gui/windows/GUI_JobOffer.h"

#include "engine/CallTrace.h"
#include "gui/GUI_Email.h"

namespace {
bool g_open = false;
GUI_Email* g_item = nullptr;
}  // namespace

void GUI_JobOffer::Open(SIM_JobOffer*, GUI_Email* item) {
  TraceCall("GUI_JobOffer::Open");
  Close();
  g_open = true;
  g_item = item;
  if (item) item->SetHolder([] { GUI_JobOffer::Close(); });
}

void GUI_JobOffer::Close() {
  if (!g_open) return;
  TraceCall("GUI_JobOffer::Close");
  if (g_item) g_item->SetHolder(nullptr);
  g_item = nullptr;
  g_open = false;
}

bool GUI_JobOffer::IsOpen() { return g_open; }

GUI_Email* GUI_JobOffer::HeldItem() { return g_item; }

void GUI_JobOffer::Answer() {
  if (!g_open) return;
  TraceCall("GUI_JobOffer::Answer");
  GUI_Email* item = g_item;
  Close();
  delete item;
}

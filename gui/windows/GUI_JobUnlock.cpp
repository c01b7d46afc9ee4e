// STAND-IN: the job-unlock dialog.
#include "gui/windows/GUI_JobUnlock.h"

#include "engine/CallTrace.h"
#include "gui/GUI_Email.h"

namespace {
bool g_open = false;
GUI_Email* g_item = nullptr;
}  // namespace

void GUI_JobUnlock::Open(SIM_NPC*, GUI_Email* item) {
  TraceCall("GUI_JobUnlock::Open");
  Close();
  g_open = true;
  g_item = item;
  if (item) item->SetHolder([] { GUI_JobUnlock::Close(); });
}

void GUI_JobUnlock::Close() {
  if (!g_open) return;
  TraceCall("GUI_JobUnlock::Close");
  if (g_item) g_item->SetHolder(nullptr);
  g_item = nullptr;
  g_open = false;
}

bool GUI_JobUnlock::IsOpen() { return g_open; }

GUI_Email* GUI_JobUnlock::HeldItem() { return g_item; }

void GUI_JobUnlock::Answer() {
  if (!g_open) return;
  TraceCall("GUI_JobUnlock::Answer");
  GUI_Email* item = g_item;
  Close();
  delete item;
}

// Tab page.
#include "gui/GUI_WindowTab.h"

#include "engine/DebugLog.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_TabContainer.h"

void GUI_WindowTab::SetContainer(GUI_TabContainer* c) {
  ReportAssertion(c != nullptr, "GUI_WindowTab", 39);
  container = c;
}

void GUI_WindowTab::Select() {
  if (container) container->SelectTab(this);
}

void GUI_WindowTab::Draw() {
  if (!selected) return;
  DrawFrameById(static_cast<float>(rect.left), static_cast<float>(rect.top),
                static_cast<float>(rect.right), static_cast<float>(rect.bottom), 5, 20, 1.0f);
  DrawButtons();
}

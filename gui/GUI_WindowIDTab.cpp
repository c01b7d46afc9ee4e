// Window name tabs.
#include "gui/GUI_WindowIDTab.h"

#include "engine/DebugLog.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_WindowBase.h"

GUI_Rect WindowIdTabRect(const std::string& title, const GUI_BaseElement& window) {
  const GUI_Rect& r = window.GetRect();
  const int w = 16 * static_cast<int>(title.size());
  const int mid = (r.left + r.right) / 2;
  return {mid - w / 2, r.top - 20, mid - w / 2 + w, r.top + 34};
}

void DrawWindowIdTab(const std::string& title, GUI_WindowBase* window) {
  ReportAssertion(window != nullptr, "GUI_WindowIDTab", 10);
  if (!window) return;
  const GUI_Rect tab = WindowIdTabRect(title, *window);
  DrawFrameById(static_cast<float>(tab.left), static_cast<float>(tab.top),
                static_cast<float>(tab.right), static_cast<float>(tab.bottom), 2, 16, 1.0f);
}

// Tabbed pages: the container owns its pages, draws the selected one over its own rectangle
// and hands clicks to it. The owner makes one GUI_ButtonTab per page.
#pragma once

#include <vector>

#include "gui/GUI_WindowBase.h"

class GUI_WindowTab;

class GUI_TabContainer : public GUI_WindowBase {
 public:
  GUI_TabContainer() = default;
  ~GUI_TabContainer() override;

  void Draw() override;
  bool HitTest(float x, float y) const override;
  bool OnClick(float x, float y) override;

  void AddTab(GUI_WindowTab* page);
  void SelectTab(GUI_WindowTab* page);
  void SelectTabByIndex(int index);
  void DeletePages();
  const std::vector<GUI_WindowTab*>& Pages() const { return pages; }
  GUI_WindowTab* SelectedPage() const;

 private:
  std::vector<GUI_WindowTab*> pages;
};

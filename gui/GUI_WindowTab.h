// One page of a tab container: drawn on the light background only while selected.
#pragma once

#include "gui/GUI_WindowBase.h"

class GUI_TabContainer;

class GUI_WindowTab : public GUI_WindowBase {
 public:
  GUI_WindowTab() = default;

  void Draw() override;
  // Asks its container to select this page; nothing without a container.
  virtual void Select();

  bool IsSelected() const { return selected; }
  void SetSelected(bool s) { selected = s; }
  int GetIndex() const { return index; }
  void SetIndex(int i) { index = i; }
  void SetContainer(GUI_TabContainer* container);
  GUI_TabContainer* GetContainer() const { return container; }

 private:
  bool selected = false;
  int index = 0;
  GUI_TabContainer* container = nullptr;
};

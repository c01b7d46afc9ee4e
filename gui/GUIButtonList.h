// An element that owns an ordered list of buttons and runs the three passes every container
// runs over them each frame: hover update, draw, click (the first button to take a click
// ends the search). Windows and the front-end menus are built on it.
#pragma once

#include <vector>

#include "gui/GUI_BaseElement.h"

class GUI_ButtonBase;

class GUIButtonList : public GUI_BaseElement {
 public:
  GUIButtonList() = default;
  ~GUIButtonList() override;
  GUIButtonList(const GUIButtonList&) = delete;
  GUIButtonList& operator=(const GUIButtonList&) = delete;

  // Takes ownership. A null button is reported and left out, so no pass ever meets it.
  virtual void AddButton(GUI_ButtonBase* button);
  // Hover update of every button.
  virtual void Update();

  // Unlinks every entry of that button without deleting it; ownership returns to the caller.
  void RemoveButton(GUI_ButtonBase* button);
  void DrawButtons();
  // Offers the mouse position to each button in order; true at the first that takes it.
  bool ClickButtons();
  void ClearButtons();
  void ResetButtonHover();

  const std::vector<GUI_ButtonBase*>& Buttons() const { return buttons; }

 protected:
  std::vector<GUI_ButtonBase*> buttons;
};

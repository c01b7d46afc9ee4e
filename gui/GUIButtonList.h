// An element that owns a list of buttons; the menus are built on it. Buttons arrive with the
// GUI toolkit; until then the list draws, hovers and clicks nothing.
#pragma once

class GUIButtonList {
 public:
  GUIButtonList() = default;
  virtual ~GUIButtonList() = default;
  GUIButtonList(const GUIButtonList&) = delete;
  GUIButtonList& operator=(const GUIButtonList&) = delete;

  virtual void Draw() {}
  // Hover update of every button.
  virtual void Update() {}
  // Offers a left click to the buttons; true when one took it.
  virtual bool OnClick() { return false; }
};

// Check button.
#include "gui/GUI_CheckButton.h"

#include "gui/GUI_Services.h"
#include "gui/GUI_Tutorial.h"

GUI_CheckButton::GUI_CheckButton(const std::string& label, GUI_ButtonCallback cb, void* arg)
    : GUI_ButtonBase(cb, arg), label_(label.substr(0, kMaxLabel)) {
  box_.SetTexture("gui_checkbox.dds");
  tick_.SetTexture("gui_checkbox_checked.dds");
  for (CTexturedSprite* s : {&box_, &tick_}) {
    s->width = 26;
    s->height = 26;
  }
}

void GUI_CheckButton::PlaceBox() {
  const float x = static_cast<float>(rect.left) + 13.0f, y = static_cast<float>(rect.top) + 13.0f;
  box_.SetPosition(x, y);
  tick_.SetPosition(x, y);
}

void GUI_CheckButton::Draw() {
  PlaceBox();
  box_.Draw();
  if (checked) tick_.Draw();
  GUI_Services::DrawTextNow(static_cast<float>(rect.left + 39), static_cast<float>(rect.top + 7),
                            label_, "tahoma bold", 18, 255, 255, 255);
  GUI_ButtonBase::Draw();
}

bool GUI_CheckButton::OnClick(float x, float y) {
  // As every button: a hidden or disabled box, or one the tutorial holds back, takes no click
  // and keeps its state.
  if (!visible || !enabled || !GUI_Tutorial::IsAllowed(this)) return false;
  PlaceBox();
  if (!box_.ContainsPoint(x, y)) return false;
  checked = !checked;
  Activate();
  return true;
}

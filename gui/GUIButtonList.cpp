// The button list's passes.
#include "gui/GUIButtonList.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"

GUIButtonList::~GUIButtonList() { ClearButtons(); }

void GUIButtonList::AddButton(GUI_ButtonBase* button) {
  ReportAssertion(button != nullptr, "GUIButtonsList", 31);
  if (button) buttons.push_back(button);
}

void GUIButtonList::RemoveButton(GUI_ButtonBase* button) {
  ReportAssertion(button != nullptr, "GUIButtonsList", 23);
  buttons.erase(std::remove(buttons.begin(), buttons.end(), button), buttons.end());
}

void GUIButtonList::Update() {
  for (GUI_ButtonBase* button : buttons) button->UpdateHover();
}

void GUIButtonList::DrawButtons() {
  for (GUI_ButtonBase* button : buttons)
    if (button->IsVisible()) button->Draw();
}

bool GUIButtonList::ClickButtons() {
  // A callback may delete this list (a close button deletes its window): the search ends
  // at the button that took the click, before the list is touched again, and the memory
  // stays valid until the outermost dispatch has returned.
  GUI_WindowManager::DispatchGuard guard;
  const float x = GUI_Services::MouseX(), y = GUI_Services::MouseY();
  // A hidden button takes no click: it may lie under a shown one (the job search's filter box
  // under its apply button).
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i]->IsVisible() && buttons[i]->OnClick(x, y)) return true;
  return false;
}

void GUIButtonList::ClearButtons() {
  // Deleting a button may run code that looks at the list: detach it first.
  std::vector<GUI_ButtonBase*> doomed;
  doomed.swap(buttons);
  for (GUI_ButtonBase* button : doomed) delete button;
}

void GUIButtonList::ResetButtonHover() {
  for (GUI_ButtonBase* button : buttons) button->SetHover(0);
}

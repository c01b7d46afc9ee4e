// Window base.
#include "gui/GUI_WindowBase.h"

#include <algorithm>
#include <cmath>

#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"

GUI_WindowBase::GUI_WindowBase() = default;

GUI_WindowBase::~GUI_WindowBase() {
  GUI_WindowManager& manager = GUI_WindowManager::Instance();
  if (registered) manager.Remove(this);
  if (parent) parent->RemoveChild(this);
  DeleteChildren();
  if (modal) manager.RemoveModal(this);
  // A window deleted in the middle of its own drag must not stay in the cursor's slot.
  if (GUI_Cursor::Instance().GetDragged() == this) GUI_Cursor::Instance().SetDragged(nullptr);
  // A window never keeps the keyboard after it is gone.
  GUI_GUI::Instance().ReleaseKeyCapture(this);
  // The buttons go with the button list.
}

void* GUI_WindowBase::operator new(std::size_t size) { return ::operator new(size); }

void GUI_WindowBase::operator delete(void* p) { GUI_WindowManager::FreeLater(p); }

void GUI_WindowBase::SetKeyAnswers(GUI_ButtonBase* onReturn, GUI_ButtonBase* onEscape) {
  returnAnswer = onReturn;
  escapeAnswer = onEscape;
}

bool GUI_WindowBase::AnswerKey(int key) {
  constexpr int kEscape = 1, kReturn = 28;
  GUI_ButtonBase* answer = key == kReturn ? returnAnswer : key == kEscape ? escapeAnswer : nullptr;
  if (!answer || !visible) return false;
  // As a click on it would: the answer may delete this window.
  if (answer->IsVisible() && answer->IsEnabled()) answer->Activate();
  return true;
}

void GUI_WindowBase::Open() {
  GUI_WindowManager& manager = GUI_WindowManager::Instance();
  if (registered) manager.Remove(this);
  manager.Add(this);
  registered = true;
}

void GUI_WindowBase::Close() {
  if (!registered) return;
  GUI_WindowManager::Instance().Remove(this);
  registered = false;
}

void GUI_WindowBase::MakeModal() {
  GUI_WindowManager::Instance().AddModal(this);
  modal = true;
}

void GUI_WindowBase::AddButton(GUI_ButtonBase* button) {
  GUIButtonList::AddButton(button);
  if (button) button->SetOwner(this);
}

void GUI_WindowBase::AddChild(GUI_WindowBase* child) {
  if (!child || child == this) return;
  if (child->parent) child->parent->RemoveChild(child);
  children.push_back(child);
  child->parent = this;
}

void GUI_WindowBase::RemoveChild(GUI_WindowBase* child) {
  children.erase(std::remove(children.begin(), children.end(), child), children.end());
  if (child && child->parent == this) child->parent = nullptr;
}

void GUI_WindowBase::DeleteChildren() {
  while (!children.empty()) {
    GUI_WindowBase* child = children.front();
    delete child;  // its destructor unlinks it
    // A child that failed to unlink would loop forever: make sure it is gone.
    if (!children.empty() && children.front() == child) children.erase(children.begin());
  }
}

void GUI_WindowBase::DrawChildren() {
  const std::vector<GUI_WindowBase*> order = children;
  for (GUI_WindowBase* child : order) child->Draw();
}

void GUI_WindowBase::Draw() {
  if (visible) DrawButtons();
}

void GUI_WindowBase::DragStep() {
  GUI_Cursor& cursor = GUI_Cursor::Instance();
  const float mx = GUI_Services::MouseX(), my = GUI_Services::MouseY();
  if (dragging) {
    if (!GUI_Services::LeftHeld()) {
      dragging = false;
      if (cursor.GetDragged() == this) cursor.SetDragged(nullptr);
      return;
    }
    rect.left = static_cast<int>(std::trunc(mx - dragOffsetX));
    rect.top = static_cast<int>(std::trunc(my - dragOffsetY));
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    return;
  }
  if (GUI_Services::LeftHeld() && HitTest(mx, my) && cursor.GetDragged() == nullptr) {
    dragging = true;
    cursor.SetDragged(this);
    dragOffsetX = mx - static_cast<float>(rect.left);
    dragOffsetY = my - static_cast<float>(rect.top);
  }
}

void GUI_WindowBase::Update() {
  mouseFree = false;
  if (!visible) return;
  // Windows are updated from the top down: a window above that holds the mouse has taken it.
  mouseFree = !GUI_Services::IsMouseTaken();
  GUI_WindowManager::DispatchGuard guard;
  if (draggable) DragStep();
  const std::vector<GUI_WindowBase*> order = children;
  for (GUI_WindowBase* child : order)
    if (std::find(children.begin(), children.end(), child) != children.end()) child->Update();
  GUIButtonList::Update();
  if (blocksMouse && IsMouseOver()) GUI_Services::SetMouseTaken();
}

bool GUI_WindowBase::OnClick(float x, float y) {
  if (!visible) return false;
  GUI_WindowManager::DispatchGuard guard;
  const std::vector<GUI_WindowBase*> order = children;
  for (GUI_WindowBase* child : order) {
    if (std::find(children.begin(), children.end(), child) == children.end()) continue;
    if (child->OnClick(x, y)) return true;
  }
  if (HitTest(x, y)) {
    GUI_WindowManager::Instance().BringToFront(this);
    if (ClickButtons()) return true;
    return true;  // a click inside a visible window is always taken
  }
  return ClickButtons();  // buttons may stand outside the frame, as tabs do
}

bool GUI_WindowBase::IsMouseOver() const {
  return HitTest(GUI_Services::MouseX(), GUI_Services::MouseY());
}

void GUI_WindowBase::DrawText(const char* /*text*/, float /*x*/, float /*y*/, unsigned /*argb*/) {}

// Tab container.
#include "gui/GUI_TabContainer.h"

#include "engine/DebugLog.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_WindowTab.h"

GUI_TabContainer::~GUI_TabContainer() { DeletePages(); }

void GUI_TabContainer::AddTab(GUI_WindowTab* page) {
  if (!page) {
    ReportAssertion(false, "GUI_WindowTab", 39);
    return;
  }
  page->SetRect(static_cast<float>(rect.left), static_cast<float>(rect.top),
                static_cast<float>(rect.right), static_cast<float>(rect.bottom));
  page->SetContainer(this);
  page->SetIndex(static_cast<int>(pages.size()));
  pages.push_back(page);
}

void GUI_TabContainer::SelectTab(GUI_WindowTab* page) {
  ReportAssertion(page != nullptr, "GUI_TabContainer", 118);
  for (GUI_WindowTab* p : pages) p->SetSelected(p == page);
}

void GUI_TabContainer::SelectTabByIndex(int index) {
  for (GUI_WindowTab* p : pages) p->SetSelected(p->GetIndex() == index);
}

GUI_WindowTab* GUI_TabContainer::SelectedPage() const {
  for (GUI_WindowTab* p : pages)
    if (p->IsSelected()) return p;
  return nullptr;
}

void GUI_TabContainer::Draw() {
  for (GUI_WindowTab* p : pages) {
    if (!p->IsSelected()) continue;
    p->SetRect(static_cast<float>(rect.left), static_cast<float>(rect.top),
               static_cast<float>(rect.right), static_cast<float>(rect.bottom));
    p->Draw();
  }
  DrawButtons();
}

bool GUI_TabContainer::HitTest(float x, float y) const {
  for (const GUI_ButtonBase* b : buttons)
    if (b->HitTest(x, y)) return true;
  for (const GUI_WindowTab* p : pages)
    if (p->HitTest(x, y)) return true;
  return false;
}

bool GUI_TabContainer::OnClick(float x, float y) {
  GUI_WindowTab* page = SelectedPage();
  return page ? page->OnClick(x, y) : false;
}

void GUI_TabContainer::DeletePages() {
  ClearButtons();
  std::vector<GUI_WindowTab*> doomed;
  doomed.swap(pages);
  for (GUI_WindowTab* p : doomed) delete p;
}

// Tab button.
#include "gui/GUI_ButtonTab.h"

#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowTab.h"

GUI_ButtonTab::GUI_ButtonTab(const std::string& label, GUI_WindowTab* page)
    : GUI_ButtonText(label, nullptr, nullptr), page_(page) {}

void GUI_ButtonTab::Draw() {
  const bool selected = page_ && page_->IsSelected();
  DrawTabFrame(static_cast<float>(rect.left), static_cast<float>(rect.top),
               static_cast<float>(rect.right), static_cast<float>(rect.bottom), selected ? 5 : 1,
               20, upsideDown_);
  GUI_Services::QueueText(static_cast<float>(rect.left),
                          static_cast<float>(rect.top + height / 2) - 7.0f, label, "tahoma bold",
                          16, width, 1, 224, 224, 224);
  GUI_ButtonBase::Draw();
}

void GUI_ButtonTab::Activate() {
  GUI_Services::PlayClick();
  if (page_) page_->Select();
}

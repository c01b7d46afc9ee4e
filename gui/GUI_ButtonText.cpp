// Text button.
#include "gui/GUI_ButtonText.h"

#include <utility>

#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"

GUI_ButtonText::GUI_ButtonText(const std::string& text, GUI_ButtonCallback cb, void* arg)
    : GUI_ButtonBase(cb, arg) {
  SetText(text);
}

namespace {
GUI_ButtonText::DrawnObserver& Observer() {
  static GUI_ButtonText::DrawnObserver observer;
  return observer;
}
}  // namespace

void GUI_ButtonText::SetDrawnObserver(DrawnObserver observer) { Observer() = std::move(observer); }

void GUI_ButtonText::SetText(const std::string& text) { label = text.substr(0, kMaxLabel); }

void GUI_ButtonText::Draw() {
  const auto l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const auto r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  if (!enabled) {
    DrawFrameByFile(l, t, r, b, frameTexture.c_str(), 9, 0.5f);
  } else if (hover == 0) {
    DrawFrameByFile(l, t, r, b, frameTexture.c_str(), 9, 1.0f);
  } else if (hover == 1) {
    DrawFrameByFile(l, t, r, b, highlightTexture.c_str(), 9, 1.0f);
  }
  const int grey = enabled ? 255 : 200;
  GUI_Services::QueueText(l, t + static_cast<float>(height / 2) - 8.0f, label, "tahoma bold", 16,
                          width, 1, grey, grey, grey);
  if (Observer()) Observer()(*this);
  GUI_ButtonBase::Draw();
}

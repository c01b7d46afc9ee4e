// The help pop-up.
#include "gui/GUI_HelpWindow.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"

namespace {
GUI_HelpWindow* g_helpWindow = nullptr;
constexpr int kSize = 300;
}  // namespace

GUI_HelpWindow* GUI_HelpWindow::Current() { return g_helpWindow; }

void ShowHelpPopup(const char* key, float x, float y) {
  delete g_helpWindow;  // its destructor clears the pointer
  new GUI_HelpWindow(key ? key : "", x, y);
}

GUI_HelpWindow::GUI_HelpWindow(const char* key, float x, float y) : text(Translate(key)) {
  const D3DEngine& engine = D3DEngine::Instance();
  const float w = static_cast<float>(engine.GetWidth());
  const float h = static_cast<float>(engine.GetHeight());
  float left = x >= w / 2 ? x - 320 : x + 20;
  float top = y >= h / 2 ? y - 120 : y + 20;
  left = std::min(std::max(left, 0.0f), w - kSize);
  top = std::min(std::max(top, 0.0f), h - kSize);
  SetRect(left, top, left + kSize, top + kSize);
  closeButton = new GUI_CloseButton();
  closeButton->SetRect(static_cast<float>(rect.right - 30), static_cast<float>(rect.top + 10),
                       static_cast<float>(rect.right - 10), static_cast<float>(rect.top + 30));
  AddButton(closeButton);
  SetKeyAnswers(closeButton, closeButton);
  Open();
  MakeModal();
  g_helpWindow = this;
}

GUI_HelpWindow::~GUI_HelpWindow() {
  if (g_helpWindow == this) g_helpWindow = nullptr;
}

void GUI_HelpWindow::Draw() {
  if (!visible) return;
  if (!laidOut) {
    const int height = GUI_Services::MeasureHeight("tahoma", 14, text, width - 40);
    SetRect(static_cast<float>(rect.left), static_cast<float>(rect.top),
            static_cast<float>(rect.right), static_cast<float>(rect.top + 50 + height));
    laidOut = true;
  }
  DrawFrameByFile(static_cast<float>(rect.left), static_cast<float>(rect.top),
                  static_cast<float>(rect.right), static_cast<float>(rect.bottom), "window_help.dds",
                  20, 1.0f);
  DrawButtons();
  // Drawn at once over the frame, so later windows cover it.
  GUI_Services::QueueText(static_cast<float>(rect.left + 20), static_cast<float>(rect.top + 30),
                          text, "tahoma", 14, width - 40, 0, 255, 255, 255);
  GUI_Services::FlushText();
}

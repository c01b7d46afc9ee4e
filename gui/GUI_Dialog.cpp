// Dialog.
#include "gui/GUI_Dialog.h"

#include <cmath>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_HelpButton.h"
#include "gui/GUI_Services.h"

GUI_Dialog::GUI_Dialog(bool withCloseButton) {
  if (withCloseButton) {
    closeButton = new GUI_CloseButton();
    AddButton(closeButton);
  }
  Open();
}

GUI_Dialog::~GUI_Dialog() = default;

void GUI_Dialog::SetTitle(const std::string& text) { title = text.substr(0, kMaxTitle); }

void GUI_Dialog::AddHelpButton(const std::string& key) {
  auto* help = new GUI_HelpButton(key);
  help->SetRect(static_cast<float>(rect.right - 63), static_cast<float>(rect.top + 10),
                static_cast<float>(rect.right - 39), static_cast<float>(rect.top + 34));
  AddButton(help);
}

void GUI_Dialog::UpdateClientRect() {
  auto t = [](float v) { return static_cast<int>(std::trunc(v)); };
  clientRect = {t(static_cast<float>(rect.left) + sideMargin), t(static_cast<float>(rect.top) + topMargin),
                t(static_cast<float>(rect.right) - sideMargin),
                t(static_cast<float>(rect.bottom) - bottomMargin)};
}

void GUI_Dialog::DrawDivider(float y) {
  D3DEngine::Instance().SetTextureByName("window_split.bmp");
  BaseSprite strip;
  strip.width = static_cast<float>(clientRect.right - clientRect.left - 10);
  strip.height = 4;
  strip.SetColourARGB(0xFFFFFFFFu);
  strip.SetPosition(static_cast<float>((rect.left + rect.right) / 2 + 1),
                    static_cast<float>(clientRect.top) + y);
  strip.DrawQuad();
}

void GUI_Dialog::Draw() {
  const auto l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const auto r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  if (closeButton) closeButton->SetRect(r - 34, t + 10, r - 10, t + 34);
  UpdateClientRect();
  DrawDropShadow(l, t, r, b, 30, 6);
  DrawFrameById(l, t, r, b, 0, 30, 1.0f);
  DrawFrameById(static_cast<float>(clientRect.left), static_cast<float>(clientRect.top),
                static_cast<float>(clientRect.right), static_cast<float>(clientRect.bottom), 5, 20,
                1.0f);
  DrawButtons();
  if (!title.empty())
    GUI_Services::QueueText(l, t + 10, title, "tahoma bold", 24, width, 1, 255, 255, 255);
}

// The intro screen.
#include "gui/GUI_MenuIntro.h"

#include "gui/GUI_Shell.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Translate.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tooltip.h"

namespace {
constexpr int kEscape = 1;
float g_speed = 1.0f;
void OnStart(void*) { Shell().StartNewGame(); }
}  // namespace

void GUI_MenuIntro::SetSpeed(float speed) { g_speed = speed; }

GUI_MenuIntro& GUI_MenuIntro::Instance() {
  static GUI_MenuIntro menu;
  return menu;
}

GUI_MenuIntro::GUI_MenuIntro() {
  startButton = new GUI_ButtonText(Translate("MENU_INTROSTART"), OnStart, nullptr);
  startButton->SetTooltipKey("TOOLTIP_MENU_INTROSTART", 60);
  AddButton(startButton);
  avatarSprite.width = 170;
  avatarSprite.height = 512;
  avatarSprite.SetUV(0, 0, 0.333f, 1);
}

void GUI_MenuIntro::OnEnter() {
  // Placed at every visit: the display may have changed size since the last.
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  startButton->SetRect(w / 2 - 120, h - 40, w / 2 + 120, h - 15);
  timer.Start();
  budget = 0;
  startButton->SetVisible(false);
  startButton->SetEnabled(false);
  GUI_Backdrop::Instance().Load();
}

void GUI_MenuIntro::OnKeyDown(int scanCode) {
  if (ToggleWindowedOnAltReturn(scanCode)) return;
  if (scanCode == kEscape) Shell().SetMode(GAMEMODE_MAINMENU);
}

void GUI_MenuIntro::Draw() {
  D3DEngine& engine = D3DEngine::Instance();
  const auto w = static_cast<float>(engine.GetWidth());
  const auto h = static_cast<float>(engine.GetHeight());
  timer.Update();
  if (timer.elapsed > kStartDelayMs) {
    startButton->SetVisible(true);
    startButton->SetEnabled(true);
  }
  budget += 2.0f * g_speed;
  GUI_Backdrop::Instance().Draw();
  // The veil takes the whole text's size from the start, so it stays still while the text
  // types itself out over the room.
  const std::string text = Translate("INTRO_TEXT");
  const float textLeft = w / 2 - 300, textTop = h / 2 - 100;
  const int textHeight = GUI_Services::MeasureHeight("tahoma bold", 20, text, 600);
  DrawTextVeil(textLeft - kTextVeilBorder, textTop - kTextVeilBorder,
               textLeft + 600 + kTextVeilBorder,
               textTop + static_cast<float>(textHeight) + kTextVeilBorder);
  DrawButtons();
  engine.SetTextureByName(GUI_Avatar::Instance().GetTextureName().c_str());
  avatarSprite.SetColourARGB(0xFFFFFFFFu);
  avatarSprite.SetPosition(w - 128, h / 2);
  avatarSprite.DrawQuad();
  GUI_Services::QueueText(textLeft, textTop, text, "tahoma bold", 20, 600, 0, 255, 255, 255);
  FlushGdiText(static_cast<int>(budget));
  DrawTooltips();
  GUI_Cursor::Instance().Draw();
}

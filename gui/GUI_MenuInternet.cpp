// STAND-IN: the internet menu mode (its screen arrives with the front end).
#include "gui/GUI_MenuInternet.h"

#include "gui/GUI_Shell.h"
#include "engine/CallTrace.h"
#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tooltip.h"

namespace {
void GoToMainMenu(void*) { Shell().SetMode(GAMEMODE_MAINMENU); }
}  // namespace

GUI_MenuInternet& GUI_MenuInternet::Instance() {
  static GUI_MenuInternet menu;
  return menu;
}

GUI_MenuInternet::GUI_MenuInternet() {
  mainMenu_ = new GUI_ButtonText(Translate("MENU_MAINMENU"), GoToMainMenu, nullptr);
  mainMenu_->SetTooltipKey("TOOLTIP_MENU_MAINMENU", 60);
  AddButton(mainMenu_);
}

void GUI_MenuInternet::OnEnter() {
  TraceCall("GUI_MenuInternet::OnEnter");
  // Placed at every visit: the display may have changed size since the last.
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  mainMenu_->SetRect(w - 200, h - 65, w - 20, h - 40);
}

void GUI_MenuInternet::Draw() {
  const int w = D3DEngine::Instance().GetWidth();
  DrawMenuBackground();
  GUI_Services::QueueText(0.0f, 16.0f, Translate("INTERNET_TITLE"), "tahoma bold", 24, w, 1, 255,
                          255, 255);
  GUI_Services::QueueText(80.0f, 120.0f, Translate("INTERNET_UNAVAILABLE"), "tahoma bold", 18,
                          w - 160, 1, 255, 255, 255);
  DrawButtons();
  GUI_Services::FlushText();
  DrawTooltips();
  GUI_Cursor::Instance().Draw();
}

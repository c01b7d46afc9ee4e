// The main menu.
#include "gui/GUI_MenuMain.h"

#include "gui/GUI_Shell.h"
#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_ConfirmDialog.h"

namespace {

struct EntryDef {
  const char* label;
  const char* tooltip;
  GUI_ButtonCallback action;
};

void SetModeOf(int mode) { Shell().SetMode(mode); }

const EntryDef kEntryDefs[GUI_MenuMain::kEntries] = {
    {"MENU_TUTORIAL", "TOOLTIP_MENU_TUTORIAL",
     [](void*) {
       GUI_MenuMain::LeaveTheGameThen("CONFIRM_LEAVE_FOR_TUTORIAL_TITLE",
                                      "CONFIRM_LEAVE_FOR_TUTORIAL_TEXT",
                                      [](void*) { GUI_Tutorial::Load(); });
     }},
    {"MENU_STARTGAME", "TOOLTIP_MENU_STARTGAME",
     [](void*) {
       GUI_MenuMain::LeaveTheGameThen("CONFIRM_LEAVE_FOR_NEWGAME_TITLE",
                                      "CONFIRM_LEAVE_FOR_NEWGAME_TEXT",
                                      [](void*) { SetModeOf(GAMEMODE_NEWGAME); });
     }},
    {"MENU_OPTIONS", "TOOLTIP_MENU_OPTIONS", [](void*) { SetModeOf(GAMEMODE_OPTIONS); }},
    {"MENU_SAVEGAME", "TOOLTIP_MENU_SAVEGAME", [](void*) { SetModeOf(GAMEMODE_SAVE); }},
    {"MENU_LOADGAME", "TOOLTIP_MENU_LOADGAME", [](void*) { SetModeOf(GAMEMODE_LOAD); }},
    {"MENU_QUITGAME", "TOOLTIP_MENU_QUITGAME", [](void*) { GUI_MenuMain::AskQuit(); }},
    {"MENU_RESUMEGAME", "TOOLTIP_MENU_RESUMEGAME", [](void*) { SetModeOf(GAMEMODE_INGAME); }},
    {"MENU_INTERNET", "TOOLTIP_MENU_INTERNET", [](void*) { SetModeOf(GAMEMODE_INTERNET); }},
};


}  // namespace

GUI_MenuMain& GUI_MenuMain::Instance() {
  static GUI_MenuMain menu;
  return menu;
}

GUI_MenuMain::GUI_MenuMain() {
  for (int i = 0; i < kEntries; ++i) {
    auto* button = new GUI_ButtonText(Translate(kEntryDefs[i].label), kEntryDefs[i].action, nullptr);
    button->SetTooltipKey(kEntryDefs[i].tooltip, 60);
    buttons_[i] = button;
    AddButton(button);
  }
  Layout(static_cast<int>(g_screenHeight));
}

void GUI_MenuMain::Layout(int screenHeight) {
  screenHeight_ = screenHeight;
  const int top = screenHeight - kColumnLift;
  for (int i = 0; i < kEntries; ++i) {
    const float y = static_cast<float>(top + kRowStep * i);
    buttons_[i]->SetRect(kLeft, y, kRight, y + kButtonHeight);
  }
}

void GUI_MenuMain::RefreshButtons() {
  const bool inGame = Shell().IsInGame();
  for (Entry entry : {SAVEGAME, RESUMEGAME}) {
    buttons_[entry]->SetVisible(inGame);
    buttons_[entry]->SetEnabled(inGame);
  }
}

void GUI_MenuMain::Draw() {
  RefreshButtons();
  D3DEngine& engine = D3DEngine::Instance();
  engine.DrawFullScreenImage(kBackground);
  GUI_Services::QueueText(6.0f, static_cast<float>(screenHeight_ - 15), Shell().GetVersion(),
                          "tahoma", 14, 0, 0, 255, 255, 255);
  GUI_WindowManager::DispatchGuard guard;
  DrawButtons();
  GUI_Services::FlushText();
  if (GUI_ConfirmDialog* confirm = GUI_ConfirmDialog::Instance()) {
    confirm->Draw();
    GUI_WindowManager::WindowDrawn("GUI_ConfirmDialog");
  }
  DrawTooltips();
  GUI_Cursor::Instance().Draw();
}

void GUI_MenuMain::Update() {
  GUI_WindowManager::DispatchGuard guard;
  if (GUI_ConfirmDialog* confirm = GUI_ConfirmDialog::Instance())
    confirm->Update();
  else
    GUIButtonList::Update();
}

void GUI_MenuMain::OnLeftButtonDown() {
  GUI_WindowManager::DispatchGuard guard;
  if (GUI_ConfirmDialog* confirm = GUI_ConfirmDialog::Instance())
    confirm->OnClick(GUI_Services::MouseX(), GUI_Services::MouseY());
  else
    ClickButtons();
}

void GUI_MenuMain::OnKeyDown(int scanCode) {
  if (ToggleWindowedOnAltReturn(scanCode)) return;
  // An open question answers the key itself (Escape is its Cancel), as it takes the clicks:
  // Escape must not turn the tutorial's or a new game's question into the quit question.
  if (GUI_ConfirmDialog* confirm = GUI_ConfirmDialog::Instance()) {
    GUI_WindowManager::DispatchGuard guard;
    confirm->AnswerKey(scanCode);
    return;
  }
  if (scanCode == 1) AskQuit();
}

void GUI_MenuMain::AskQuit() {
  ShowConfirm(Translate("CONFIRM_APP_QUIT_TITLE"), Translate("CONFIRM_APP_QUIT_TEXT"),
              [](void*) { Shell().Quit(); });
}

void GUI_MenuMain::LeaveTheGameThen(const char* titleKey, const char* textKey,
                                    GUI_ButtonCallback action) {
  if (!Shell().IsInGame()) {
    action(nullptr);
    return;
  }
  // Not the in-game quit's question: the player is on the main menu already, and what the
  // answer does is start something new over the game that is still running.
  ShowConfirm(Translate(titleKey), Translate(textKey), action);
}

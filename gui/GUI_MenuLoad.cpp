// The load menu.
#include "gui/GUI_MenuLoad.h"

#include <algorithm>

#include "gui/GUI_Shell.h"
#include "engine/CTexturedSprite.h"
#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "gui/GUI_Tooltip.h"
#include "platform/Files.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Statistics.h"

namespace {

void GoToMainMenu(void*) { Shell().SetMode(GAMEMODE_MAINMENU); }
void Up(void*) { GUI_MenuLoad::Instance().PageUp(); }
void Down(void*) { GUI_MenuLoad::Instance().PageDown(); }

float ScreenW() { return static_cast<float>(D3DEngine::Instance().GetWidth()); }
float ScreenH() { return static_cast<float>(D3DEngine::Instance().GetHeight()); }

// A row's name keeps this far from its outline.
constexpr int kRowTextInset = 4;

void DrawBackground() {
  CTexturedSprite background;
  background.SetTexture("loadscreen.jpg");
  background.width = ScreenW();
  background.height = ScreenH();
  background.SetPosition(ScreenW() / 2.0f, ScreenH() / 2.0f);
  background.Draw();
}

}  // namespace

std::string SaveSlotShownName(const std::string& fileName) {
  return fileName.size() < 4 ? std::string() : fileName.substr(0, fileName.size() - 4);
}

void DrawSaveSlotRow(const GUI_Rect& r, const std::string& name, bool hovered) {
  D3DEngine& engine = D3DEngine::Instance();
  if (hovered && !name.empty()) engine.FillRect(r.left, r.top, r.right, r.bottom, 0x40FFFFFF);
  engine.DrawRectOutline(r.left, r.top, r.right, r.bottom, 0xB6FFFFFF);
  if (name.empty()) return;
  // A name wider than the row would run over the outline and the icons beside it.
  const int width = r.right - r.left;
  const std::string shown = FitTextToWidth("tahoma bold", 20, name, width - 2 * kRowTextInset);
  GUI_Services::QueueText(static_cast<float>(r.left), static_cast<float>(r.top + 3), shown,
                          "tahoma bold", 20, width, 1, 255, 255, 255);
}

// Draws the menu's title and help text, centred under each other on a veil as wide as the
// wider of the two.
void DrawMenuTitle(const char* titleKey, const char* helpKey) {
  const float s = ScreenW() / 1024.0f;
  const int wrap = static_cast<int>(ScreenW()) - 160;
  const std::string title = Translate(titleKey), help = Translate(helpKey);
  const int textWidth = std::min(wrap, std::max(GUI_Services::MeasureWidth("tahoma bold", 24, title),
                                                GUI_Services::MeasureWidth("tahoma bold", 18, help)));
  const float half = static_cast<float>(textWidth) / 2.0f + kTextVeilBorder + 8.0f;
  const float helpBottom =
      164.0f * s + static_cast<float>(GUI_Services::MeasureHeight("tahoma bold", 18, help, wrap));
  DrawTextVeil(ScreenW() / 2.0f - half, 64.0f * s - kTextVeilBorder, ScreenW() / 2.0f + half,
               helpBottom + kTextVeilBorder);
  GUI_Services::QueueText(80.0f, 64.0f * s, title, "tahoma bold", 24, wrap, 1, 255, 255, 255);
  GUI_Services::QueueText(80.0f, 164.0f * s, help, "tahoma bold", 18, wrap, 1, 255, 255, 255);
}

void DrawSaveListVeil(float bottom) {
  const float half = static_cast<float>(kSaveNameShownWidth) / 2.0f + kTextVeilBorder;
  DrawTextVeil(ScreenW() / 2.0f - half, ScreenH() / 2.0f - 150.0f - kTextVeilBorder,
               ScreenW() / 2.0f + half, bottom);
}

void DrawMenuBackground() { DrawBackground(); }

GUI_LoadGameSlot::GUI_LoadGameSlot(const std::string& fileName)
    : GUI_ButtonBase(nullptr, nullptr), name_(SaveSlotShownName(fileName)) {}

void GUI_LoadGameSlot::Draw() {
  DrawSaveSlotRow(rect, name_, HitTest(GUI_Services::MouseX(), GUI_Services::MouseY()));
}

void GUI_LoadGameSlot::Activate() {
  if (name_.empty()) return;
  GUI_Services::PlayClick();
  GUI_MenuLoad::Instance().RequestLoad(name_);
}

GUI_DeleteGameButton::GUI_DeleteGameButton(const std::string& fileName)
    : GUI_IconButton("delete.dds", nullptr, nullptr), fileName_(fileName) {
  SetTooltipKey("DELETESAVEGAME_TOOLTIP", 60);
}

void GUI_DeleteGameButton::Activate() {
  if (!enabled) return;
  GUI_Services::PlayClick();
  GUI_MenuLoad::Instance().RequestDelete(fileName_);
}

GUI_MenuLoad& GUI_MenuLoad::Instance() {
  static GUI_MenuLoad menu;
  return menu;
}

GUI_MenuLoad::GUI_MenuLoad() {
  mainMenu_ = new GUI_ButtonText(Translate("MENU_MAINMENU"), GoToMainMenu, nullptr);
  mainMenu_->SetTooltipKey("TOOLTIP_MENU_MAINMENU", 60);
  AddButton(mainMenu_);
  up_ = new GUI_IconButton("up.dds", Up, nullptr);
  up_->SetHighlightTexture("up_h.dds");
  AddButton(up_);
  down_ = new GUI_IconButton("down.dds", Down, nullptr);
  down_->SetHighlightTexture("down_h.dds");
  AddButton(down_);
}

GUI_MenuLoad::~GUI_MenuLoad() { ClearRows(); }

GUI_ButtonBase* GUI_MenuLoad::GetMainMenuButton() const { return mainMenu_; }

void GUI_MenuLoad::Layout() {
  const float w = ScreenW(), h = ScreenH();
  mainMenu_->SetRect(w - 200, h - 65, w - 20, h - 40);
  up_->SetRect(w / 2 + 110, h / 2 - 150, w / 2 + 130, h / 2 - 130);
  down_->SetRect(w / 2 + 110, h / 2 + 130, w / 2 + 130, h / 2 + 150);
}

void GUI_MenuLoad::OnEnter() {
  Layout();
  Rescan();
}

void GUI_MenuLoad::Rescan() {
  files_.Clear();
  if (!SIM_SaveGame::GetFolder().empty()) files_.AddFiles(SIM_SaveGame::GetFolder() + "/*.xml");
  // The first row stays where the player left it, even past the end of a list that shrank:
  // rows beyond the end are empty and the up arrow leads back.
  RebuildRows();
}

void GUI_MenuLoad::ClearRows() {
  for (GUI_LoadGameSlot* row : rows_) delete row;
  rows_.clear();
  for (GUI_DeleteGameButton* button : deleteButtons_) {
    RemoveButton(button);
    delete button;
  }
  deleteButtons_.clear();
}

void GUI_MenuLoad::RebuildRows() {
  ClearRows();
  up_->SetEnabled(CanPageUp());
  down_->SetEnabled(CanPageDown());
  const float w = ScreenW(), h = ScreenH();
  size_t next = static_cast<size_t>(firstRow_);
  for (int i = 0; i < kRows; ++i) {
    const std::string file = next < files_.files.size() ? files_.files[next++] : std::string();
    auto* row = new GUI_LoadGameSlot(file);
    const float top = h / 2 - 150 + 30.0f * static_cast<float>(i);
    row->SetRect(w / 2 - 100, top, w / 2 + 100, top + 25);
    rows_.push_back(row);
    if (!file.empty()) {
      auto* del = new GUI_DeleteGameButton(file);
      del->SetRect(w / 2 - 135, top, w / 2 - 110, top + 25);
      AddButton(del);
      deleteButtons_.push_back(del);
    }
  }
}

void GUI_MenuLoad::PageUp() {
  if (firstRow_ <= 0) return;
  --firstRow_;
  OnEnter();
}

void GUI_MenuLoad::PageDown() {
  if (!CanPageDown()) return;
  ++firstRow_;
  OnEnter();
}

void GUI_MenuLoad::OnLeftButtonDown() {
  const float x = GUI_Services::MouseX(), y = GUI_Services::MouseY();
  bool taken = false;
  for (GUI_LoadGameSlot* row : rows_) {
    if (row->OnClick(x, y)) {
      taken = true;
      break;
    }
  }
  if (!taken) ClickButtons();
  RunPending();
}

void GUI_MenuLoad::RunPending() {
  if (!pendingDelete_.empty()) {
    // A failed delete is not reported: the rescan shows what is left.
    plat::RemoveFile(SIM_SaveGame::GetFolder() + "/" + pendingDelete_);
    pendingDelete_.clear();
    rescanPending_ = true;
  }
  if (rescanPending_) {
    rescanPending_ = false;
    OnEnter();
  }
  if (!pendingLoad_.empty()) {
    const std::string name = pendingLoad_;
    pendingLoad_.clear();
    // A bad file leaves the running game as it was and keeps the player here; the loader has
    // said why, and what became of the game the player was in, if any.
    if (!SIM_LoadGame::Load(name, Shell().IsInGame())) return;
    GUI_GUI::Instance().StartGame();
    Shell().SetInGame(true);
    Shell().SetMode(GAMEMODE_INGAME);
    // The saved play time counts on; a year's review the save waited on keeps it paused until
    // its continue.
    SIM_Statistics& stats = SIM_Statistics::Instance();
    if (!stats.IsYearReviewDue()) stats.StartPlayTimer();
  }
}

void GUI_MenuLoad::Draw() {
  up_->SetEnabled(CanPageUp());
  down_->SetEnabled(CanPageDown());
  DrawBackground();
  DrawSaveListVeil(ScreenH() / 2.0f + 150.0f + kTextVeilBorder);
  // Its veil lies under the rows where a small screen brings them close.
  DrawMenuTitle("LOADGAME_TITLE", "LOADGAME_HELP");
  DrawButtons();
  for (GUI_LoadGameSlot* row : rows_) row->Draw();
  GUI_Services::FlushText();
  DrawTooltips();
  GUI_Cursor::Instance().Draw();
  RunPending();
}

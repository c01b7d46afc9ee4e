// The save menu.
#include "gui/GUI_MenuSave.h"

#include "gui/GUI_Shell.h"
#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "gui/GUI_Tooltip.h"
#include "sim/SIM_SaveGame.h"

namespace {

constexpr int kScanEscape = 1;
constexpr int kScanBackspace = 14;

void GoToMainMenu(void*) { Shell().SetMode(GAMEMODE_MAINMENU); }
void Up(void*) { GUI_MenuSave::Instance().PageUp(); }
void Down(void*) { GUI_MenuSave::Instance().PageDown(); }
void Save(void*) { GUI_MenuSave::Instance().SaveGame(); }

float ScreenW() { return static_cast<float>(D3DEngine::Instance().GetWidth()); }
float ScreenH() { return static_cast<float>(D3DEngine::Instance().GetHeight()); }

}  // namespace

GUI_SaveGameSlot::GUI_SaveGameSlot(const std::string& fileName)
    : GUI_ButtonBase(nullptr, nullptr), name_(SaveSlotShownName(fileName)) {}

void GUI_SaveGameSlot::Draw() {
  DrawSaveSlotRow(rect, name_, HitTest(GUI_Services::MouseX(), GUI_Services::MouseY()));
}

void GUI_SaveGameSlot::Activate() {
  GUI_Services::PlayClick();
  GUI_MenuSave::Instance().SetName(name_);
}

GUI_MenuSave& GUI_MenuSave::Instance() {
  static GUI_MenuSave menu;
  return menu;
}

GUI_MenuSave::GUI_MenuSave() : name_(Translate("DEFAULT")) {
  if (name_.size() > kMaxName) name_.resize(kMaxName);
  save_ = new GUI_ButtonText(Translate("MENU_SAVE"), Save, nullptr);
  save_->SetTooltipKey("TOOLTIP_MENU_SAVE", 60);
  AddButton(save_);
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

GUI_MenuSave::~GUI_MenuSave() { ClearRows(); }

GUI_ButtonBase* GUI_MenuSave::GetSaveButton() const { return save_; }
GUI_ButtonBase* GUI_MenuSave::GetUpButton() const { return up_; }
GUI_ButtonBase* GUI_MenuSave::GetDownButton() const { return down_; }

void GUI_MenuSave::Layout() {
  const float w = ScreenW(), h = ScreenH();
  mainMenu_->SetRect(w - 200, h - 65, w - 20, h - 40);
  up_->SetRect(w / 2 + 110, h / 2 - 150, w / 2 + 130, h / 2 - 130);
  down_->SetRect(w / 2 + 110, h / 2 + 130, w / 2 + 130, h / 2 + 150);
  save_->SetRect(w / 2 - 100, h / 2 + 200, w / 2 + 100, h / 2 + 226);
}

void GUI_MenuSave::OnEnter() {
  Layout();
  files_.Clear();
  if (!SIM_SaveGame::GetFolder().empty()) files_.AddFiles(SIM_SaveGame::GetFolder() + "/*.xml");
  RebuildRows();
  caretShown_ = true;
  caretTimer_.Start();
}

void GUI_MenuSave::ClearRows() {
  for (GUI_SaveGameSlot* row : rows_) delete row;
  rows_.clear();
}

void GUI_MenuSave::RebuildRows() {
  ClearRows();
  up_->SetEnabled(firstRow_ > 0);
  const float w = ScreenW(), h = ScreenH();
  // Rows past the last file show the empty-slot text (as a file name: its last 4
  // characters are cut like ".xml").
  const std::string empty = std::string(Translate("SAVEGAME_EMPTY")) + ".xml";
  size_t next = static_cast<size_t>(firstRow_);
  for (int i = 0; i < kRows; ++i) {
    const std::string file = next < files_.files.size() ? files_.files[next++] : empty;
    auto* row = new GUI_SaveGameSlot(file);
    const float top = h / 2 - 150 + 30.0f * static_cast<float>(i);
    row->SetRect(w / 2 - 100, top, w / 2 + 100, top + 25);
    rows_.push_back(row);
  }
}

void GUI_MenuSave::PageUp() {
  if (firstRow_ <= 0) return;
  --firstRow_;
  OnEnter();
}

void GUI_MenuSave::PageDown() {
  ++firstRow_;
  OnEnter();
}

void GUI_MenuSave::SaveGame() {
  // The writer refuses an empty or unusable name and reports a failed write; either way the
  // player stays here to try again.
  if (SIM_SaveGame::Save(name_)) Shell().SetMode(GAMEMODE_MAINMENU);
}

void GUI_MenuSave::OnKeyDown(int scanCode) {
  if (ToggleWindowedOnAltReturn(scanCode)) return;
  if (scanCode == kScanEscape) {
    Shell().SetMode(GAMEMODE_MAINMENU);
  } else if (scanCode == kScanBackspace) {
    if (!name_.empty()) name_.pop_back();
  } else if (name_.size() < kMaxName) {
    if (const char c = ScanCodeToChar(scanCode)) name_ += c;
  }
}

void GUI_MenuSave::OnLeftButtonDown() {
  const float x = GUI_Services::MouseX(), y = GUI_Services::MouseY();
  for (GUI_SaveGameSlot* row : rows_)
    if (row->OnClick(x, y)) return;
  ClickButtons();
}

void GUI_MenuSave::Draw() {
  up_->SetEnabled(firstRow_ > 0);
  const float w = ScreenW(), h = ScreenH();
  DrawMenuBackground();
  // The veil runs on under the typed name.
  DrawSaveListVeil(h / 2 + 194 + kTextVeilBorder);
  DrawMenuTitle("SAVEGAME_TITLE", "SAVEGAME_HELP");
  for (GUI_SaveGameSlot* row : rows_) row->Draw();
  DrawButtons();
  // A long name shows its end, so what is being typed stays beside the caret.
  const std::string shown = FitTextEndToWidth("tahoma bold", 24, name_, kSaveNameShownWidth);
  const int nameWidth = GUI_Services::MeasureWidth("tahoma bold", 24, shown);
  GUI_Services::QueueText(0.0f, h / 2 + 170, shown, "tahoma bold", 24, static_cast<int>(w), 1, 255,
                          255, 255);
  GUI_Services::FlushText();
  caretTimer_.Update();
  if (caretTimer_.elapsed >= 200.0) {
    caretTimer_.Start();
    caretShown_ = !caretShown_;
  }
  if (caretShown_) {
    const int x = static_cast<int>(w / 2) + nameWidth / 2;
    D3DEngine::Instance().FillRect(x + 2, static_cast<int>(h / 2 + 175), x + 5,
                                   static_cast<int>(h / 2 + 190), 0xE0FFFFFF);
  }
  DrawTooltips();
  GUI_Cursor::Instance().Draw();
}

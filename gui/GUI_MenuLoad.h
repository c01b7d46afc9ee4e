// The load menu (mode 5): the saved games of the save folder, ten rows at a time with up and
// down arrows. A click on a row loads that game; the icon beside a row deletes its file. A
// game that cannot be loaded is reported and the player stays in the menu.
#pragma once

#include <string>
#include <vector>

#include "engine/Utilities.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuBase.h"

class GUI_ButtonText;

// The shown name of a save file: the file name without its last 4 characters (".xml"); a
// name too short to have them shows nothing.
std::string SaveSlotShownName(const std::string& fileName);

// Draws a row of a save list: a light fill under the mouse, an outline, the centred name (cut
// with "..." when it is wider than the row).
void DrawSaveSlotRow(const GUI_Rect& rect, const std::string& name, bool hovered);
// The save and load menus' backdrop, and their title and help text on a veil.
void DrawMenuBackground();
void DrawMenuTitle(const char* titleKey, const char* helpKey);
// The veil under a save list (its rows, delete icons and arrows), from above the first row
// down to `bottom`.
void DrawSaveListVeil(float bottom);
// The widest a typed save name is shown, centred on the list's veil.
constexpr int kSaveNameShownWidth = 280;

class GUI_LoadGameSlot : public GUI_ButtonBase {
 public:
  explicit GUI_LoadGameSlot(const std::string& fileName);
  void Draw() override;
  // A row without a game takes no click, so it never hides a button behind it.
  bool OnClick(float x, float y) override { return !name_.empty() && GUI_ButtonBase::OnClick(x, y); }
  // Asks the menu to load the row's game (after the click has been handled).
  void Activate() override;
  const std::string& GetName() const { return name_; }

 private:
  std::string name_;
};

class GUI_DeleteGameButton : public GUI_IconButton {
 public:
  explicit GUI_DeleteGameButton(const std::string& fileName);
  void Activate() override;
  const std::string& GetFileName() const { return fileName_; }

 private:
  std::string fileName_;
};

class GUI_MenuLoad : public GUI_MenuBase {
 public:
  static constexpr int kRows = 10;

  static GUI_MenuLoad& Instance();
  ~GUI_MenuLoad() override;

  void Draw() override;
  void OnLeftButtonDown() override;
  // Left only by its buttons or by loading; keys do nothing but Alt+Return's full screen.
  void OnKeyDown(int scanCode) override { ToggleWindowedOnAltReturn(scanCode); }
  // Lays the controls out for the screen, lists the save folder and rebuilds the rows. The
  // first row shown is kept between visits (moved back when the list has shrunk).
  void OnEnter() override;

  void PageUp();
  void PageDown();
  bool CanPageUp() const { return firstRow_ > 0; }
  bool CanPageDown() const { return static_cast<int>(files_.files.size()) - firstRow_ > kRows; }

  // Deferred actions of a row or delete icon: run once the click has been dispatched, since
  // they rebuild the rows (and the clicked button with them) or leave the menu.
  void RequestLoad(const std::string& name) { pendingLoad_ = name; }
  void RequestDelete(const std::string& fileName) { pendingDelete_ = fileName; }

  const std::vector<GUI_LoadGameSlot*>& Rows() const { return rows_; }
  const std::vector<GUI_DeleteGameButton*>& DeleteButtons() const { return deleteButtons_; }
  const std::vector<std::string>& Files() const { return files_.files; }
  int GetFirstRow() const { return firstRow_; }
  GUI_ButtonBase* GetUpButton() const { return up_; }
  GUI_ButtonBase* GetDownButton() const { return down_; }
  GUI_ButtonBase* GetMainMenuButton() const;

 private:
  GUI_MenuLoad();
  void Layout();
  void Rescan();
  void RebuildRows();
  void ClearRows();
  void RunPending();

  GUI_ButtonText* mainMenu_ = nullptr;
  GUI_IconButton* up_ = nullptr;
  GUI_IconButton* down_ = nullptr;
  FileList files_;
  int firstRow_ = 0;
  std::vector<GUI_LoadGameSlot*> rows_;
  std::vector<GUI_DeleteGameButton*> deleteButtons_;
  std::string pendingLoad_;
  std::string pendingDelete_;
  bool rescanPending_ = false;
};

// The save menu (mode 4): the saved games of the save folder ten rows at a time, the name
// being typed (a click on a row takes that row's name), and the save button. A name the
// writer refuses, or a failed write, keeps the player in the menu with the reason shown.
#pragma once

#include <string>
#include <vector>

#include "engine/Timer.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_MenuBase.h"

class GUI_ButtonText;
class GUI_IconButton;

class GUI_SaveGameSlot : public GUI_ButtonBase {
 public:
  explicit GUI_SaveGameSlot(const std::string& fileName);
  void Draw() override;
  // Copies the row's name into the typed name.
  void Activate() override;
  const std::string& GetName() const { return name_; }

 private:
  std::string name_;
};

class GUI_MenuSave : public GUI_MenuBase {
 public:
  static constexpr int kRows = 10;
  static constexpr size_t kMaxName = 63;

  static GUI_MenuSave& Instance();
  ~GUI_MenuSave() override;

  void Draw() override;
  void OnLeftButtonDown() override;
  // Escape leaves for the main menu; Backspace drops a character; other keys type theirs.
  void OnKeyDown(int scanCode) override;
  void OnEnter() override;

  void PageUp();
  void PageDown();
  // Saves under the typed name; leaves for the main menu only when the game was saved.
  void SaveGame();

  const std::string& GetName() const { return name_; }
  void SetName(const std::string& name) { name_ = name.substr(0, kMaxName); }
  const std::vector<GUI_SaveGameSlot*>& Rows() const { return rows_; }
  int GetFirstRow() const { return firstRow_; }
  GUI_ButtonBase* GetSaveButton() const;
  GUI_ButtonBase* GetUpButton() const;
  GUI_ButtonBase* GetDownButton() const;

 private:
  GUI_MenuSave();
  void Layout();
  void RebuildRows();
  void ClearRows();

  std::string name_;
  GUI_ButtonText* save_ = nullptr;
  GUI_ButtonText* mainMenu_ = nullptr;
  GUI_IconButton* up_ = nullptr;
  GUI_IconButton* down_ = nullptr;
  FileList files_;
  int firstRow_ = 0;
  std::vector<GUI_SaveGameSlot*> rows_;
  Timer caretTimer_;
  bool caretShown_ = true;
};

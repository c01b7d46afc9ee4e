// A modal yes/no question with OK and Cancel, as tall as its text needs. One at a time: a new
// one replaces an open one without running its callback. Return answers OK, Escape Cancel.
#pragma once

#include <string>

#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;

class GUI_ConfirmDialog : public GUI_Dialog {
 public:
  GUI_ConfirmDialog(const std::string& title, const std::string& text, GUI_ButtonCallback callback);
  ~GUI_ConfirmDialog() override;

  void Draw() override;
  // Lies over a full-screen page, whenever it was raised.
  Rank GetRank() const override { return Rank::kBox; }
  // OK: runs the callback with a null argument, then closes the dialog unless the callback
  // already replaced it with another confirmation.
  static void OnOk(void* unused);
  // Cancel: closes the open confirmation.
  static void Close(void* unused = nullptr);
  static GUI_ConfirmDialog* Instance() { return instance; }

  const std::string& GetText() const { return text; }
  GUI_ButtonText* GetOkButton() const { return okButton; }
  GUI_ButtonText* GetCancelButton() const { return cancelButton; }

 private:
  static GUI_ConfirmDialog* instance;
  std::string text;
  GUI_ButtonText* okButton = nullptr;
  GUI_ButtonText* cancelButton = nullptr;
  GUI_ButtonCallback callback = nullptr;
};

// Asks a question (the title first, then the text); OK calls the callback.
void ShowConfirm(std::string title, std::string text, GUI_ButtonCallback callback);

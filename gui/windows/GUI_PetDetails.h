// The details of an owned pet: its picture, a few words about it, the days of food left, the
// days it has gone without, and for the dog the burglars it has seen off. A click on the title
// starts renaming the pet: letters and spaces are typed (Shift for capitals), Backspace
// removes, Escape or Enter end.
#pragma once

#include <string>

#include "engine/CTexturedSprite.h"
#include "engine/Timer.h"
#include "gui/GUI_Dialog.h"

class SIM_PetBase;

class GUI_PetDetails : public GUI_Dialog {
 public:
  static constexpr float kWidth = 460, kHeight = 200, kPicture = 128;
  static constexpr double kCaretBlinkMs = 200.0;

  // Replaces an open details window with one for that pet (nothing for none).
  static void Open(SIM_PetBase* pet);
  static void Close();
  static GUI_PetDetails* Instance() { return instance; }

  ~GUI_PetDetails() override;
  void Draw() override;
  bool OnClick(float x, float y) override;
  void OnKeyDown(int key) override;

  SIM_PetBase* GetPet() const { return pet_; }
  bool IsEditing() const { return editing_; }
  bool IsCaretVisible() const { return caretVisible_; }
  const std::string& GetText() const { return text_; }
  // Where the caret's bar starts: just right of the centred title.
  float CaretX() const;

 private:
  explicit GUI_PetDetails(SIM_PetBase* pet);
  void EndEditing();
  // The pet's name as the title, fitted to the room the close button leaves.
  void ShowName();

  static GUI_PetDetails* instance;
  SIM_PetBase* pet_;
  CTexturedSprite picture_;
  std::string text_;
  Timer caretTimer_;
  bool caretVisible_ = false;
  bool editing_ = false;
};

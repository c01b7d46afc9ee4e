// The films showing, for a cinema evening the player organised: one page per film (title,
// description, what the film guide says, "?" to a player who knows too little about films),
// paged with two arrows without wrapping, a popcorn box and the watch button, which is off for
// a film already seen. Modal. Watching finishes the evening.
#pragma once

#include <string>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_CheckButton;
class GUI_IconButton;
class SIM_Movie;
class SIM_MovieInstance;

class GUI_MovieChooser : public GUI_Dialog {
 public:
  static constexpr int kWidth = 400, kHeight = 335;
  static constexpr uint32_t kPopcornOn = 0xC8FFFFFFu, kPopcornOff = 0x20FFFFFFu;

  // Replaces an open chooser; a null evening opens nothing.
  static void Open(SIM_MovieInstance* evening);
  static void Close();
  static GUI_MovieChooser* Instance() { return instance; }

  ~GUI_MovieChooser() override;
  void Draw() override;

  void Next();
  void Previous();
  void TogglePopcorn();
  // Sees the shown film and closes; nothing for no film or one already seen.
  void Watch();
  void UpdateButtons();

  int GetIndex() const { return index_; }
  // The film shown, or null (fewer films than places showing).
  SIM_Movie* Current() const;
  // The popcorn picture's colour for the evening's choice.
  uint32_t PopcornColour() const;
  SIM_MovieInstance* Evening() const { return evening_; }
  GUI_IconButton* NextArrow() const { return next_; }
  GUI_IconButton* PreviousArrow() const { return previous_; }
  GUI_ButtonText* WatchButton() const { return watch_; }
  GUI_CheckButton* PopcornBox() const { return popcorn_; }

 private:
  explicit GUI_MovieChooser(SIM_MovieInstance* evening);

  static GUI_MovieChooser* instance;
  SIM_MovieInstance* evening_;
  int index_ = 0;
  GUI_IconButton* next_ = nullptr;
  GUI_IconButton* previous_ = nullptr;
  GUI_ButtonText* watch_ = nullptr;
  GUI_CheckButton* popcorn_ = nullptr;
  CTexturedSprite popcornPicture_;
  std::string guideText_;
};

// The full-screen backdrop behind the front-end menus.
#pragma once

class GUI_Backdrop {
 public:
  static GUI_Backdrop& Instance();
  // Prepares the backdrop sprite; after the first call the backdrop counts as loaded, and
  // display rebuilds load it again.
  void Load();
  bool IsLoaded() const { return loaded_; }

 private:
  GUI_Backdrop() = default;
  bool loaded_ = false;
};

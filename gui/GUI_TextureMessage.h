// A message box with a 64 x 64 picture beside its text, used to announce events with an image.
#pragma once

#include <string>

#include "gui/windows/GUI_Message.h"

class GUI_TextureMessage : public GUI_Message {
 public:
  GUI_TextureMessage(const std::string& picture, const std::string& text);
  void Draw() override;
  const std::string& GetPicture() const { return picture_; }

 private:
  std::string picture_;
};

// Opens a picture message. The title keeps its first 29 characters and then gets "...".
void ShowTextureMessage(std::string picture, std::string text, std::string title);
// The title as the picture message shows it.
std::string CutTextureMessageTitle(const std::string& title);

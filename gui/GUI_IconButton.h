// A picture button: a normal and a highlight sprite sized to the button, the highlight shown
// while the mouse is over it; faint when disabled.
#pragma once

#include <string>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"

class GUI_IconButton : public GUI_ButtonBase {
 public:
  GUI_IconButton(const char* texture, GUI_ButtonCallback callback, void* callbackArg);

  void Draw() override;
  void SetTexture(const char* texture);
  void SetHighlightTexture(const char* texture);

 protected:
  // Sizes a sprite to scale x the button and centres it on the button.
  void PlaceSprite(BaseSprite& sprite, float scale) const;
  // Whether the mouse is over the button now, whatever its hover state says.
  bool MouseOver() const;
  CTexturedSprite normal;
  CTexturedSprite highlight;
};

// Icon button.
#include "gui/GUI_IconButton.h"

#include <cstring>

#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"

GUI_IconButton::GUI_IconButton(const char* texture, GUI_ButtonCallback cb, void* arg)
    : GUI_ButtonBase(cb, arg) {
  if (texture && std::strlen(texture) > 1) {
    normal.SetTexture(texture);
    highlight.SetTexture(texture);
  }
}

void GUI_IconButton::SetTexture(const char* texture) { normal.SetTexture(texture); }

void GUI_IconButton::SetHighlightTexture(const char* texture) { highlight.SetTexture(texture); }

void GUI_IconButton::PlaceSprite(BaseSprite& sprite, float scale) const {
  sprite.width = static_cast<float>(width) * scale;
  sprite.height = static_cast<float>(height) * scale;
  sprite.SetPosition(static_cast<float>(rect.left + rect.right) / 2.0f,
                     static_cast<float>(rect.top + rect.bottom) / 2.0f);
}

bool GUI_IconButton::MouseOver() const {
  // A button under a window that holds the screen would not take the click: it stays dark.
  if (GUI_WindowManager::Instance().IsHeld(owner)) return false;
  return HitTest(GUI_Services::MouseX(), GUI_Services::MouseY());
}

void GUI_IconButton::Draw() {
  // The face follows the mouse itself, not the hover state: a disabled button keeps its old
  // hover value, and a window whose updates stop (under a modal dialog) would keep a stale one.
  CTexturedSprite& face = MouseOver() ? highlight : normal;
  face.SetColour(255, 255, 255, enabled ? 255 : 32);
  PlaceSprite(face, 1.0f);
  face.Draw();
  GUI_ButtonBase::Draw();
}

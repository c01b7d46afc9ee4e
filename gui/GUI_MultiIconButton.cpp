// Multi-icon button.
#include "gui/GUI_MultiIconButton.h"

namespace {
constexpr size_t kMaxName = 127;
std::string Cut(const char* text) { return std::string(text ? text : "").substr(0, kMaxName); }
}  // namespace

GUI_MultiIconButton::GUI_MultiIconButton(const char* frameTexture, const char* iconTexture,
                                         GUI_ButtonCallback cb, void* arg)
    : GUI_IconButton(frameTexture, cb, arg), icon_(Cut(iconTexture)) {}

void GUI_MultiIconButton::SetHoverIcon(const char* texture) { hoverIcon_ = Cut(texture); }

void GUI_MultiIconButton::SetIcon(const char* texture) { icon_ = Cut(texture); }

void GUI_MultiIconButton::Draw() {
  if (enabled) {
    normal.SetColour(255, 255, 255, 255);
  } else {
    normal.SetColour(128, 128, 128, 128);
  }
  PlaceSprite(normal, 1.1f);
  normal.Draw();
  const std::string& icon = MouseOver() && !hoverIcon_.empty() ? hoverIcon_ : icon_;
  if (!icon.empty()) {
    iconSprite_.SetTextureString(icon);
    iconSprite_.SetColour(255, 255, 255, enabled ? 255 : 128);
    PlaceSprite(iconSprite_, 0.75f);
    iconSprite_.Draw();
  }
  GUI_ButtonBase::Draw();
}

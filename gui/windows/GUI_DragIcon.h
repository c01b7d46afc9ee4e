// The character icon that follows the mouse while the player drags a person from the contact
// icons onto the social chooser. One drag at a time; it is also kept in the cursor's drag
// slot. Releasing the left button anywhere ends it.
#pragma once

#include "engine/BaseSprite.h"
#include "gui/GUI_BaseElement.h"

class GUI_NPCIcon;

class GUI_DragIcon : public GUI_BaseElement {
 public:
  // Replaces an earlier drag with one of this icon.
  static void BeginDrag(GUI_NPCIcon* icon);
  // Offers the person to the social chooser under the mouse, then ends the drag. Does
  // nothing when no drag is in progress.
  static void EndDrag();
  // The icon is going: a drag of it ends without a drop.
  static void ForgetIcon(const GUI_NPCIcon* icon);
  static GUI_DragIcon* Current();
  static void DrawCurrent();

  explicit GUI_DragIcon(GUI_NPCIcon* icon);
  ~GUI_DragIcon() override;
  GUI_DragIcon(const GUI_DragIcon&) = delete;
  GUI_DragIcon& operator=(const GUI_DragIcon&) = delete;

  // The carried person's picture at the mouse plus the grab offset.
  void Draw() override;
  GUI_NPCIcon* GetIcon() const { return icon_; }
  float GrabOffsetX() const { return offsetX_; }
  float GrabOffsetY() const { return offsetY_; }

 private:
  GUI_NPCIcon* icon_;
  BaseSprite sprite_;
  float offsetX_ = 0, offsetY_ = 0;
};

// The dragged character icon.
#include "gui/windows/GUI_DragIcon.h"

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_Services.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "sim/SIM_NPC.h"

namespace {

GUI_DragIcon*& Dragged() {
  static GUI_DragIcon* dragged = nullptr;
  return dragged;
}

void Clear() {
  GUI_DragIcon* icon = Dragged();
  Dragged() = nullptr;
  if (GUI_Cursor::Instance().GetDragged() == icon) GUI_Cursor::Instance().SetDragged(nullptr);
  delete icon;
}

}  // namespace

GUI_DragIcon::GUI_DragIcon(GUI_NPCIcon* icon) : icon_(icon) {
  ReportAssertion(icon != nullptr, "GUI_DragIcon", 15);
  if (icon && icon->GetWidth() > 0 && icon->GetHeight() > 0)
    SetSize(static_cast<float>(icon->GetWidth()), static_cast<float>(icon->GetHeight()));
  else
    SetSize(32, 32);
  if (icon) {
    offsetX_ = icon->GetCentreX() - GUI_Services::MouseX();
    offsetY_ = icon->GetCentreY() - GUI_Services::MouseY();
  }
}

GUI_DragIcon::~GUI_DragIcon() = default;

GUI_DragIcon* GUI_DragIcon::Current() { return Dragged(); }

void GUI_DragIcon::BeginDrag(GUI_NPCIcon* icon) {
  Clear();
  if (!icon) return;
  Dragged() = new GUI_DragIcon(icon);
  GUI_Cursor::Instance().SetDragged(Dragged());
}

void GUI_DragIcon::EndDrag() {
  GUI_DragIcon* drag = Dragged();
  if (!drag) return;
  // The icon lives exactly as long as its character is in the world, so a drag whose icon
  // has gone (ForgetIcon) has no one to drop.
  if (drag->icon_) GUI_SocialActivityChooser::DropPerson(drag->icon_->GetNPC());
  Clear();
}

void GUI_DragIcon::ForgetIcon(const GUI_NPCIcon* icon) {
  if (Dragged() && Dragged()->icon_ == icon) Clear();
}

void GUI_DragIcon::DrawCurrent() {
  if (Dragged()) Dragged()->Draw();
}

void GUI_DragIcon::Draw() {
  if (!icon_ || !icon_->GetNPC()) return;
  sprite_.width = static_cast<float>(width);
  sprite_.height = static_cast<float>(height);
  sprite_.SetColour(255, 255, 255, 255);
  sprite_.SetPosition(GUI_Services::MouseX() + offsetX_, GUI_Services::MouseY() + offsetY_);
  D3DEngine::Instance().SetTextureByName(icon_->GetNPC()->GetPortrait());
  sprite_.Draw();
}

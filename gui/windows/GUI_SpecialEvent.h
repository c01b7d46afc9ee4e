// The ticket of a special event, opened from its mail item: the event's name and invitation
// over a picture of an admission ticket, with Attend and Reject. Attending runs the event
// (one slot) and shows its result full screen. Attend is offered only while the day's
// activities are open and the event has not been attended, tested at every frame and at the
// click, so a ticket opened twice, or after the day's last slot, never takes a slot.
#pragma once

#include "engine/CTexturedSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class SIM_SpecialEvent;

class GUI_SpecialEvent : public GUI_Dialog {
 public:
  static constexpr int kWidth = 440, kHeight = 320;
  static constexpr float kTicketAngle = 22.0f;
  static constexpr uint32_t kTicketColour = 0x64FFFFFFu;

  // Closes an open ticket; a null event opens nothing.
  static void Open(SIM_SpecialEvent* event);
  static void Close();
  static GUI_SpecialEvent* Instance() { return instance; }

  ~GUI_SpecialEvent() override;
  void Draw() override;

  void Attend();
  void Reject();
  SIM_SpecialEvent* Event() const { return event_; }
  GUI_ButtonText* AttendButton() const { return attend_; }
  GUI_ButtonText* RejectButton() const { return reject_; }

 private:
  explicit GUI_SpecialEvent(SIM_SpecialEvent* event);
  // Attend and Reject follow the day: both off once the day is over, Attend off once attended.
  void RefreshButtons();

  static GUI_SpecialEvent* instance;
  SIM_SpecialEvent* event_;
  GUI_ButtonText* attend_ = nullptr;
  GUI_ButtonText* reject_ = nullptr;
  CTexturedSprite ticket_;
};

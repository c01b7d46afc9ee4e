// A character's invitation, opened from its mail item: the inviter's portrait, the letter,
// what the evening costs the player, the people who are going, and accept and reject. The
// accept button follows the day each frame: it reads "not enough money" and is disabled while
// the cash is short, "too tired" while the player is, and is disabled once the day's
// activities are over. Accepting starts the evening at once and closes every invitation
// window. Return accepts (while it can), Escape rejects. Not modal; the next day closes them
// all.
#pragma once

#include <vector>

#include "engine/BaseSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_SocialInvitation;

class GUI_SocialInvitation : public GUI_Dialog {
 public:
  static constexpr int kWidth = 500, kHeight = 320;
  static constexpr size_t kMaxTitle = 37;

  // Replaces the last opened window; nothing (a soft assertion) for no invitation.
  static void Open(SIM_SocialInvitation* invitation);
  // Deletes every open invitation window.
  static void CloseAll();
  // Deletes the last opened one.
  static void Close();
  static GUI_SocialInvitation* Instance() { return last; }
  static const std::vector<GUI_SocialInvitation*>& All();

  ~GUI_SocialInvitation() override;
  void Draw() override;

  void Accept();
  SIM_SocialInvitation* GetInvitation() const { return invitation_; }
  GUI_ButtonText* AcceptButton() const { return accept_; }
  GUI_ButtonText* RejectButton() const { return reject_; }
  const std::vector<GUI_IconButton*>& GuestButtons() const { return guests_; }
  // The accept button's state for the day as it stands (run by every draw).
  void RefreshAcceptButton();

 private:
  explicit GUI_SocialInvitation(SIM_SocialInvitation* invitation);

  static GUI_SocialInvitation* last;
  SIM_SocialInvitation* invitation_;
  BaseSprite portrait_;
  GUI_ButtonText* accept_ = nullptr;
  GUI_ButtonText* reject_ = nullptr;
  std::vector<GUI_IconButton*> guests_;
};

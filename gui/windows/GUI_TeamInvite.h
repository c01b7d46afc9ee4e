// The bowling team's invitation: a picture of the team, the day they play, and a choice to
// join or turn them down. Modal; Return joins, Escape turns them down.
#pragma once

#include <string>

#include "gui/GUI_Dialog.h"

class GUI_ButtonText;

class GUI_TeamInvite : public GUI_Dialog {
 public:
  static constexpr int kWidth = 400, kHeight = 340;

  // Replaces an open invitation.
  static void Open();
  static void Close();
  static GUI_TeamInvite* Instance() { return instance; }
  // The invitation's text with the team's match day.
  static std::string Text();

  ~GUI_TeamInvite() override;
  void Draw() override;

  void Accept();
  void Reject();

  GUI_ButtonText* AcceptButton() const { return accept_; }
  GUI_ButtonText* RejectButton() const { return reject_; }

 private:
  GUI_TeamInvite();

  static GUI_TeamInvite* instance;
  GUI_ButtonText* accept_ = nullptr;
  GUI_ButtonText* reject_ = nullptr;
};

// Opens while the player invites people to an evening and one of them cannot afford it: the
// player may pay for them ("subsidise"), which puts them on the subsidised list and among the
// evening's invitees, or leave them out. Subsidising is offered only when the player's cash
// covers what the evening would then cost. Modal, without a close button: one of the two
// buttons answers it, or Return (subsidise) and Escape (reject).
#pragma once

#include <string>

#include "engine/BaseSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class SIM_NPC;
class SIM_SocialiseType;

class GUI_NoMoneyDialog : public GUI_Dialog {
 public:
  static constexpr int kWidth = 400, kHeight = 200;

  // Replaces an open dialog; nothing (a soft assertion) without a type or a character.
  static void Open(SIM_SocialiseType* type, SIM_NPC* npc);
  static void Close();
  static void CloseFor(const SIM_NPC* npc);
  static GUI_NoMoneyDialog* Instance() { return instance; }
  // What the evening costs the player with one more person paid for: the cost per head for
  // everyone already subsidised and this one, plus the player's own share (at the cheapest
  // table where the venue names the price, which its booking then checks in full).
  static int TotalCost(const SIM_SocialiseType* type);

  ~GUI_NoMoneyDialog() override;
  void Draw() override;

  void Subsidise();
  void Reject();
  SIM_NPC* GetNpc() const { return npc_; }
  const std::string& GetText() const { return text_; }
  GUI_ButtonText* SubsidiseButton() const { return subsidise_; }
  GUI_ButtonText* RejectButton() const { return reject_; }

 private:
  GUI_NoMoneyDialog(SIM_SocialiseType* type, SIM_NPC* npc);

  static GUI_NoMoneyDialog* instance;
  SIM_NPC* npc_;
  GUI_ButtonText* subsidise_ = nullptr;
  GUI_ButtonText* reject_ = nullptr;
  BaseSprite portrait_;
  std::string text_;
};

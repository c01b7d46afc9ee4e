// The romance windows: the offer a character makes (modal, one at a time; Return accepts,
// Escape rejects), the heart beside the partner's contact icon, and the summary the heart
// opens (the partner, the romance's length in days, a word of help and a button to end it).
#pragma once

#include <string>

#include "engine/BaseSprite.h"
#include "engine/CTexturedSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class SIM_NPC;

class GUI_RomanticOffer : public GUI_Dialog {
 public:
  static constexpr int kWidth = 400, kHeight = 200;

  // Replaces an open offer; nothing (a soft assertion) for no character.
  static void Open(SIM_NPC* npc);
  static void Close();
  // The offer goes with its character.
  static void CloseFor(const SIM_NPC* npc);
  static GUI_RomanticOffer* Instance() { return instance; }

  ~GUI_RomanticOffer() override;
  void Draw() override;
  // A click on the portrait opens the character's window.
  bool OnClick(float x, float y) override;

  void Accept();
  void Reject();
  SIM_NPC* GetNpc() const { return npc_; }
  GUI_ButtonText* AcceptButton() const { return accept_; }
  GUI_ButtonText* RejectButton() const { return reject_; }
  const BaseSprite& Portrait() const { return portrait_; }

 private:
  explicit GUI_RomanticOffer(SIM_NPC* npc);

  static GUI_RomanticOffer* instance;
  SIM_NPC* npc_;
  BaseSprite portrait_;
  GUI_ButtonText* accept_ = nullptr;
  GUI_ButtonText* reject_ = nullptr;
};

// The heart beside the partner's contact icon: drawn and clicked by the contact icons, never
// by the window manager. Shown only while the partner's icon is.
class GUI_RomanceIcon : public GUI_WindowBase {
 public:
  static GUI_RomanceIcon& Instance();

  void Draw() override;
  // A click on the heart opens a new summary; true when it took the click.
  bool OnClick(float x, float y) override;
  // Whether the last draw showed the heart, and where.
  bool Drawn() const { return drawn_; }
  float CentreX() const { return centreX_; }
  float CentreY() const { return centreY_; }

 private:
  GUI_RomanceIcon();
  // Where the heart stands now (false: no partner, or no shown icon of theirs).
  bool Place();

  CTexturedSprite heart_;
  bool drawn_ = false;
  float centreX_ = 0, centreY_ = 0;
};

class GUI_RomanceSummary : public GUI_Dialog {
 public:
  static constexpr int kWidth = 450, kHeight = 210;

  // Replaces an open summary; nothing without a partner.
  static void Open();
  static void Close();
  static GUI_RomanceSummary* Instance() { return instance; }

  ~GUI_RomanceSummary() override;
  void Draw() override;

  // The player ends the romance; the summary closes.
  void Dump();
  const std::string& NameLine() const { return nameLine_; }
  const std::string& DurationLine() const { return durationLine_; }
  GUI_ButtonText* DumpButton() const { return dump_; }

 private:
  GUI_RomanceSummary();

  static GUI_RomanceSummary* instance;
  SIM_NPC* partner_;
  BaseSprite portrait_;
  GUI_ButtonText* dump_ = nullptr;
  std::string nameLine_;
  std::string durationLine_;
  std::string help_;
};

// One of the day's mail and phone items as the simulation sees it: what kind it is, whose
// data it carries and how it looks. The screens list their items this way for a save, and
// make them again from such a list after a load, so the player finds the day's mail as it was.
#pragma once

#include <string>

class SIM_JobOffer;
class SIM_NPC;
class SIM_RoyaltyStream;
class SIM_SocialInvitation;
class SIM_SpecialEvent;

struct SIM_MailItem {
  // The screens' own numbering of the kinds.
  enum Kind : int {
    kJobUnlock = 0,       // npc: the character whose job it is
    kJobOffer = 1,        // offer
    kInvitation = 2,      // invitation
    kRumour = 3,          // npc: who tells it
    kNPCMessage = 4,      // npc and text
    kRoyaltyReport = 5,   // royalty
    kTextureMessage = 6,  // picture, text and title
    kSpecialEvent = 7,    // event: the ticket
    kNewFriend = 8,       // npc
  };
  static constexpr int kKinds = 9;

  Kind kind = kTextureMessage;
  SIM_NPC* npc = nullptr;
  SIM_JobOffer* offer = nullptr;
  SIM_SocialInvitation* invitation = nullptr;
  SIM_RoyaltyStream* royalty = nullptr;
  SIM_SpecialEvent* event = nullptr;
  std::string text;
  std::string title;
  std::string picture;
  bool opened = false;  // the player has opened it once
  bool laptop = false;  // drawn as an envelope (a laptop was owned when it came)
};

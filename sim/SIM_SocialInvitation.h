// Characters' invitations to the player: an evening of a kind (a social activity type) with
// the inviter and the other guests, an important one now and then, sometimes with an offer to
// pay. Each carries a letter built from translated pieces, shown through its mail item. The
// player accepts it (and goes) or lets it lapse when the day's slots are used, which the
// inviter may take as a snub; the evening then goes ahead without the player.
//
// Every invitation is in one list (creation order), which owns it. The next day, a new game
// and a load delete them all; a save keeps the day's open ones.
#pragma once

#include <string>
#include <vector>

class SIM_NPC;
class SIM_SocialiseType;

class SIM_SocialInvitation {
 public:
  static constexpr int kImportant = 1;  // any other kind is a normal invitation

  virtual ~SIM_SocialInvitation();
  SIM_SocialInvitation(const SIM_SocialInvitation&) = delete;
  SIM_SocialInvitation& operator=(const SIM_SocialInvitation&) = delete;

  // A new open invitation at the end of the list: no pay offer, the player's cost the type's
  // cost. Null (a soft assertion) without an inviter or a type.
  static SIM_SocialInvitation* Create(SIM_NPC* inviter, SIM_SocialiseType* type, int kind);
  static void DeleteAll();
  // Lapse for every invitation neither accepted nor lapsed, in list order (the day's slots
  // are used); an invitation whose inviter has left the player's world is left alone.
  static void LapseAllOpen();
  static const std::vector<SIM_SocialInvitation*>& All();

  void AddGuest(SIM_NPC* npc) { guests_.push_back(npc); }
  // The inviter offers to pay: the player's cost becomes 0.
  void SetPayOffer(bool offer);
  // The letter: small talk from the inviter, the kind of evening, a sign-off (important or
  // normal) and the pay offer, each into the first of its placeholders.
  void BuildText();
  // The player goes: the pay offer is paid, an important invitation strengthens the bond, the
  // statistic counts it and its mail item goes. The evening itself is the caller's to start.
  void Accept();
  // The end of the day without an answer: a snub (not at the easiest difficulty when the
  // player could not pay), and the evening without the player.
  void Lapse();

  SIM_NPC* GetInviter() const { return inviter_; }
  SIM_NPC* GetHost() const { return inviter_; }
  SIM_SocialiseType* GetType() const { return type_; }
  int GetKind() const { return kind_; }
  bool IsImportant() const { return kind_ == kImportant; }
  bool HasPayOffer() const { return payOffer_; }
  bool IsAccepted() const { return accepted_; }
  bool IsLapsed() const { return lapsed_; }
  bool IsOpen() const { return !accepted_ && !lapsed_; }
  // Whether its evening can still take place: the inviter is still in the player's world and
  // may still share this kind of evening with the player (a romantic dinner from a partner
  // who has since ended the romance cannot).
  bool CanTakePlace() const;
  // The text key saying why the player can no longer accept it, or null while it can be
  // accepted (answered or lapsed, or its evening can no longer take place).
  const char* WhyNotAcceptable() const;
  int GetPlayerCost() const { return playerCost_; }
  const std::string& GetText() const { return text_; }
  // The kind of evening as the letter names it ("a curry").
  std::string GetInviteText() const;
  // Everyone invited, the inviter first, in the order added.
  const std::vector<SIM_NPC*>& GetGuests() const { return guests_; }

  // Counts for the run, through new games and loads: invitations received, accepted and
  // lapsed, and those that carried the inviter's offer to pay.
  static int ReceivedCount();
  static int AcceptedCount();
  static int LapsedCount();
  static int PayOfferCount();

  // A load: the saved invitation at the end of the list (not counted as received), then what
  // the day had left of it.
  static SIM_SocialInvitation* CreateSaved(SIM_NPC* inviter, SIM_SocialiseType* type, int kind);
  void Restore(bool accepted, bool lapsed, bool payOffer, int playerCost, const std::string& text);

 private:
  SIM_SocialInvitation(SIM_NPC* inviter, SIM_SocialiseType* type, int kind);

  std::vector<SIM_NPC*> guests_;
  bool accepted_ = false;
  bool lapsed_ = false;
  SIM_NPC* inviter_;
  SIM_SocialiseType* type_;
  int kind_;
  std::string text_;
  bool payOffer_ = false;
  int playerCost_ = 0;
};

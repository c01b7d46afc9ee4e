// Stand-in for the invitations to social evenings until they are built: an invitation keeps
// its host, kind, guests and pay offer; the rest records its calls.
#pragma once

#include <vector>

class SIM_NPC;
class SIM_SocialiseType;

class SIM_SocialInvitation {
 public:
  static void DeleteAll();
  static void LapseAllOpen();
  static SIM_SocialInvitation* Create(SIM_NPC* host, SIM_SocialiseType* type, bool important);
  static const std::vector<SIM_SocialInvitation*>& All();

  void AddGuest(SIM_NPC* npc) { guests_.push_back(npc); }
  void SetPayOffer(bool offer) { payOffer_ = offer; }
  void BuildText();

  SIM_NPC* GetHost() const { return host_; }
  SIM_SocialiseType* GetType() const { return type_; }
  bool IsImportant() const { return important_; }
  bool HasPayOffer() const { return payOffer_; }
  const std::vector<SIM_NPC*>& GetGuests() const { return guests_; }

 private:
  SIM_SocialInvitation(SIM_NPC* host, SIM_SocialiseType* type, bool important)
      : host_(host), type_(type), important_(important) {}
  SIM_NPC* host_;
  SIM_SocialiseType* type_;
  bool important_;
  bool payOffer_ = false;
  std::vector<SIM_NPC*> guests_;
};

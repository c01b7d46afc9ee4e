// Stand-in for the player's romance until it is built: it keeps the partner so that people
// code can ask about it, and records offers, gifts and break-ups.
#pragma once

class SIM_NPC;
class SIM_Person;

class SIM_Romance {
 public:
  static SIM_Romance& Instance();
  SIM_Romance(const SIM_Romance&) = delete;
  SIM_Romance& operator=(const SIM_Romance&) = delete;

  // No partner.
  static void Reset();
  bool HasPartner() const { return partner_ != nullptr; }
  bool IsPartner(const SIM_Person* person) const;
  SIM_NPC* GetPartner() const { return partner_; }
  // A null partner ends the romance quietly (a partner who left the world).
  void SetPartner(SIM_NPC* partner);
  // The partner leaves the player.
  void DumpedByPartner();
  void OfferRomance(SIM_NPC* npc);
  // A gift for the partner (bought in the shop).
  void GiveGift();

 private:
  SIM_Romance() = default;
  SIM_NPC* partner_ = nullptr;
};

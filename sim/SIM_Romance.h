// The player's romance: at most one partner among the characters at a time. A character whose
// bond with the player has grown strong enough offers it (the player answers in a window);
// while it lasts it lifts the player's happiness, confidence and loneliness each day in
// proportion to how far the bond stands above the bust-up threshold. Gifts strengthen the bond
// but wear thin: each one raises the partner's cynicism, which shrinks the next gift's effect
// and fades by 8 % a day. It ends when the player dumps the partner (who leaves the player's
// world) or the partner leaves the player.
//
// The global value "_romance" is 1 while there is a partner and 0 otherwise, so activity
// prerequisites and modifiers can test it.
#pragma once

#include "engine/ProcessBase.h"

class SIM_NPC;
class SIM_Person;

class SIM_Romance : public ProcessBase {
 public:
  // One for the whole run; it is a daily process registered before any game's people.
  static SIM_Romance& Instance();

  // A new game: no partner, duration 0, "_romance" 0 (cynicism keeps its value).
  static void Reset();
  bool HasPartner() const { return partner_ != nullptr; }
  bool IsPartner(const SIM_Person* person) const;
  SIM_NPC* GetPartner() const { return partner_; }
  int GetDuration() const { return duration_; }
  float GetCynicism() const { return cynicism_; }

  // A character offers a romance: the screens ask the player. Nothing changes until the
  // player answers (accepting calls SetPartner).
  void OfferRomance(SIM_NPC* npc);
  // A new partner (or none): cynicism goes back to 0 when the partner changes; the duration
  // starts again. A null partner ends the romance quietly (a partner who left the world).
  void SetPartner(SIM_NPC* partner);
  // The player ends it: the partner leaves the player's world. The player's values stay.
  void DumpPartner();
  // The partner ends it: a message, the partner's attraction goes to 0 (no new offer while it
  // stays so), and the player's happiness, confidence and loneliness suffer.
  void DumpedByPartner();
  // A present for the partner: the bond grows by the gift boost less the cynicism, the
  // partner answers with a note that grows wearier with the cynicism, and the cynicism rises.
  void GiveGift();
  // The day's lift from the romance; nothing without a partner or a bond with them.
  void Process() override;

  // A load: the saved partner, duration and cynicism (a null partner: none).
  void Restore(SIM_NPC* partner, int duration, float cynicism);
  // Romances the player has accepted in this run (through new games and loads).
  static int RomancesBegun();

 private:
  SIM_Romance() = default;
  // The screens hear of every change of partner (the summary window closes).
  void Changed();

  SIM_NPC* partner_ = nullptr;
  int duration_ = 0;
  float cynicism_ = 0.0f;
};

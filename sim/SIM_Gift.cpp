// Gifts.
#include "sim/SIM_Gift.h"

#include "sim/SIM_Romance.h"

void SIM_Gift::Buy() {
  SIM_Asset::Buy();
  // Given away at once: the gift is no longer the player's.
  OnUpkeepUnpaid();
  SIM_Romance::Instance().GiveGift();
  // Straight back on the shelf rather than at the next day's step: a gift left among the
  // player's things would come back from a saved game as a possession.
  SIM_Asset::ReturnLapsed();
}

bool SIM_Gift::IsRebuyable() const { return SIM_Romance::Instance().HasPartner(); }

// Pet food: a pack adds ten days to its species' stock (PetFoodStock). It stays in the shop,
// never owned, and a pack bought takes the species' reminder note down.
#pragma once

#include "sim/SIM_Asset.h"

class SIM_PetFood : public SIM_Asset {
 public:
  static constexpr int kDaysPerPack = 10;

  explicit SIM_PetFood(int species) : species_(species) {}

  // "sim_catfood" .. "sim_hamsterfood" give the food of species 0..4; any other key null.
  static SIM_PetFood* Create(const std::string& classKey);
  // Every stock to 0 (new game, before a load).
  static void ClearStocks();

  void Buy() override;
  int GetSpecies() const { return species_; }

 private:
  int species_;
};

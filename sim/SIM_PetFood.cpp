// Pet food.
#include "sim/SIM_PetFood.h"

#include "sim/SIM_Finances.h"
#include "sim/SIM_PetBase.h"

SIM_PetFood* SIM_PetFood::Create(const std::string& classKey) {
  static const char* const kKeys[kPetSpeciesCount] = {"sim_catfood", "sim_dogfood", "sim_fishfood",
                                                      "sim_parrotfood", "sim_hamsterfood"};
  for (int species = 0; species < kPetSpeciesCount; ++species)
    if (classKey == kKeys[species]) return new SIM_PetFood(species);
  return nullptr;
}

void SIM_PetFood::ClearStocks() {
  for (int& stock : PetFoodStock) stock = 0;
}

void SIM_PetFood::Buy() {
  if (species_ < 0 || species_ >= kPetSpeciesCount) return;
  SIM_Finances::Instance().Spend(GetPrice());
  PetFoodStock[species_] += kDaysPerPack;
  if (SIM_PetBase* pet = Pets[species_]) pet->DropReminder();
}

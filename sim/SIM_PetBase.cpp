// STAND-IN: pets.
#include "sim/SIM_PetBase.h"

#include "engine/CallTrace.h"

void SIM_PetBase::ClearPets() { TraceCall("SIM_PetBase::ClearPets"); }

// STAND-IN: the dog's count of burglars seen off.
void SIM_Dog::CountBurglarAttack() { TraceCall("SIM_Dog::CountBurglarAttack"); }

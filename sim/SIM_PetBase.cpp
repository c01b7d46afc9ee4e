// STAND-IN: pets.
#include "sim/SIM_PetBase.h"

#include "engine/CallTrace.h"

void SIM_PetBase::ClearPets() { TraceCall("SIM_PetBase::ClearPets"); }

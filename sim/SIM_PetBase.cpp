// SIM_PetBase stand-in.
#include "sim/SIM_PetBase.h"

#include "engine/CallTrace.h"

void SIM_PetBase::ClearPets() { TraceCall("SIM_PetBase::ClearPets"); }

// SIM_PetFood stand-in.
#include "hooks/SIM_PetFood.h"

#include "engine/CallTrace.h"

void SIM_PetFood::ClearStocks() { TraceCall("SIM_PetFood::ClearStocks"); }

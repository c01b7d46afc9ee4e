// STAND-IN: pet food stocks.
#include "sim/SIM_PetFood.h"

#include "engine/CallTrace.h"

void SIM_PetFood::ClearStocks() { TraceCall("SIM_PetFood::ClearStocks"); }

// STAND-IN: restaurants.
#include "sim/SIM_Restaurant.h"

#include "engine/CallTrace.h"

void SIM_Restaurant::LoadAll() { TraceCall("SIM_Restaurant::LoadAll"); }
void SIM_Restaurant::DailyUpdateAll() { TraceCall("SIM_Restaurant::DailyUpdateAll"); }

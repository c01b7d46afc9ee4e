// Films placeholder.
#include "sim/SIM_Movie.h"

#include "engine/CallTrace.h"

void SIM_Movie::AdvanceWeeklyMovie() { TraceCall("SIM_Movie::AdvanceWeeklyMovie"); }

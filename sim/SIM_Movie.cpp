// STAND-IN: the films showing each week.
#include "sim/SIM_Movie.h"

#include "engine/CallTrace.h"

void SIM_Movie::AdvanceWeeklyMovie() { TraceCall("SIM_Movie::AdvanceWeeklyMovie"); }
void SIM_Movie::LoadAll() { TraceCall("SIM_Movie::LoadAll"); }
void SIM_Movie::DeleteAll() { TraceCall("SIM_Movie::DeleteAll"); }

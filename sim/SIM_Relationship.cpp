// SIM_Relationship stand-in.
#include "sim/SIM_Relationship.h"

#include "engine/CallTrace.h"

void SIM_Relationship::ClearFriendMadeToday() { TraceCall("SIM_Relationship::ClearFriendMadeToday"); }

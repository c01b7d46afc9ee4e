// Persons.
#include "sim/SIM_Person.h"

#include "engine/CallTrace.h"

void SIM_Person::ReloadAllPortraits() { TraceCall("SIM_Person::ReloadAllPortraits"); }

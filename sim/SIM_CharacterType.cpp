// SIM_CharacterType stand-in.
#include "sim/SIM_CharacterType.h"

#include "engine/CallTrace.h"

void SIM_CharacterType::LoadAll() { TraceCall("SIM_CharacterType::LoadAll"); }
void SIM_CharacterType::DeleteAll() { TraceCall("SIM_CharacterType::DeleteAll"); }

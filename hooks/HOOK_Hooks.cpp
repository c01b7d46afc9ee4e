// Puts the hobby windows' and mini-games' hooks into the simulation's function table.
#include "hooks/HOOK_Hooks.h"

#include "sim/SIM_FunctionTable.h"

void RegisterHobbyHooks() {
  SIM_FunctionTable& table = SIM_FunctionTable::Instance();
  table.ReplaceHook("easycrossword", HookEasyCrossword);
  table.ReplaceHook("crypticcrossword", HookCrypticCrossword);
  table.ReplaceHook("videogame", HookVideoGame);
  table.ReplaceHook("eveningclasses", HookEveningClasses);
}

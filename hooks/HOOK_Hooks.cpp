// STAND-IN: the hobby hooks (each records its call).
#include "hooks/HOOK_Hooks.h"

#include "engine/CallTrace.h"
#include "sim/SIM_FunctionTable.h"

void HookEveningClasses() { TraceCall("HookEveningClasses"); }

void RegisterHobbyHooks() {
  SIM_FunctionTable& table = SIM_FunctionTable::Instance();
  table.ReplaceHook("easycrossword", HookEasyCrossword);
  table.ReplaceHook("crypticcrossword", HookCrypticCrossword);
  table.ReplaceHook("videogame", HookVideoGame);
  table.ReplaceHook("eveningclasses", HookEveningClasses);
}

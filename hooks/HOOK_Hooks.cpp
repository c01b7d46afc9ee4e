// STAND-IN: the hobby hooks (each records its call).
#include "hooks/HOOK_Hooks.h"

#include "engine/CallTrace.h"
#include "sim/SIM_FunctionTable.h"

void HookInvestigateStory() { TraceCall("HookInvestigateStory"); }
void HookWatchTV() { TraceCall("HookWatchTV"); }
void HookSurfWeb() { TraceCall("HookSurfWeb"); }
void HookWriteScreenplay() { TraceCall("HookWriteScreenplay"); }
void HookWriteSong() { TraceCall("HookWriteSong"); }
void HookDevelopTheory() { TraceCall("HookDevelopTheory"); }
void HookShopping() { TraceCall("HookShopping"); }
void HookEveningClasses() { TraceCall("HookEveningClasses"); }
void HookAlcoholicsMeeting() { TraceCall("HookAlcoholicsMeeting"); }

void RegisterHobbyHooks() {
  SIM_FunctionTable& table = SIM_FunctionTable::Instance();
  table.ReplaceHook("investigatestory", HookInvestigateStory);
  table.ReplaceHook("watchtv", HookWatchTV);
  table.ReplaceHook("surfweb", HookSurfWeb);
  table.ReplaceHook("writescreenplay", HookWriteScreenplay);
  table.ReplaceHook("writesong", HookWriteSong);
  table.ReplaceHook("developtheory", HookDevelopTheory);
  table.ReplaceHook("shopping", HookShopping);
  table.ReplaceHook("easycrossword", HookEasyCrossword);
  table.ReplaceHook("crypticcrossword", HookCrypticCrossword);
  table.ReplaceHook("videogame", HookVideoGame);
  table.ReplaceHook("eveningclasses", HookEveningClasses);
  table.ReplaceHook("alcoholicsmeeting", HookAlcoholicsMeeting);
}

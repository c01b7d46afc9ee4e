// Stand-ins for the hobby hooks: each records its call.
#include "hooks/HOOK_Hooks.h"

#include "engine/CallTrace.h"

void HookInvestigateStory() { TraceCall("HookInvestigateStory"); }
void HookWatchTV() { TraceCall("HookWatchTV"); }
void HookSurfWeb() { TraceCall("HookSurfWeb"); }
void HookWriteScreenplay() { TraceCall("HookWriteScreenplay"); }
void HookWriteSong() { TraceCall("HookWriteSong"); }
void HookDevelopTheory() { TraceCall("HookDevelopTheory"); }
void HookShopping() { TraceCall("HookShopping"); }
void HookEasyCrossword() { TraceCall("HookEasyCrossword"); }
void HookCrypticCrossword() { TraceCall("HookCrypticCrossword"); }
void HookVideoGame() { TraceCall("HookVideoGame"); }
void HookEveningClasses() { TraceCall("HookEveningClasses"); }
void HookAlcoholicsMeeting() { TraceCall("HookAlcoholicsMeeting"); }

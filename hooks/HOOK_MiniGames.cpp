// The mini-games' hooks: each opens its window through the screens, as a run without the
// hobbies does, so both paths open the same window.
#include "hooks/HOOK_Hooks.h"

#include "sim/SIM_Screens.h"

void HookEasyCrossword() { Screens().OpenCrossword(true); }
void HookCrypticCrossword() { Screens().OpenCrossword(false); }
void HookVideoGame() { Screens().OpenMatch3Game(); }

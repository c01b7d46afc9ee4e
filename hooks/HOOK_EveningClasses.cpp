// The evening classes' hook: it opens the enrolment window through the screens, as a run
// without the hobbies does. The class types were read at the new game or the load; reading
// them again here would un-enrol the player.
#include "hooks/HOOK_Hooks.h"

#include "sim/SIM_Screens.h"

void HookEveningClasses() { Screens().OpenEveningClasses(true); }

// STAND-IN: the not-enough-money dialog.
#include "gui/windows/GUI_NoMoneyDialog.h"

#include "engine/CallTrace.h"

void GUI_NoMoneyDialog::Open(SIM_SocialiseType*, SIM_NPC*) { TraceCall("GUI_NoMoneyDialog::Open"); }

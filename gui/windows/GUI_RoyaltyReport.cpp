// STAND-IN: the royalty report.
#include "gui/windows/GUI_RoyaltyReport.h"

#include "engine/CallTrace.h"

void GUI_RoyaltyReport::Open(SIM_RoyaltyStream*) { TraceCall("GUI_RoyaltyReport::Open"); }
void GUI_RoyaltyReport::Close() { TraceCall("GUI_RoyaltyReport::Close"); }

// STAND-IN: the fish tank and its flies.
#include "gui/GUI_FishTank.h"

#include "engine/CallTrace.h"

void GUI_FishTank::Draw() { TraceCall("GUI_FishTank::Draw"); }

void GUI_FishTank::DrawFlies() { TraceCall("GUI_FishTank::DrawFlies"); }

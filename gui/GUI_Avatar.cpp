// GUI_Avatar stand-in.
#include "gui/GUI_Avatar.h"

#include "engine/CallTrace.h"

void GUI_Avatar::SetMood(int mood) { TraceCall("GUI_Avatar::SetMood " + std::to_string(mood)); }

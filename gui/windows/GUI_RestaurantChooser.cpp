// STAND-IN: the restaurant chooser.
#include "gui/windows/GUI_RestaurantChooser.h"

#include "engine/CallTrace.h"

void GUI_RestaurantChooser::Close() { TraceCall("GUI_RestaurantChooser::Close"); }

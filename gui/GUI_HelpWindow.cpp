// Help pop-up placeholder.
#include "gui/GUI_HelpWindow.h"

#include <string>

#include "engine/CallTrace.h"

void ShowHelpPopup(const char* key, float /*x*/, float /*y*/) {
  TraceCall(std::string("ShowHelpPopup:") + (key ? key : ""));
}

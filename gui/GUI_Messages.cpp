// Hint and picture message stand-ins.
#include "gui/GUI_Messages.h"

#include "engine/CallTrace.h"

void ShowHint(const std::string& key) { TraceCall("ShowHint " + key); }

void ShowTextureMessage(const std::string& picture, const std::string& text,
                        const std::string& title) {
  TraceCall("ShowTextureMessage " + picture + "|" + text + "|" + title);
}

// STAND-IN: the community page upload.
#include "gui/GUI_CommunityPage.h"

#include "engine/CallTrace.h"

void PostCommunityPage(std::string& /*body*/) { TraceCall("PostCommunityPage"); }

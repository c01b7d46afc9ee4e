// STAND-IN: small talk.
#include "sim/SIM_SmallTalk.h"

#include "engine/CallTrace.h"

void SIM_SmallTalk::Clear() { TraceCall("SIM_SmallTalk::Clear"); }
void SIM_SmallTalk::DailyUpdate() { TraceCall("SIM_SmallTalk::DailyUpdate"); }
void SIM_SmallTalk::AddNews(const std::string& key, int) { TraceCall("SIM_SmallTalk::AddNews " + key); }

// A record of calls into subsystems that are still stand-ins, so tests can check the order in
// which the shell calls them. Each stand-in records "Class::Operation" when called.
#pragma once

#include <string>
#include <vector>

void TraceCall(const std::string& name);
const std::vector<std::string>& TracedCalls();
void ClearTracedCalls();

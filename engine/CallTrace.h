// A record of calls into subsystems that are still stand-ins (each marked "// STAND-IN: ..."),
// so tests can check the order in which the game calls them. Each stand-in records
// "Class::Operation" when called; finished code never records.
#pragma once

#include <string>
#include <vector>

void TraceCall(const std::string& name);
const std::vector<std::string>& TracedCalls();
void ClearTracedCalls();

// Bounded record of stand-in calls.
#include "engine/CallTrace.h"

namespace {

// A long headless run calls stand-ins every frame; keep only the recent past.
constexpr size_t kMaxCalls = 4096;

std::vector<std::string>& Calls() {
  static std::vector<std::string> calls;
  return calls;
}

}  // namespace

void TraceCall(const std::string& name) {
  auto& calls = Calls();
  if (calls.size() >= kMaxCalls) calls.erase(calls.begin(), calls.begin() + kMaxCalls / 2);
  calls.push_back(name);
}

const std::vector<std::string>& TracedCalls() { return Calls(); }

void ClearTracedCalls() { Calls().clear(); }

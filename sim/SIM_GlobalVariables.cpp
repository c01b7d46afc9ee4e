// Game variables from the data folder.
#include "sim/SIM_GlobalVariables.h"

#include "engine/DebugLog.h"
#include "engine/Utilities.h"
#include "platform/Profile.h"

namespace {

constexpr size_t kMaxName = 1023;
constexpr size_t kMaxValue = 30;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

SIM_GlobalVariables& SIM_GlobalVariables::Instance() {
  static SIM_GlobalVariables variables;
  return variables;
}

void SIM_GlobalVariables::Load(const std::string& file) {
  entries_.clear();
  firstValue_.clear();
  // The section's lines one by one: a line without '=' is a note for the reader of the file
  // and must never swallow the variable on the line after it.
  for (const std::string& line : plat::ReadProfileSection("config", file)) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string name = line.substr(0, eq);
    while (!name.empty() && IsBlank(name.back())) name.pop_back();
    if (name.empty() || name[0] == '/') continue;
    if (name.size() > kMaxName) name.resize(kMaxName);
    const std::string value = line.substr(eq + 1, kMaxValue);
    entries_.emplace_back(name, ParseFloatPrefix(value.c_str()));
    firstValue_.emplace(entries_.back());  // a name met again keeps its first value
  }
}

float SIM_GlobalVariables::Get(const std::string& name) const {
  if (const auto it = firstValue_.find(name); it != firstValue_.end()) return it->second;
  FatalError("Missing Global variable", "SIM_GlobalVariables", 40);
}

bool SIM_GlobalVariables::Has(const std::string& name) const { return firstValue_.contains(name); }

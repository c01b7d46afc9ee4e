// Game variables from the data folder.
#include "sim/SIM_GlobalVariables.h"

#include "engine/ConfigFile.h"
#include "engine/DebugLog.h"
#include "engine/Utilities.h"

SIM_GlobalVariables& SIM_GlobalVariables::Instance() {
  static SIM_GlobalVariables variables;
  return variables;
}

void SIM_GlobalVariables::Load(const std::string& file) {
  entries_.clear();
  ConfigFile config;
  config.LoadSection("config", file);
  std::string name, value;
  while (config.ReadNextPair(name, 1024, value, 31)) {
    if (name.empty() || name[0] == '/') continue;  // comment lines
    entries_.emplace_back(name, static_cast<float>(ParseFloatPrefix(value.c_str())));
  }
}

float SIM_GlobalVariables::Get(const std::string& name) const {
  for (const auto& [key, value] : entries_)
    if (key == name) return value;
  FatalError("Missing Global variable", "SIM_GlobalVariables", 40);
}

bool SIM_GlobalVariables::Has(const std::string& name) const {
  for (const auto& entry : entries_)
    if (entry.first == name) return true;
  return false;
}

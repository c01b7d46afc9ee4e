// STAND-IN: industries.
#include "sim/SIM_Industry.h"

#include "engine/CallTrace.h"

namespace {

std::vector<std::unique_ptr<SIM_Industry>>& Owned() {
  static std::vector<std::unique_ptr<SIM_Industry>> owned;
  return owned;
}

std::vector<SIM_Industry*>& List() {
  static std::vector<SIM_Industry*> list;
  return list;
}

}  // namespace

void SIM_Industry::ResetGlobalValues() { TraceCall("SIM_Industry::ResetGlobalValues"); }

const std::vector<SIM_Industry*>& SIM_Industry::All() { return List(); }

SIM_Industry* SIM_Industry::Add(std::unique_ptr<SIM_Industry> industry) {
  List().push_back(industry.get());
  Owned().push_back(std::move(industry));
  return List().back();
}

void SIM_Industry::DeleteAll() {
  List().clear();
  Owned().clear();
}

// Ways of getting to work.
#include "sim/SIM_CommuteMethod.h"

#include "engine/CallTrace.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<std::unique_ptr<SIM_CommuteMethod>>& Methods() {
  static std::vector<std::unique_ptr<SIM_CommuteMethod>> methods;
  return methods;
}

int g_chosen = -1;

}  // namespace

SIM_CommuteMethod::SIM_CommuteMethod(const std::string& name, const std::string& description,
                                     const std::string& picture, float maxDistance,
                                     float costPerMile)
    : name_(name),
      description_(description),
      picture_(picture),
      maxDistance_(maxDistance),
      costPerMile_(costPerMile) {}

// STAND-IN: deleting the commute methods (the table comes with the possessions).
void SIM_CommuteMethod::DeleteAll() {
  TraceCall("SIM_CommuteMethod::DeleteAll");
  Methods().clear();
  g_chosen = -1;
}

// STAND-IN: checking the chosen way to work against a new job.
void SIM_CommuteMethod::ValidateChoice() { TraceCall("SIM_CommuteMethod::ValidateChoice"); }

// STAND-IN: choosing a way to work by its name.
void SIM_CommuteMethod::SelectByName(const std::string& name) {
  TraceCall("SIM_CommuteMethod::SelectByName " + name);
}

const std::vector<std::unique_ptr<SIM_CommuteMethod>>& SIM_CommuteMethod::All() {
  return Methods();
}

SIM_CommuteMethod* SIM_CommuteMethod::Add(std::unique_ptr<SIM_CommuteMethod> method) {
  Methods().push_back(std::move(method));
  return Methods().back().get();
}

int SIM_CommuteMethod::GetChosenIndex() { return g_chosen; }

void SIM_CommuteMethod::SetChosenIndex(int index) { g_chosen = index; }

SIM_CommuteMethod* SIM_CommuteMethod::GetChosen() {
  if (g_chosen < 0 || static_cast<size_t>(g_chosen) >= Methods().size()) return nullptr;
  return Methods()[static_cast<size_t>(g_chosen)].get();
}

bool SIM_CommuteMethod::IsAvailable() const {
  if (maxDistance_ < 0.0f) return true;
  const SIM_JobInstance* job = SIM_Vesk::Instance()->GetJobInstance();
  return job && job->GetCommuteDistance() <= maxDistance_;
}

// STAND-IN: reading the commute methods table.
void LoadCommuteMethods() { TraceCall("LoadCommuteMethods"); }

// STAND-IN: the job table (two fixed jobs until it is read).
#include "sim/SIM_JobBase.h"

#include <memory>
#include <vector>

#include "engine/CallTrace.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<std::unique_ptr<SIM_JobBase>>& Jobs() {
  static std::vector<std::unique_ptr<SIM_JobBase>> jobs;
  return jobs;
}

std::vector<SIM_JobBase*>& Result() {
  static std::vector<SIM_JobBase*> result;
  return result;
}

}  // namespace

SIM_JobBase::SIM_JobBase(const std::string& name) { SetName(name); }

void SIM_JobBase::LoadAll() {
  TraceCall("SIM_JobBase::LoadAll");
  Jobs().clear();
  Result().clear();
  Jobs().push_back(std::make_unique<SIM_JobBase>("waiter_0"));
  Jobs().push_back(std::make_unique<SIM_JobBase>("unemployed"));
}

void SIM_JobBase::DeleteAll() {
  TraceCall("SIM_JobBase::DeleteAll");
  Result().clear();
  Jobs().clear();
}

void SIM_JobBase::RollOpenings() { TraceCall("SIM_JobBase::RollOpenings"); }

SIM_JobBase* SIM_JobBase::FindByName(const std::string& name) {
  for (auto& job : Jobs())
    if (job->GetName() == name) return job.get();
  return nullptr;
}

void SIM_JobBase::AssignLockedJobToNpc(SIM_NPC*) { TraceCall("SIM_JobBase::AssignLockedJobToNpc"); }

void SIM_JobBase::WorkDay() { TraceCall("SIM_JobBase::WorkDay"); }

SIM_JobBase* SIM_JobBase::Install(std::unique_ptr<SIM_JobBase> job) {
  SIM_JobBase* installed = job.get();
  for (auto& entry : Jobs()) {
    if (entry->GetName() == job->GetName()) {
      entry = std::move(job);
      return installed;
    }
  }
  Jobs().push_back(std::move(job));
  return installed;
}

SIM_JobBase* SIM_JobBase::Add(std::unique_ptr<SIM_JobBase> job) {
  Jobs().push_back(std::move(job));
  return Jobs().back().get();
}

void SIM_JobBase::SearchJobs(const std::string& industry, bool qualifiedOnly) {
  Result().clear();
  const SIM_JobBase* current = SIM_Vesk::Instance()->GetJob();
  for (auto& job : Jobs()) {
    if (job->industry_ != industry || job.get() == current || job->applyCooldown_ > 0 ||
        !job->openToday_)
      continue;
    if (qualifiedOnly && (job->locked_ || !job->ArePrerequisitesMet())) continue;
    Result().push_back(job.get());
  }
}

const std::vector<SIM_JobBase*>& SIM_JobBase::SearchResult() { return Result(); }

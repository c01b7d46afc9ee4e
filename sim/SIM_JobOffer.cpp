// STAND-IN: job offers.
#include "sim/SIM_JobOffer.h"

#include "engine/CallTrace.h"
#include "sim/SIM_JobBase.h"

void SIM_JobOffer::DailyUpdate() { TraceCall("SIM_JobOffer::DailyUpdate"); }

void SIM_JobOffer::Apply(SIM_JobBase* job) {
  TraceCall("SIM_JobOffer::Apply " + (job ? job->GetName() : std::string("none")));
}

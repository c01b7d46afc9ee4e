#include "sim/SIM_JobOffer.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<SIM_JobOffer*>& Offers() {
  static std::vector<SIM_JobOffer*> offers;
  return offers;
}

int g_lastReason = SIM_JobOffer::kOther;

constexpr const char* kDefaultPicture = "joboffer_suits.bmp";

std::string OfferPicture(const SIM_JobBase* job) {
  if (const SIM_Industry* industry = SIM_Industry::FindByName(job->GetIndustryName())) {
    if (!industry->GetOfferPicture().empty()) return industry->GetOfferPicture();
  }
  return kDefaultPicture;
}

}  // namespace

SIM_JobOffer::SIM_JobOffer(SIM_JobBase* job, bool success, int reason)
    : job_(job), success_(success), reason_(reason) {
  ReportAssertion(job != nullptr, "SIM_JobOffer", 28);
  picture_ = job ? OfferPicture(job) : kDefaultPicture;
  // An offer points into the job catalogue: whenever the catalogue is rebuilt, however that
  // comes about, the offers go first, so none is ever left holding a freed job.
  static const bool hooked = [] {
    SIM_JobBase::SetRebuildHook(&SIM_JobOffer::DeleteAll);
    return true;
  }();
  (void)hooked;
  Offers().push_back(this);
  TraceEvent(success ? "Job offer (success)" : "Job offer (failed)");
}

SIM_JobOffer::~SIM_JobOffer() {
  auto& offers = Offers();
  offers.erase(std::remove(offers.begin(), offers.end(), this), offers.end());
}

float SIM_JobOffer::GetInterviewChance() {
  if (!SIM_Health::Instance().IsHealthy()) {
    g_lastReason = kIll;
    return 0.0f;
  }
  SIM_Vesk* vesk = SIM_Vesk::Instance();
  for (const char* name : {"confidence", "tiredness", "alcohol", "happiness"}) {
    if (!vesk->HasValue(name)) {
      LogWarning("coukdnt find essential values", "SIM_JobOffer", 71);
      return 0.0f;
    }
  }
  // Each shortfall costs up to a quarter of the chance; the largest names the reason, the
  // earlier one winning a tie.
  const float penalties[4] = {
      0.25f * vesk->GetValue("alcohol"),
      0.25f * (1.0f - vesk->GetValue("confidence")),
      0.25f * vesk->GetValue("tiredness"),
      0.25f * (1.0f - vesk->GetValue("happiness")),
  };
  float largest = -1.0f;
  float chance = 1.0f;
  for (int i = 0; i < 4; ++i) {
    chance -= penalties[i];
    if (penalties[i] > largest) {
      largest = penalties[i];
      g_lastReason = i;
    }
  }
  return chance;
}

int SIM_JobOffer::GetLastInterviewReason() { return g_lastReason; }

SIM_JobOffer* SIM_JobOffer::Apply(SIM_JobBase* job) {
  if (!job) {
    LogWarning("Null job offer", "SIM_JobOffer", 96);
    return nullptr;
  }
  const float chance = GetInterviewChance();
  const bool success = RandomChance(chance);
  return new SIM_JobOffer(job, success, g_lastReason);
}

void SIM_JobOffer::DailyUpdate() {
  // A delivered offer lived as long as its mail item, which the day's end has just taken.
  std::vector<SIM_JobOffer*> delivered;
  for (SIM_JobOffer* offer : Offers())
    if (!offer->pending_) delivered.push_back(offer);
  for (SIM_JobOffer* offer : delivered) delete offer;

  // Sending may make no new offer, but walk a copy all the same.
  const std::vector<SIM_JobOffer*> offers = Offers();
  for (SIM_JobOffer* offer : offers) {
    if (--offer->daysLeft_ > 0) continue;
    offer->pending_ = false;
    Screens().AddJobOffer(offer);
  }
}

void SIM_JobOffer::DeleteAll() {
  while (!Offers().empty()) delete Offers().back();
}

void SIM_JobOffer::ResendDelivered() {
  const std::vector<SIM_JobOffer*> offers = Offers();
  for (SIM_JobOffer* offer : offers)
    if (!offer->pending_) Screens().AddJobOffer(offer);
}

const std::vector<SIM_JobOffer*>& SIM_JobOffer::All() { return Offers(); }

bool SIM_JobOffer::Exists(const SIM_JobOffer* offer) {
  return offer && std::find(Offers().begin(), Offers().end(), offer) != Offers().end();
}

bool SIM_JobOffer::RefersTo(const SIM_JobBase* job) {
  for (const SIM_JobOffer* offer : Offers())
    if (offer->job_ == job) return true;
  return false;
}

void SIM_JobOffer::ApplyRejection() {
  // Reading the letter again does not hurt again.
  if (rejectionApplied_) return;
  rejectionApplied_ = true;
  SIM_Vesk::Instance()->ModifyValue("confidence", -0.25f, 0.2f, "job rejection");
}

void SIM_JobOffer::Accept() {
  SIM_Vesk* vesk = SIM_Vesk::Instance();
  vesk->SetJob(job_);
  const float stress = SIM_GlobalVariables::Instance().Get("GV_NEWJOB_STRESS") *
                       (1.0f - vesk->GetValue("confidence"));
  vesk->ModifyValue("stress", stress, 0.75f, "new job");
  TraceEvent("Job offer accepted");
}

std::vector<SaveJobOffer> SIM_JobOffer::Capture() {
  std::vector<SaveJobOffer> saved;
  const auto& pool = SIM_EntertainJob::All();
  for (const SIM_JobOffer* offer : Offers()) {
    SaveJobOffer& r = saved.emplace_back();
    r.job = offer->job_->GetName();
    const auto at = std::find(pool.begin(), pool.end(), offer->job_);
    r.pool = at == pool.end() ? -1 : static_cast<int>(at - pool.begin());
    r.success = offer->success_;
    r.pending = offer->pending_;
    r.daysLeft = offer->daysLeft_;
    r.reason = offer->reason_;
    r.rejectionApplied = offer->rejectionApplied_;
  }
  return saved;
}

std::vector<SIM_JobOffer*> SIM_JobOffer::Restore(const std::vector<SaveJobOffer>& saved,
                                                 bool resend) {
  std::vector<SIM_JobOffer*> made;
  const auto& pool = SIM_EntertainJob::All();
  for (const SaveJobOffer& r : saved) {
    SIM_JobBase* job = nullptr;
    if (r.pool >= 0) {
      if (r.pool < static_cast<int>(pool.size())) job = pool[r.pool];
    } else {
      job = SIM_JobBase::FindByName(r.job);
    }
    if (!job) {
      LogWarning(("Dropped an offer of an unknown job: " + r.job).c_str(), "SIM_JobOffer", 0);
      made.push_back(nullptr);
      continue;
    }
    SIM_JobOffer* offer = new SIM_JobOffer(job, r.success, r.reason);
    offer->Restore(r.pending, r.daysLeft, r.rejectionApplied);
    made.push_back(offer);
  }
  if (resend) ResendDelivered();
  return made;
}

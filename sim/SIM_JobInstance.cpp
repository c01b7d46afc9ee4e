// The player's hold on a job: performance history, promotion and the end of a contract.
#include "sim/SIM_JobInstance.h"

#include <algorithm>
#include <set>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

void TraceEvent(const std::string& text);

namespace {

constexpr int kHighestSalaryStatistic = 5;

// Defendants of the court cases.
const char* const kDefendants[] = {"Harrow", "Pellwick", "Dunmore", "Ashgrove", "Tillet",
                                   "Crane",  "Morrow",   "Quayle",  "Ibbot",    "Fenwright"};

}  // namespace

SIM_JobInstance* SIM_JobInstance::Create(SIM_JobBase* job) {
  if (job && job->GetIndustryName() == "legal") return new SIM_LegalJob(job);
  return new SIM_JobInstance(job);
}

SIM_JobInstance::SIM_JobInstance(SIM_JobBase* job) : job_(job) {
  if (job_) job_->EnsureCommuteDistance();
  BindAttributes();
}

void SIM_JobInstance::BindAttributes() {
  attributes_ = {};
  if (!job_) {
    ReportAssertion(false, "SIM_JobInstance", __LINE__);
    return;
  }
  // A job whose promotion attribute the player lacks (a mod job without its keys, a typo)
  // counts that part of the performance as 0; it is said once per name, not every day.
  static std::set<std::string> warned;
  for (int i = 0; i < 3; ++i) {
    const std::string& name = job_->GetPromoteAttribute(i);
    attributes_[i] = name.empty() ? nullptr : SIM_Vesk::Instance()->GetNamedValue(name, false);
    if (!attributes_[i] && warned.insert(job_->GetName() + "/" + name).second)
      LogWarning(("Job " + job_->GetName() + " promotes on a missing attribute '" + name + "'")
                     .c_str(),
                 "SIM_JobInstance", __LINE__);
  }
}

float SIM_JobInstance::GetSalary() const {
  if (!job_) {
    ReportAssertion(false, "SIM_JobInstance", __LINE__);
    return 0.0f;
  }
  const float step = (job_->GetMaxSalary() - job_->GetMinSalary()) / 5.0f;
  return job_->GetMinSalary() + step * static_cast<float>(level_);
}

bool SIM_JobInstance::IsPromotionTooSoon() const {
  const int gap = ClampToInt(SIM_GlobalVariables::Instance().Get("GV_PROMOTION_MINGAP"));
  return daysSincePromotion_ < gap;
}

SIM_JobInstance::PromotionHold SIM_JobInstance::GetPromotionHold() const {
  if (IsTopLevel()) return PromotionHold::kTopLevel;
  // Every grade above the first was a promotion in this job; at the first grade the gap runs
  // from the day the job began, so it is the days in the job that are too few.
  if (IsPromotionTooSoon()) return level_ == 0 ? PromotionHold::kTooNew : PromotionHold::kTooSoon;
  if (historyCount_ < kHistory) return PromotionHold::kTooNew;
  return PromotionHold::kNone;
}

void SIM_JobInstance::SetLevel(int level) { level_ = std::clamp(level, 0, kTopLevel); }

void SIM_JobInstance::SetHistory(const std::array<Performance, kHistory>& history) {
  history_ = history;
  // A restored job of no days yet keeps the starting average, without the warning.
  if (std::any_of(history_.begin(), history_.end(), [](const Performance& p) { return p.valid; }))
    ComputeAveragePerformance();
  else
    historyCount_ = 0;
}

float SIM_JobInstance::GetAttributeValue(int i) const {
  return attributes_[i] ? attributes_[i]->GetValue() : 0.0f;
}

float SIM_JobInstance::GetCommuteDistance() const {
  return job_ ? std::max(0.0f, job_->GetCommuteDistance()) : 0.0f;
}

void SIM_JobInstance::SetCommuteDistance(float distance) {
  if (job_) job_->SetCommuteDistance(distance);
}

void SIM_JobInstance::ComputeAveragePerformance() {
  float sum = 0.0f;
  int count = 0;
  for (const Performance& p : history_) {
    if (!p.valid) continue;
    sum += p.value;
    ++count;
  }
  historyCount_ = count;
  if (count == 0) {
    LogWarning("No valid job data", "SIM_JobInstance", __LINE__);
    return;
  }
  average_ = sum / static_cast<float>(count);
}

void SIM_JobInstance::DailyUpdate() {
  std::move_backward(history_.begin(), history_.end() - 1, history_.end());
  const float today = 0.33f * (GetAttributeValue(0) + GetAttributeValue(1) + GetAttributeValue(2));
  history_[0] = {true, std::clamp(today, 0.0f, 1.0f)};
  ComputeAveragePerformance();
  if (!TryPromotion()) ++daysSincePromotion_;
  // The statistic is taken before a contract end could replace this job.
  SIM_Statistics::Instance().SetMaxFloat(GetSalary(), kHighestSalaryStatistic);
  contractEnded_ = EndContract();
}

bool SIM_JobInstance::TryPromotion() {
  if (historyCount_ < kHistory) return false;
  if (level_ >= kTopLevel) return false;
  if (IsPromotionTooSoon()) return false;
  if (!job_ || job_->GetMinSalary() == job_->GetMaxSalary()) return false;
  if (average_ < 0.25f) return false;
  if (!RandomChance(average_ / 20.0f)) return false;
  Promote();
  return true;
}

void SIM_JobInstance::Promote() {
  ++level_;
  SIM_SmallTalk::AddNews("SMALLTALK_PROMOTION", 4);
  daysSincePromotion_ = 0;
  SIM_Tovel::Instance().Add(SIM_GlobalVariables::Instance().Get("GV_PROMOTION_TOVELGAIN") *
                            static_cast<float>(level_));
  SIM_Screens& screens = Screens();
  screens.AddWorkDayLine(7, 0);
  screens.ShowFMV("FMV_PROMOTED");
  screens.RefreshCareer();
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->ModifyValue("happiness", 0.3f, 0.25f, "promotion");
  player->ModifyValue("confidence", 0.2f, 0.25f, "promotion");
  TraceEvent("promoted");
  screens.RefreshWindowTextures();
}

bool SIM_JobInstance::EndContract() {
  ++daysInJob_;
  return job_ && job_->GetDuration() != -1 && daysInJob_ == job_->GetDuration();
}

SIM_JobInstance::DayEnd SIM_JobInstance::DailyUpdatePlayer() {
  SIM_Vesk* player = SIM_Vesk::Instance();
  SIM_JobInstance* instance = player->GetJobInstance();
  if (!instance) return {};
  instance->DailyUpdate();
  const DayEnd day{true, instance->GetDaysInJob(), instance->GetSalary(), instance->ContractEnded()};
  if (!day.contractEnded) return day;
  // The switch replaces the instance: nothing of it is touched after this point.
  SIM_JobBase* unemployed = SIM_JobBase::FindByName("unemployed", true);
  unemployed->SetWorksInTheDay(false);
  player->SetJob(unemployed);
  Screens().ShowMessage(Translate("CONTRACT_END_TEXT"), Translate("CONTRACT_END_TITLE"));
  return day;
}

// ---- Court cases ----

SIM_LegalJob::SIM_LegalJob(SIM_JobBase* job) : SIM_JobInstance(job) { NewCase(); }

void SIM_LegalJob::NewCase() {
  caseDifficulty_ = RandomFloat(0.75f, 1.25f);
  caseLength_ = kCaseLength;
  daysIntoCase_ = 0;
  caseValue_ = 16.0f * caseDifficulty_;
  constexpr int kCount = static_cast<int>(sizeof kDefendants / sizeof kDefendants[0]);
  caseTitle_ = std::string("People vs ") + kDefendants[RandomBelow(kCount)];
}

void SIM_LegalJob::DailyUpdate() {
  SIM_JobInstance::DailyUpdate();
  if (++daysIntoCase_ >= caseLength_) NewCase();
}

void SIM_LegalJob::SetCase(float difficulty, const std::string& title, int length, int daysInto,
                           float value) {
  caseDifficulty_ = difficulty;
  caseTitle_ = title;
  caseLength_ = std::max(1, length);
  daysIntoCase_ = std::clamp(daysInto, 0, caseLength_ - 1);
  caseValue_ = value;
}

#include "sim/SIM_EntertainJob.h"

#include <algorithm>
#include <memory>

#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_Prerequisite.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<SIM_EntertainJob*>& AllList() {
  static std::vector<SIM_EntertainJob*> jobs;
  return jobs;
}
std::vector<SIM_EntertainJob*>& ActingList() {
  static std::vector<SIM_EntertainJob*> jobs;
  return jobs;
}
std::vector<SIM_EntertainJob*>& MusicList() {
  static std::vector<SIM_EntertainJob*> jobs;
  return jobs;
}

void EraseFrom(std::vector<SIM_EntertainJob*>& list, const SIM_EntertainJob* job) {
  list.erase(std::remove(list.begin(), list.end(), job), list.end());
}

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// A pick of the word lists, copied at once (the lookup's buffer is shared).
std::string Pick(const std::string& section) {
  return GetRandomStringFromFile(section, SIM_EntertainJob::kWordFile);
}

std::string Fixed2(float v) { return FormatFixed(v, 2); }

// The single-precision thresholds of the acting levels.
constexpr float kInter = 0.33f;
constexpr float kAdv = 0.66f;

}  // namespace

float SIM_EntertainJob::BaseSalary(float level) {
  if (level >= 0.8f) return (level - 0.8f) * 5.0f * 40000.0f + 25100.0f;
  return level * 22000.0f + 7500.0f;
}

SIM_EntertainJob::SIM_EntertainJob(bool draw) : SIM_JobBase(kName) {
  if (draw) {
    level_ = RandomFloat(0.0f, 1.0f);
    float salary;
    if (level_ >= 0.8f) {
      salary = (level_ - 0.8f) * 5.0f * 40000.0f + 25100.0f;
    } else {
      salary = RandomFloat(0.9f, 1.1f) * level_ * 22000.0f + 7500.0f;
    }
    salary *= RandomFloat(0.9f, 1.1f);
    // One pay whatever the level reached: these jobs never promote.
    SetSalaryRange(salary, salary);
    commuteDistance_ = RandomFloat(0.5f, 10.0f);
  }
  industry_.clear();
  rarity_ = 1.0f;
  locked_ = false;
  sociability_ = 0.85f;
  socialTovel_ = level_;
  AllList().push_back(this);
}

SIM_EntertainJob::~SIM_EntertainJob() { EraseFrom(AllList(), this); }

void SIM_EntertainJob::Generate() {
  BuildRejectionText();
  BuildName();
  PickProduction();
  BuildPrerequisites();
  BuildModifiers();
}

const std::vector<SIM_EntertainJob*>& SIM_EntertainJob::All() { return AllList(); }
const std::vector<SIM_EntertainJob*>& SIM_EntertainJob::Acting() { return ActingList(); }
const std::vector<SIM_EntertainJob*>& SIM_EntertainJob::Music() { return MusicList(); }

SIM_EntertainJob* SIM_EntertainJob::MakeActing() {
  auto job = std::make_unique<SIM_ActingJob>();
  job->Generate();
  return static_cast<SIM_EntertainJob*>(SIM_JobBase::Add(std::move(job)));
}

SIM_EntertainJob* SIM_EntertainJob::MakeMusic() {
  auto job = std::make_unique<SIM_MusicJob>();
  job->Generate();
  return static_cast<SIM_EntertainJob*>(SIM_JobBase::Add(std::move(job)));
}

std::unique_ptr<SIM_EntertainJob> SIM_EntertainJob::MakeForIndustry(const std::string& industry) {
  if (industry == "acting") return std::make_unique<SIM_ActingJob>(false);
  if (industry == "music") return std::make_unique<SIM_MusicJob>(false);
  return nullptr;
}

std::vector<SaveEntertainJob> SIM_EntertainJob::CapturePool(int& held) {
  std::vector<SaveEntertainJob> pool;
  held = -1;
  const SIM_JobBase* playerJob = SIM_Vesk::Instance()->GetJob();
  for (const SIM_EntertainJob* job : AllList()) {
    if (job == playerJob) held = static_cast<int>(pool.size());
    SaveEntertainJob& r = pool.emplace_back();
    r.industryName = job->industry_;
    r.guiName = job->GetGuiName();
    r.employerName = job->employer_;
    r.workplace = job->workplace_;
    r.maleDesc = job->maleDesc_;
    r.femaleDesc = job->femaleDesc_;
    r.rejectionText = job->rejectionText_;
    r.specialty = job->specialty_;
    r.family = job->family_;
    r.level = job->level_;
    r.age = job->age_;
    r.cooldown = job->applyCooldown_;
    r.openToday = job->openToday_;
    r.commuteDistance = job->commuteDistance_;
    r.minSalary = job->minSalary_;
    r.maxSalary = job->maxSalary_;
    r.duration = job->duration_;
    r.daysSinceLastFriend = job->daysSinceLastColleague_;
    r.rarity = job->rarity_;
    r.sociability = job->sociability_;
    r.socialTovel = job->socialTovel_;
    for (const auto& p : job->GetPrerequisites())
      r.prereqs.push_back({p->GetName(), p->GetThreshold(), p->IsFirst(), p->IsBelow()});
    for (const SIM_Modifier* m : job->GetModifiers())
      r.modifiers.push_back({m->name, m->source, m->limit, m->amount});
  }
  return pool;
}

std::unique_ptr<SIM_EntertainJob> SIM_EntertainJob::FromSave(const SaveEntertainJob& r) {
  std::unique_ptr<SIM_EntertainJob> job = MakeForIndustry(r.industryName);
  if (!job) return nullptr;
  job->SetGuiName(r.guiName);
  job->employer_ = r.employerName;
  job->workplace_ = r.workplace;
  job->maleDesc_ = r.maleDesc;
  job->femaleDesc_ = r.femaleDesc;
  job->rejectionText_ = r.rejectionText;
  job->specialty_ = r.specialty;
  job->family_ = r.family;
  job->level_ = r.level;
  job->age_ = r.age;
  job->applyCooldown_ = r.cooldown;
  job->openToday_ = r.openToday;
  job->commuteDistance_ = r.commuteDistance;
  job->minSalary_ = r.minSalary;
  job->maxSalary_ = r.maxSalary;
  job->duration_ = r.duration;
  job->daysSinceLastColleague_ = r.daysSinceLastFriend;
  job->rarity_ = r.rarity;
  job->sociability_ = r.sociability;
  job->socialTovel_ = r.socialTovel;
  for (const SavePrerequisite& p : r.prereqs)
    job->AddPrerequisite(p.name + "," + SIM_SaveGame::FormatNumber(p.value), p.first, p.below);
  for (const SaveModifier& m : r.modifiers) {
    const size_t before = job->GetModifiers().size();
    job->AddModifier(m.name + "," + SIM_SaveGame::FormatNumber(m.value) + "," +
                     SIM_SaveGame::FormatNumber(m.degrade));
    if (job->GetModifiers().size() > before) job->GetModifiers().back()->source = m.debugName;
  }
  return job;
}

SIM_EntertainJob* SIM_EntertainJob::RestorePool(const std::vector<SaveEntertainJob>& pool,
                                                int held) {
  while (!AllList().empty()) SIM_JobBase::Remove(AllList().front());
  SIM_EntertainJob* heldJob = nullptr;
  for (size_t i = 0; i < pool.size(); ++i) {
    std::unique_ptr<SIM_EntertainJob> job = FromSave(pool[i]);
    if (!job) continue;
    SIM_EntertainJob* added = static_cast<SIM_EntertainJob*>(SIM_JobBase::Add(std::move(job)));
    if (static_cast<int>(i) == held) heldJob = added;
  }
  return heldJob;
}

void SIM_EntertainJob::UpdatePool() {
  for (SIM_EntertainJob* job : AllList()) ++job->age_;

  // The old jobs go, first in list order, while the player has not applied for or taken them
  // (an answer still on its way keeps its job too).
  const SIM_JobBase* held = SIM_Vesk::Instance()->GetJob();
  for (;;) {
    SIM_EntertainJob* old = nullptr;
    for (SIM_EntertainJob* job : AllList()) {
      if (job->age_ >= kLifeDays && job->GetApplyCooldown() <= 0 && job != held &&
          !SIM_JobOffer::RefersTo(job)) {
        old = job;
        break;
      }
    }
    if (!old) break;
    SIM_JobBase::Remove(old);
  }

  while (MusicList().size() < static_cast<size_t>(kPoolSize)) MakeMusic();
  while (ActingList().size() < static_cast<size_t>(kPoolSize)) MakeActing();
}

// ---- Acting ----

SIM_ActingJob::SIM_ActingJob(bool draw) : SIM_EntertainJob(draw) {
  industry_ = "acting";
  workplace_ = Translate("JOB_WORKPLACE_ACTING");
  if (draw) duration_ = static_cast<int>(RandomFloat(7.0f, 28.0f));
  ActingList().push_back(this);
}

SIM_ActingJob::~SIM_ActingJob() { EraseFrom(ActingList(), this); }

void SIM_ActingJob::BuildRejectionText() {
  specialty_ = Pick("actor_genre");
  family_ = "acting";
  rejectionText_ = Translate("JOBOFFER_REJECT_ACTOR");
}

void SIM_ActingJob::BuildName() {
  const std::string key = "job_acting_" + specialty_;
  SetGuiName(Translate(key.c_str()));
  maleDesc_ = Translate("ACTOR");
  femaleDesc_ = Translate("ACTRESS");
}

void SIM_ActingJob::PickProduction() { employer_ = Pick("tvshows_" + specialty_); }

void SIM_ActingJob::BuildPrerequisites() {
  // A slim figure, more so for the better parts.
  AddPrerequisite("weight," + Fixed2(Clamp01(0.7f - RandomFloat(0.8f, 1.2f) * level_ * 0.4f)),
                  false, true);
  if (level_ >= kAdv) {
    AddPrerequisite("acting_adv," + Fixed2(Clamp01((level_ - kAdv) / kInter)), false, false);
    AddPrerequisite("xp_acting_" + specialty_ + "," + Fixed2(Clamp01(RandomFloat(0.25f, 0.75f))),
                    false, false);
  } else if (level_ >= kInter) {
    AddPrerequisite("acting_inter," + Fixed2(Clamp01((level_ - kInter) * 3.0f)), false, false);
    AddPrerequisite("xp_acting_" + specialty_ + "," + Fixed2(Clamp01(RandomFloat(0.02f, 0.35f))),
                    false, false);
  } else {
    AddPrerequisite("acting_basic," + Fixed2(Clamp01(level_ * 3.0f)), false, false);
  }
  if (level_ > kAdv && RandomChance(0.2f))
    AddPrerequisite("acting_singing," + Fixed2(Clamp01(RandomFloat(0.1f, 1.0f))), false, false);
  if (level_ > kInter) AddPrerequisite("tovel," + FormatFixed(level_ * 60.0f, 6), false, false);
  if (specialty_ == "action")
    AddPrerequisite("muscles," + Fixed2(Clamp01(level_ * 0.5f)), false, false);
}

void SIM_ActingJob::BuildModifiers() {
  AddModifier("xp_acting_" + specialty_ + ",0.005f,0.98f");
  AddModifier("boredom,0.24,0.2");
  AddModifier("xp_acting,0.005f,0.98f");
}

// ---- Music ----

SIM_MusicJob::SIM_MusicJob(bool draw) : SIM_EntertainJob(draw) {
  industry_ = "music";
  workplace_ = Translate("JOB_WORKPLACE_MUSICIAN");
  duration_ = -1;
  MusicList().push_back(this);
}

SIM_MusicJob::~SIM_MusicJob() { EraseFrom(MusicList(), this); }

void SIM_MusicJob::BuildRejectionText() {
  specialty_ = Pick("musician_skill");
  family_ = "music";
  rejectionText_ = Translate("JOBOFFER_REJECT_MUSICIAN");
}

void SIM_MusicJob::BuildName() {
  const std::string key = "job_music_" + specialty_;
  SetGuiName(Translate(key.c_str()));
  maleDesc_ = GetGuiName();
  femaleDesc_ = GetGuiName();
}

void SIM_MusicJob::PickProduction() { employer_ = Pick("bands"); }

void SIM_MusicJob::BuildPrerequisites() {
  AddPrerequisite(family_ + "_" + specialty_ + "," + Fixed2(Clamp01(2.0f * level_)), false, false);
  if (level_ > 0.2f)
    AddPrerequisite("xp_" + family_ + "_" + specialty_ + "," + Fixed2(Clamp01(level_ - 0.2f)),
                    false, false);
  // Owning the instrument.
  AddPrerequisite(specialty_ + ",1.0f", true, false);
}

void SIM_MusicJob::BuildModifiers() {
  AddModifier("xp_" + family_ + "_" + specialty_ + ",0.005f,0.98f");
  AddModifier("tiredness," + Fixed2(0.6f - level_ * 0.55f) + ",0.2");
  AddModifier("alcohol,0.22,0.3");
  AddModifier("xp_music,0.005f,0.98f");
}

#include "sim/SIM_EntertainJob.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>

#include "engine/ConfigFile.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_Prerequisite.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_TimeChunkType.h"
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

// The single-precision thresholds of the acting levels.
constexpr float kInter = 0.33f;
constexpr float kAdv = 0.66f;

// ---- What the jobs of a family share ----
// Texts, word lists, prerequisite names and parsed effects are the same for every job of a
// family and specialty, and the pool makes about twenty jobs a day. They are gathered into a
// kit per family, once per loaded string table, and copied into each job, which draws only
// its own numbers, in the order they have always been drawn. A number is the one its text in
// a data row would give, cut to the decimals the row would carry.

using RequiredValue = SIM_EntertainJob::RequiredValue;

// A numbered section of the word file.
struct WordList {
  std::string section;
  std::vector<std::string> words;  // entry "i" at i
};

WordList ReadWords(const std::string& section) {
  WordList list{section, {}};
  const ConfigFile* config = GetCachedConfig(section, SIM_EntertainJob::kWordFile);
  const size_t count = config->GetEntries().size();
  for (size_t i = 0; i < count; ++i) list.words.emplace_back(config->GetValue(std::to_string(i)));
  return list;
}

// A random word, drawn as Pick draws it.
std::string PickFrom(const WordList& list) {
  if (list.words.empty()) return Pick(list.section);  // draws nothing, warns, gives ""
  return list.words[RandomBelow(static_cast<int>(list.words.size()))];
}

// The name as the prerequisite rules of a data row read it, with its shown text.
RequiredValue ReadRequiredValue(const std::string& name) {
  SIM_TimeChunkType row;
  row.AddPrerequisite(name + ",0", false, false);
  if (row.GetPrerequisites().empty()) return {};
  const SIM_Prerequisite& read = *row.GetPrerequisites().front();
  return {read.GetName(), read.GetDisplayText(), true};
}

// Effect rows parsed as any data row's are.
std::vector<SIM_Modifier> ParseEffects(std::initializer_list<std::string> rows) {
  SIM_ModifierContainer parsed;
  for (const std::string& row : rows) parsed.AddModifier(row);
  std::vector<SIM_Modifier> effects;
  for (const SIM_Modifier* effect : parsed.GetModifiers()) effects.push_back(*effect);
  return effects;
}

// The kit, rebuilt after the string table or the word lists were reloaded.
template <typename Kit>
Kit& Current(std::unique_ptr<Kit>& kit, unsigned& generation) {
  if (!kit || generation != StringCachesGeneration()) {
    kit = std::make_unique<Kit>();
    generation = StringCachesGeneration();
  }
  return *kit;
}

struct ActingGenre {
  std::string guiName;
  WordList shows;
  RequiredValue experience;
  std::vector<SIM_Modifier> effects;
};

struct ActingKit {
  std::string workplace = Translate("JOB_WORKPLACE_ACTING");
  std::string rejection = Translate("JOBOFFER_REJECT_ACTOR");
  std::string actor = Translate("ACTOR");
  std::string actress = Translate("ACTRESS");
  WordList genres = ReadWords("actor_genre");
  RequiredValue weight = ReadRequiredValue("weight");
  RequiredValue basic = ReadRequiredValue("acting_basic");
  RequiredValue inter = ReadRequiredValue("acting_inter");
  RequiredValue adv = ReadRequiredValue("acting_adv");
  RequiredValue singing = ReadRequiredValue("acting_singing");
  RequiredValue tovel = ReadRequiredValue("tovel");
  RequiredValue muscles = ReadRequiredValue("muscles");
  std::map<std::string, ActingGenre, std::less<>> genreParts;  // filled as genres come up

  const ActingGenre& Genre(const std::string& genre) {
    if (auto it = genreParts.find(genre); it != genreParts.end()) return it->second;
    ActingGenre& made = genreParts[genre];
    made.guiName = Translate(("job_acting_" + genre).c_str());
    made.shows = ReadWords("tvshows_" + genre);
    made.experience = ReadRequiredValue("xp_acting_" + genre);
    made.effects = ParseEffects(
        {"xp_acting_" + genre + ",0.005f,0.98f", "boredom,0.24,0.2", "xp_acting,0.005f,0.98f"});
    return made;
  }
};

// The effects of retired jobs, kept for the next jobs made: their strings keep their storage.
std::vector<std::unique_ptr<SIM_Modifier>>& SpareEffects() {
  static std::vector<std::unique_ptr<SIM_Modifier>> spares;
  return spares;
}

// Likewise the prerequisites of retired jobs.
std::vector<std::unique_ptr<SIM_Prerequisite>>& SparePrerequisites() {
  static std::vector<std::unique_ptr<SIM_Prerequisite>> spares;
  return spares;
}

ActingKit& SharedActing() {
  static std::unique_ptr<ActingKit> kit;
  static unsigned generation = 0;
  return Current(kit, generation);
}

struct MusicSkill {
  std::string guiName;
  RequiredValue skill;
  RequiredValue experience;
  RequiredValue instrument;
  std::vector<SIM_Modifier> effects;  // each job sets the tiredness's amount
};
constexpr size_t kTirednessEffect = 1;

struct MusicKit {
  std::string workplace = Translate("JOB_WORKPLACE_MUSICIAN");
  std::string rejection = Translate("JOBOFFER_REJECT_MUSICIAN");
  WordList skills = ReadWords("musician_skill");
  WordList bands = ReadWords("bands");
  std::map<std::string, MusicSkill, std::less<>> skillParts;  // filled as skills come up

  const MusicSkill& Skill(const std::string& skill) {
    if (auto it = skillParts.find(skill); it != skillParts.end()) return it->second;
    MusicSkill& made = skillParts[skill];
    made.guiName = Translate(("job_music_" + skill).c_str());
    made.skill = ReadRequiredValue("music_" + skill);
    made.experience = ReadRequiredValue("xp_music_" + skill);
    made.instrument = ReadRequiredValue(skill);
    made.effects = ParseEffects({"xp_music_" + skill + ",0.005f,0.98f", "tiredness,0,0.2",
                                 "alcohol,0.22,0.3", "xp_music,0.005f,0.98f"});
    return made;
  }
};

MusicKit& SharedMusic() {
  static std::unique_ptr<MusicKit> kit;
  static unsigned generation = 0;
  return Current(kit, generation);
}

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

void SIM_EntertainJob::Require(const RequiredValue& value, float threshold, bool first,
                               bool below) {
  if (!value.kept) return;
  std::vector<std::unique_ptr<SIM_Prerequisite>>& spares = SparePrerequisites();
  if (spares.empty()) {
    prerequisites_.push_back(std::make_unique<SIM_Prerequisite>(value.name, value.displayText,
                                                                threshold, first, below));
    return;
  }
  spares.back()->Reset(value.name, value.displayText, threshold, first, below);
  prerequisites_.push_back(std::move(spares.back()));
  spares.pop_back();
}

void SIM_EntertainJob::AddEffect(const SIM_Modifier& effect) {
  std::unique_ptr<SIM_Modifier> copy;
  if (SpareEffects().empty()) {
    copy = std::make_unique<SIM_Modifier>(effect);
  } else {
    copy = std::move(SpareEffects().back());
    SpareEffects().pop_back();
    *copy = effect;
  }
  copy->source = name_;
  modifiers_.push_back(copy.release());
}

void SIM_EntertainJob::Retire(SIM_EntertainJob* job) {
  for (SIM_Modifier* effect : job->modifiers_) SpareEffects().emplace_back(effect);
  job->modifiers_.clear();
  for (std::unique_ptr<SIM_Prerequisite>& prerequisite : job->prerequisites_)
    SparePrerequisites().push_back(std::move(prerequisite));
  job->prerequisites_.clear();
  SIM_JobBase::Remove(job);
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

  // The old jobs go, in list order, while the player has not applied for or taken them (an
  // answer still on its way keeps its job too). Nothing that goes changes whether another
  // does, so they are known before any goes.
  const SIM_JobBase* held = SIM_Vesk::Instance()->GetJob();
  std::vector<SIM_EntertainJob*> old;
  size_t music = MusicList().size();
  size_t acting = ActingList().size();
  for (SIM_EntertainJob* job : AllList()) {
    if (job->age_ >= kLifeDays && job->GetApplyCooldown() <= 0 && job != held &&
        !SIM_JobOffer::RefersTo(job)) {
      old.push_back(job);
      --(dynamic_cast<SIM_MusicJob*>(job) ? music : acting);
    }
  }

  // The pool is topped up, music first. A new job is made as soon as an old one has gone: it
  // takes over the memory just given up, rather than twenty jobs' worth going cold first.
  // The day's openings were rolled before the pool changed, so a new job rolls its own as it
  // is made: it is there to be applied for today.
  auto next = old.begin();
  auto retireOne = [&] {
    if (next != old.end()) Retire(*next++);
  };
  auto rollOpening = [](SIM_EntertainJob* job) { job->openToday_ = RandomChance(job->rarity_); };
  for (; music < static_cast<size_t>(kPoolSize); ++music) {
    retireOne();
    rollOpening(MakeMusic());
  }
  for (; acting < static_cast<size_t>(kPoolSize); ++acting) {
    retireOne();
    rollOpening(MakeActing());
  }
  while (next != old.end()) retireOne();
}

// ---- Acting ----

SIM_ActingJob::SIM_ActingJob(bool draw) : SIM_EntertainJob(draw) {
  industry_ = "acting";
  workplace_ = SharedActing().workplace;
  if (draw) duration_ = static_cast<int>(RandomFloat(7.0f, 28.0f));
  ActingList().push_back(this);
}

SIM_ActingJob::~SIM_ActingJob() { EraseFrom(ActingList(), this); }

void SIM_ActingJob::Generate() {
  ActingKit& kit = SharedActing();
  specialty_ = PickFrom(kit.genres);
  family_ = "acting";
  rejectionText_ = kit.rejection;
  const ActingGenre& genre = kit.Genre(specialty_);
  SetGuiName(genre.guiName);
  maleDesc_ = kit.actor;
  femaleDesc_ = kit.actress;
  employer_ = PickFrom(genre.shows);

  prerequisites_.reserve(6);  // the most a part asks for
  // A slim figure, more so for the better parts.
  Require(kit.weight, ReadBackFixed(Clamp01(0.7f - RandomFloat(0.8f, 1.2f) * level_ * 0.4f), 2),
          false, true);
  if (level_ >= kAdv) {
    Require(kit.adv, ReadBackFixed(Clamp01((level_ - kAdv) / kInter), 2));
    Require(genre.experience, ReadBackFixed(Clamp01(RandomFloat(0.25f, 0.75f)), 2));
  } else if (level_ >= kInter) {
    Require(kit.inter, ReadBackFixed(Clamp01((level_ - kInter) * 3.0f), 2));
    Require(genre.experience, ReadBackFixed(Clamp01(RandomFloat(0.02f, 0.35f)), 2));
  } else {
    Require(kit.basic, ReadBackFixed(Clamp01(level_ * 3.0f), 2));
  }
  if (level_ > kAdv && RandomChance(0.2f))
    Require(kit.singing, ReadBackFixed(Clamp01(RandomFloat(0.1f, 1.0f)), 2));
  if (level_ > kInter) Require(kit.tovel, ReadBackFixed(level_ * 60.0f, 6));
  if (specialty_ == "action") Require(kit.muscles, ReadBackFixed(Clamp01(level_ * 0.5f), 2));

  modifiers_.reserve(modifiers_.size() + genre.effects.size());
  for (const SIM_Modifier& effect : genre.effects) AddEffect(effect);
}

// ---- Music ----

SIM_MusicJob::SIM_MusicJob(bool draw) : SIM_EntertainJob(draw) {
  industry_ = "music";
  workplace_ = SharedMusic().workplace;
  duration_ = -1;
  MusicList().push_back(this);
}

SIM_MusicJob::~SIM_MusicJob() { EraseFrom(MusicList(), this); }

void SIM_MusicJob::Generate() {
  MusicKit& kit = SharedMusic();
  specialty_ = PickFrom(kit.skills);
  family_ = "music";
  rejectionText_ = kit.rejection;
  const MusicSkill& skill = kit.Skill(specialty_);
  SetGuiName(skill.guiName);
  maleDesc_ = GetGuiName();
  femaleDesc_ = GetGuiName();
  employer_ = PickFrom(kit.bands);

  prerequisites_.reserve(3);
  Require(skill.skill, ReadBackFixed(Clamp01(2.0f * level_), 2));
  if (level_ > 0.2f) Require(skill.experience, ReadBackFixed(Clamp01(level_ - 0.2f), 2));
  // Owning the instrument.
  Require(skill.instrument, 1.0f, true, false);

  const size_t first = modifiers_.size();
  modifiers_.reserve(first + skill.effects.size());
  for (const SIM_Modifier& effect : skill.effects) AddEffect(effect);
  // Lighter for the better gigs, and within -1..1 like any effect's amount.
  modifiers_[first + kTirednessEffect]->amount =
      std::clamp(ReadBackFixed(0.6f - level_ * 0.55f, 2), -1.0f, 1.0f);
}

// Job types: the catalogue, its tables and mod files, the day's openings, the job search, the
// pay and the colleagues of a work day.
#include "sim/SIM_JobBase.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "engine/ConfigFile.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Commute.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Friends.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr size_t kMaxPrerequisiteText = 127;

struct Catalogue {
  std::vector<std::unique_ptr<SIM_JobBase>> jobs;
  std::vector<SIM_JobBase*> locked;
  std::vector<SIM_JobBase*> search;
  std::string userFolder;
  std::function<void()> rebuildHook;
};

Catalogue& C() {
  static Catalogue* catalogue = new Catalogue();  // lives until the process ends
  return *catalogue;
}

void Erase(std::vector<SIM_JobBase*>& list, const SIM_JobBase* job) {
  list.erase(std::remove(list.begin(), list.end(), job), list.end());
}

// "min,max" into two floats; a missing half reads 0.
void ReadTipPair(const std::string& text, float& minTip, float& maxTip) {
  StringTokenizer tokens;
  tokens.SetText(text);
  minTip = tokens.NextFloat();
  maxTip = tokens.NextFloat();
}

}  // namespace

SIM_JobBase::SIM_JobBase(const std::string& name) {
  SetName(name);
  typeName_ = name;
}

SIM_JobBase::~SIM_JobBase() {
  Erase(C().locked, this);
  Erase(C().search, this);
}

// ---- The catalogue ----

void SIM_JobBase::SetUserFolder(const std::string& folder) { C().userFolder = folder; }

void SIM_JobBase::SetRebuildHook(std::function<void()> hook) { C().rebuildHook = std::move(hook); }

void SIM_JobBase::LoadAll(const std::string& jobsFile, const std::string& industriesFile) {
  DeleteAll();
  const auto table = LoadSpreadsheet(jobsFile);
  for (const std::string& row : *table) {
    auto job = ReadCsvRow(row);
    if (!job) continue;
    const bool locked = job->IsLocked();
    Add(std::move(job), locked);
  }
  LoadMods();
  SIM_Industry::LoadAll(industriesFile);
}

void SIM_JobBase::LoadMods() {
  if (C().userFolder.empty()) return;
  const std::string folder = C().userFolder + "/mods/jobs/";
  for (const plat::DirEntry& entry : plat::ListMatching(folder + "*.txt")) {
    if (entry.isDirectory) continue;
    if (auto job = ReadModFile(folder + entry.name)) Add(std::move(job), false);
  }
}

void SIM_JobBase::DeleteAll() {
  if (C().rebuildHook) C().rebuildHook();
  // Characters holding a job type lose it before it goes.
  for (SIM_NPC* npc : SIM_NPC::All()) {
    npc->SetJob(nullptr);
    npc->SetUnlockableJob(nullptr);
  }
  C().search.clear();
  C().locked.clear();
  C().jobs.clear();
  SIM_Industry::DeleteAll();
}

std::unique_ptr<SIM_JobBase> SIM_JobBase::ReadCsvRow(const std::string& line) {
  StringTokenizer tokens;
  tokens.SetText(line);
  tokens.NextToken();  // the '#' column
  const std::string name = TrimField(tokens.NextString());
  if (name.empty()) return nullptr;
  auto job = std::make_unique<SIM_JobBase>(name);
  job->guiName_ = TrimField(tokens.NextString());
  job->maleDesc_ = TrimField(tokens.NextString());
  job->femaleDesc_ = TrimField(tokens.NextString());
  job->employer_ = TrimField(tokens.NextString());
  job->workplace_ = TrimField(tokens.NextString());
  job->industry_ = TrimField(tokens.NextString());
  job->minSalary_ = tokens.NextFloat();
  job->maxSalary_ = tokens.NextFloat();
  const std::string tips = TrimField(tokens.NextString());
  if (tips != "N/A") ReadTipPair(tips, job->minTip_, job->maxTip_);
  job->locked_ = tokens.NextInt() != 0;
  job->rarity_ = tokens.NextFloat();
  job->sociability_ = tokens.NextFloat();
  job->socialTovel_ = tokens.NextFloat();
  tokens.NextToken();  // unused column
  for (std::string& promote : job->promote_) promote = TrimField(tokens.NextString());
  tokens.NextToken();  // unused column

  bool modifiers = false;
  while (!tokens.AtEnd()) {
    std::string field = TrimField(tokens.NextString());
    if (!modifiers && !field.empty() && field[0] == '#') {
      modifiers = true;
      continue;
    }
    if (modifiers) {
      job->AddModifier(field);
    } else {
      if (field.size() > kMaxPrerequisiteText) field.resize(kMaxPrerequisiteText);
      job->AddPrerequisite(field, false, false);
    }
  }
  job->duration_ = -1;
  // The no-job entry leaves the day free (two activity slots, the benefit).
  job->worksInTheDay_ = name != "unemployed";
  job->openToday_ = false;
  return job;
}

std::unique_ptr<SIM_JobBase> SIM_JobBase::ReadModFile(const std::string& path) {
  ConfigFile general;
  general.LoadSection("general", path);
  const std::string name = TrimField(general.GetValue("name"));
  if (name.empty()) {
    LogWarning(("Job mod without a name: " + path).c_str(), "SIM_JobBase", __LINE__);
    return nullptr;
  }
  auto job = std::make_unique<SIM_JobBase>(name);
  job->guiName_ = general.GetValue("guiname");
  job->maleDesc_ = general.GetValue("maledesc");
  job->femaleDesc_ = general.GetValue("femaledesc");
  job->employer_ = general.GetValue("employer");
  job->workplace_ = general.GetValue("workplace");
  job->industry_ = TrimField(general.GetValue("industry"));
  job->minSalary_ = general.GetFloat("minsalary", 0.0f);
  job->maxSalary_ = general.GetFloat("maxsalary", 0.0f);
  const std::string tips = general.GetValue("tips");
  if (!tips.empty()) ReadTipPair(tips, job->minTip_, job->maxTip_);
  job->locked_ = general.GetInt("locked") != 0;
  job->rarity_ = general.GetFloat("rarity", 0.0f);
  job->sociability_ = general.GetFloat("sociability", 0.0f);
  job->socialTovel_ = general.GetFloat("socialtovel", 0.0f);
  for (int i = 0; i < 3; ++i) {
    // A mod without its promotion attributes keeps the default (see BindAttributes).
    const std::string promote = TrimField(general.GetValue("promote" + std::to_string(i)));
    if (!promote.empty()) job->promote_[i] = promote;
  }
  // Miles within reach of a day's journey: a distance far beyond it would make each day's
  // commute change the player's values more than they are made for.
  if (general.HasKey("commutedistance"))
    job->commuteDistance_ = std::clamp(general.GetFloat("commutedistance", 0.0f), 0.0f,
                                       SIM_Commute::kMostMiles);
  job->duration_ = general.HasKey("duration") ? general.GetInt("duration") : -1;
  // A contract of no days or fewer never ends on a day count; it is open-ended.
  if (job->duration_ <= 0) job->duration_ = -1;
  job->worksInTheDay_ = true;

  ConfigFile prereq;
  prereq.LoadSection("prereq", path);
  for (const ConfigEntry& e : prereq.GetEntries()) {
    std::string text = e.value;
    if (text.size() > kMaxPrerequisiteText) text.resize(kMaxPrerequisiteText);
    job->AddPrerequisite(text, false, false);
  }
  ConfigFile effects;
  effects.LoadSection("effects", path);
  for (const ConfigEntry& e : effects.GetEntries()) job->AddModifier(e.value);
  return job;
}

SIM_JobBase* SIM_JobBase::Add(std::unique_ptr<SIM_JobBase> job, bool lockedList) {
  SIM_JobBase* added = job.get();
  if (lockedList && added->IsLocked()) C().locked.push_back(added);
  C().jobs.push_back(std::move(job));
  return added;
}

SIM_JobBase* SIM_JobBase::FindByName(const std::string& name, bool report) {
  for (auto& job : C().jobs)
    if (job->GetName() == name) return job.get();
  if (report) FatalError("Could not find job", "SIM_JobBase", __LINE__);
  return nullptr;
}

std::vector<SIM_JobBase*> SIM_JobBase::All() {
  std::vector<SIM_JobBase*> all;
  all.reserve(C().jobs.size());
  for (auto& job : C().jobs) all.push_back(job.get());
  return all;
}

bool SIM_JobBase::DeleteExisting(const std::string& name, const SIM_JobBase* keep) {
  auto& jobs = C().jobs;
  const auto it = std::find_if(jobs.begin(), jobs.end(), [&](const auto& job) {
    return job->GetName() == name && job.get() != keep && !job->IsLoaded();
  });
  if (it == jobs.end()) return false;
  SIM_JobBase* doomed = it->get();
  for (SIM_NPC* npc : SIM_NPC::All()) {
    if (npc->GetJob() == doomed) npc->SetJob(nullptr);
    if (npc->GetUnlockableJob() == doomed) npc->SetUnlockableJob(nullptr);
  }
  if (SIM_Vesk::Instance()->GetJob() == doomed) SIM_Vesk::Instance()->SetJob(nullptr);
  jobs.erase(it);
  return true;
}

SIM_JobBase* SIM_JobBase::Install(std::unique_ptr<SIM_JobBase> job) {
  SIM_JobBase* installed = job.get();
  auto& jobs = C().jobs;
  const auto it = std::find_if(jobs.begin(), jobs.end(), [&](const auto& entry) {
    return entry->GetName() == installed->GetName() && !entry->IsLoaded();
  });
  if (it == jobs.end()) {
    jobs.push_back(std::move(job));
    return installed;
  }
  SIM_JobBase* twin = it->get();
  for (SIM_NPC* npc : SIM_NPC::All()) {
    if (npc->GetJob() == twin) npc->SetJob(installed);
    if (npc->GetUnlockableJob() == twin) npc->SetUnlockableJob(installed);
  }
  std::replace(C().locked.begin(), C().locked.end(), twin, installed);
  std::replace(C().search.begin(), C().search.end(), twin, installed);
  if (SIM_Vesk::Instance()->GetJob() == twin) SIM_Vesk::Instance()->SetJob(nullptr);
  std::unique_ptr<SIM_JobBase> old = std::move(*it);
  *it = std::move(job);
  return installed;
}

bool SIM_JobBase::CopyPrerequisites() {
  const SIM_JobBase* twin = nullptr;
  for (auto& job : C().jobs)
    if (job.get() != this && !job->IsLoaded() && job->GetName() == GetName()) {
      twin = job.get();
      break;
    }
  if (!twin) {
    LogWarning("Failed to find existing job for prereqs copy", "SIM_JobBase", __LINE__);
    return false;
  }
  prerequisites_.clear();
  for (const auto& p : twin->GetPrerequisites())
    prerequisites_.push_back(std::make_unique<SIM_Prerequisite>(p->GetName(), p->GetThreshold(),
                                                                p->IsFirst(), p->IsBelow()));
  socialTovel_ = twin->socialTovel_;
  rejectionText_ = twin->rejectionText_;
  guiName_ = guiName_.empty() ? twin->guiName_ : guiName_;
  return true;
}

// ---- The day ----

void SIM_JobBase::RollOpenings() {
  for (auto& job : C().jobs) job->openToday_ = RandomChance(job->rarity_);
  CountDownCooldowns();
}

void SIM_JobBase::CountDownCooldowns() {
  for (auto& job : C().jobs)
    if (job->applyCooldown_ > 0) --job->applyCooldown_;
}

bool SIM_JobBase::CanApply() const {
  // The requirements last: most jobs have no opening on a given day.
  return openToday_ && applyCooldown_ <= 0 && RequirementsMet();
}

// ---- The job search ----

void SIM_JobBase::SearchJobs(const std::string& industry, bool qualifiedOnly) {
  auto& result = C().search;
  result.clear();
  const SIM_JobBase* current = SIM_Vesk::Instance()->GetJob();
  for (auto& owned : C().jobs) {
    SIM_JobBase* job = owned.get();
    if (job->industry_ != industry || job == current || job->applyCooldown_ > 0) continue;
    if (!job->openToday_) continue;
    if (qualifiedOnly && !job->RequirementsMet()) continue;
    result.push_back(job);
  }
}

const std::vector<SIM_JobBase*>& SIM_JobBase::SearchResult() { return C().search; }

namespace {

// The possession whose owning meets the prerequisite: one whose name it asks for at least
// once (owned, its value is 1) and that no quality of the player's shadows. Null otherwise.
const SIM_Asset* OwnedAssetAskedFor(const SIM_Prerequisite& prerequisite) {
  if (prerequisite.IsBelow() || prerequisite.GetThreshold() <= 0.0f ||
      prerequisite.GetThreshold() > 1.0f)
    return nullptr;
  float shadow = 0.0f;
  if (SIM_Vesk::Instance()->LookUpValue(prerequisite.GetName(), shadow)) return nullptr;
  return SIM_Asset::FindByName(prerequisite.GetName());
}

}  // namespace

std::vector<SIM_JobBase::Requirement> SIM_JobBase::Requirements() const {
  std::vector<Requirement> rows;
  rows.reserve(prerequisites_.size() + 1);
  for (const auto& prerequisite : prerequisites_) {
    Requirement row;
    row.prerequisite = prerequisite.get();
    row.met = prerequisite->IsMet();
    // Owning a possession sets the value of its name: the row names that very possession,
    // so a look-alike in the shop is not taken for it, and shows no figure.
    if (const SIM_Asset* asset = OwnedAssetAskedFor(*prerequisite)) {
      row.label = asset->GetGuiName();
      rows.push_back(std::move(row));
      continue;
    }
    row.label = prerequisite->GetDisplayText();
    const float percent = prerequisite->GetThreshold() * 100.0f;
    row.value = prerequisite->GetName() == "tovel" ? FormatFixed(prerequisite->GetThreshold(), 0)
                                                   : FormatFixed(percent, 0) + "%";
    row.below = prerequisite->GetName() != "tovel" && prerequisite->IsBelow();
    rows.push_back(std::move(row));
  }
  // A locked job is only ever offered by a contact who works there: listed with every other
  // requirement ticked it would look open to an application that can never be made.
  if (locked_) rows.push_back({Translate("JOB_LOCKED_REQUIREMENT"), "", false, false, nullptr});
  return rows;
}

bool SIM_JobBase::RequirementsMet() const {
  for (const Requirement& requirement : Requirements())
    if (!requirement.met) return false;
  return true;
}

// ---- Locked jobs ----

const std::vector<SIM_JobBase*>& SIM_JobBase::LockedJobs() { return C().locked; }

void SIM_JobBase::ClearLockedList() { C().locked.clear(); }

void SIM_JobBase::AddToLockedList(SIM_JobBase* job) {
  if (job && job->IsLocked()) C().locked.push_back(job);
}

void SIM_JobBase::RemoveFromLockedList(const SIM_JobBase* job) { Erase(C().locked, job); }

void SIM_JobBase::AssignLockedJobToNpc(SIM_NPC* npc) {
  auto& locked = C().locked;
  if (!npc || locked.empty()) return;
  const size_t index = static_cast<size_t>(RandomBelow(static_cast<int>(locked.size())));
  SIM_JobBase* job = locked[index];
  ReportAssertion(job->IsLocked(), "SIM_JobBase", __LINE__);
  locked.erase(locked.begin() + static_cast<std::ptrdiff_t>(index));
  npc->SetUnlockableJob(job);
}

// ---- The work day ----

float SIM_JobBase::ComputeDailyPay() {
  SIM_Vesk* player = SIM_Vesk::Instance();
  const SIM_JobInstance* instance = player->GetJobInstance();
  const float salary = instance ? instance->GetSalary() : 0.0f;
  float pay = SIM_GlobalVariables::Instance().Get("GV_FIN_DISPOSABLEPERC") * salary /
              kWorkingDaysPerYear;
  if (maxTip_ > 0.0f) {
    const float mood = 0.75f + 0.25f * player->GetValue("happiness") -
                       0.35f * player->GetValue("tiredness") - 0.4f * player->GetValue("stress");
    const float factor = RandomFloat(0.9f, 1.1f) * mood;
    const float tip = minTip_ + (maxTip_ - minTip_) * factor;
    todaysTip_ = tip;
    pay += tip;
  }
  return pay;
}

void SIM_JobBase::WorkDay() {
  if (CurrentDate().GetDayOfWeek() >= 5) return;
  const float pay = ComputeDailyPay();
  // The day's pay as it reached the purse (which has a limit), the tips part of it.
  const float before = SIM_Finances::Instance().GetCash();
  SIM_Finances::Instance().Earn(pay);
  lastPay_ = SIM_Finances::Instance().GetCash() - before;
  if (maxTip_ > 0.0f) todaysTip_ = std::clamp(todaysTip_, 0.0f, std::max(lastPay_, 0.0f));
  ApplyModifiers(1.0f);

  const float difficulty =
      SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
  float v = RandomUnit() + 0.4f * difficulty - 0.2f;
  if (v > 0.5f) {
    v += 0.2f;
  } else if (v < 0.5f) {
    v -= 0.2f;
  }
  v = std::clamp(v, 0.0f, 1.0f);
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->SetWorkPerformance(v);
  player->ModifyValue("happiness", (v - 0.5f) * 0.5f, 0.0f, "work day");
  ColleagueStep();
}

SIM_NPC* SIM_JobBase::ColleagueStep() {
  ++daysSinceLastColleague_;
  const SIM_Vesk* player = SIM_Vesk::Instance();
  const int friends = CountPlayerFriends();
  if (friends >= kColleagueFriendCap || daysSinceLastColleague_ < 3) return nullptr;
  const float frequency = SIM_GlobalVariables::Instance().Get("GV_JOBFRIEND_FREQUENCY");
  if (!RandomChance(frequency * sociability_)) return nullptr;
  if (friends > 4 || player->GetValue("happiness") <= 0.75f) return nullptr;
  SIM_NPC* colleague = MakeColleague();
  daysSinceLastColleague_ = 0;
  return colleague;
}

SIM_NPC* SIM_JobBase::MakeColleague() {
  SIM_Vesk* player = SIM_Vesk::Instance();
  SIM_NPC* npc = SIM_NPC::Create(2);
  const float tovel = RandomFloat(0.9f, 1.1f) * socialTovel_;
  SIM_Relationship* r = SIM_Relationship::Create(player, npc);
  r->SetStrength(RandomFloat(0.27f, 0.4f));
  r->SetPlayerCreated(true);
  r->SetFriendship(true);
  npc->SetSocialClass(player->GetSocialClass());
  npc->PickNames();
  npc->SetJob(this);
  npc->SetIntroduced(true);
  // One draw a statement: the order of a call's arguments is the compiler's choice.
  const float iq = RandomFloat(0.9f, 1.1f) * player->GetValue("iq");
  const float culture = RandomFloat(0.9f, 1.1f) * player->GetValue("culture");
  npc->SetDemands(tovel, iq, culture);
  npc->SetCashPerWeek();
  npc->RefillCash();
  npc->RandomiseTraits();
  npc->BecomeFriend();
  colleague_ = npc;
  AssignLockedJobToNpc(npc);
  // The new friendship counts towards the standing at once, not from the day's recount: a
  // save made in between would otherwise come back with a different standing.
  SIM_Tovel::Instance().Recount();
  return npc;
}

// ---- Fields ----

std::string SIM_JobBase::GetRejectionText() const {
  return rejectionText_.empty() ? std::string(Translate("JOBOFFER_REJECT_TEXT")) : rejectionText_;
}

std::string SIM_JobBase::GetShownTitle() const {
  if (GetGuiName().empty()) return GetName();
  return IsCatalogueJob() ? std::string(Translate(GetGuiName().c_str())) : GetGuiName();
}

std::string SIM_JobBase::GetShownWorkplace() const {
  if (workplace_.empty() || !IsCatalogueJob()) return workplace_;
  return Translate(workplace_.c_str());
}

float SIM_JobBase::EnsureCommuteDistance() {
  if (commuteDistance_ < 0.0f) commuteDistance_ = RandomFloat(0.5f, 10.0f);
  return commuteDistance_;
}

void SIM_JobBase::ToSave(SaveJobType& out) const {
  for (int i = 0; i < 3; ++i) out.promote[i] = promote_[i];
  out.name = GetName();
  out.guiName = guiName_;
  out.employerName = employer_;
  out.industryName = industry_;
  out.workplace = workplace_;
  out.maleDesc = maleDesc_;
  out.femaleDesc = femaleDesc_;
  out.commuteDistance = std::max(0.0f, commuteDistance_);
  out.minTip = minTip_;
  out.maxTip = maxTip_;
  out.minSalary = minSalary_;
  out.maxSalary = maxSalary_;
  out.duration = duration_;
  out.daysSinceLastFriend = daysSinceLastColleague_;
  out.locked = locked_ ? 1 : 0;
  out.rarity = rarity_;
  out.sociability = sociability_;
  out.modifiers.clear();
  for (const SIM_Modifier* m : GetModifiers())
    out.modifiers.push_back({m->name, m->source, m->limit, m->amount});
}

std::unique_ptr<SIM_JobBase> SIM_JobBase::FromSave(const SaveJobType& in) {
  auto job = std::make_unique<SIM_JobBase>(in.name);
  for (int i = 0; i < 3; ++i) job->promote_[i] = in.promote[i];
  job->guiName_ = in.guiName;
  job->employer_ = in.employerName;
  job->industry_ = in.industryName;
  job->workplace_ = in.workplace;
  job->maleDesc_ = in.maleDesc;
  job->femaleDesc_ = in.femaleDesc;
  job->commuteDistance_ = in.commuteDistance;
  job->minTip_ = in.minTip;
  job->maxTip_ = in.maxTip;
  job->minSalary_ = in.minSalary;
  job->maxSalary_ = in.maxSalary;
  job->duration_ = in.duration;
  job->daysSinceLastColleague_ = in.daysSinceLastFriend;
  job->locked_ = in.locked != 0;
  job->rarity_ = in.rarity;
  job->sociability_ = in.sociability;
  job->worksInTheDay_ = true;
  job->loaded_ = true;
  for (const SaveModifier& m : in.modifiers) {
    const size_t before = job->GetModifiers().size();
    job->AddModifier(m.name + "," + SIM_SaveGame::FormatNumber(m.value) + "," +
                     SIM_SaveGame::FormatNumber(m.degrade));
    if (job->GetModifiers().size() > before) job->GetModifiers().back()->source = m.debugName;
  }
  return job;
}

void SIM_JobBase::Remove(SIM_JobBase* job) {
  auto& jobs = C().jobs;
  const auto it = std::find_if(jobs.begin(), jobs.end(),
                               [job](const auto& entry) { return entry.get() == job; });
  if (it == jobs.end()) return;
  for (SIM_NPC* npc : SIM_NPC::All()) {
    if (npc->GetJob() == job) npc->SetJob(nullptr);
    if (npc->GetUnlockableJob() == job) npc->SetUnlockableJob(nullptr);
  }
  Erase(C().search, job);
  Erase(C().locked, job);
  jobs.erase(it);
}

// The player.
#include "sim/SIM_Vesk.h"

#include <algorithm>
#include <cmath>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Screens.h"

namespace {

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

}  // namespace

SIM_Vesk* SIM_Vesk::Instance() {
  // Built on first use so the lists it joins exist before it, and outlive it.
  static SIM_Vesk* player = new SIM_Vesk();
  return player;
}

SIM_Vesk::SIM_Vesk() {
  gender_ = kFemale;
  SetPortraits("mystery.dds", "mystery.dds");
  SetNames("You", "");
}

SIM_Vesk::~SIM_Vesk() { delete jobInstance_; }

void SIM_Vesk::SetJob(SIM_JobBase* job) {
  job_ = job;
  delete jobInstance_;
  jobInstance_ = job ? SIM_JobInstance::Create(job) : nullptr;
  // Checked against the new job's distance: the old instance may point at a job type that
  // is already gone.
  SIM_CommuteMethod::ValidateChoice();
  Screens().RefreshCareer();
  SIM_AvatarDescription::Rebuild();
  SIM_Industry::ResetGlobalValues();
  if (job && !job->GetIndustryName().empty()) SetGlobalValue(job->GetIndustryName(), 1.0f);
  TraceEvent("vesks job now " + (job ? job->GetName() : std::string("none")));
  Screens().RefreshWindowTextures();
}

float SIM_Vesk::GetValue(const std::string& name) const {
  if (name == "tovel") return SIM_Tovel::Instance().GetTotal();
  if (name == "income") return jobInstance_ ? jobInstance_->GetSalary() : 0.0f;
  if (const SIM_NamedValue* v = attributes_.Find(name)) return v->GetValue();
  if (const SIM_NamedValue* v = skills_.Find(name)) return v->GetValue();
  return 0.0f;
}

SIM_NamedValue* SIM_Vesk::GetNamedValue(const std::string& name, bool create) {
  if (SIM_NamedValue* v = attributes_.Find(name)) return v;
  if (SIM_NamedValue* v = skills_.Find(name)) return v;
  if (!create) return nullptr;
  auto* skill = new SIM_NamedValue(name, "nv_" + name, 0.0f);
  skills_.Add(skill);
  return skill;
}

bool SIM_Vesk::HasValue(const std::string& name) const {
  return attributes_.Has(name) || skills_.Has(name);
}

bool SIM_Vesk::LookUpValue(const std::string& name, float& value) const {
  const SIM_NamedValue* own = attributes_.Find(name);
  if (!own) own = skills_.Find(name);
  if (!own) return false;
  value = name == "tovel" || name == "income" ? GetValue(name) : own->GetValue();
  return true;
}

void SIM_Vesk::SetValue(const std::string& name, float value) {
  if (auto* attribute = dynamic_cast<SIM_Attribute*>(attributes_.Find(name))) {
    attribute->SetBase(value);
    attribute->SetValue(value);
    return;
  }
  GetNamedValue(name, true)->SetValue(value);
}

void SIM_Vesk::ModifyValue(const std::string& name, float amount, float degrade,
                           const std::string& source) {
  ReportAssertion(amount < 1000.0f, __FILE__, __LINE__);
  ReportAssertion(amount > -1000.0f, __FILE__, __LINE__);
  if (name == "tiredness" && amount > 0.0f) amount *= 1.0f - 0.8f * GetValue("fitness");
  if (name == "tovel") {
    SIM_Tovel::Instance().Add(amount);
    return;
  }
  if (auto* attribute = dynamic_cast<SIM_Attribute*>(attributes_.Find(name))) {
    attribute->AddEffect(amount, degrade, source);
    if (SIM_NamedValue* energy = attributes_.Find("_energy"))
      energy->SetValue(1.0f - GetValue("tiredness"));
  } else {
    if (SIM_NamedValue* skill = skills_.Find(name)) {
      ApplyOperation(skill, "+=", amount);
    } else {
      // A new skill starts inside 0..1 like every later change keeps it.
      skills_.Add(new SIM_NamedValue(name, "nv_" + name, Clamp01(amount)));
    }
    Screens().RefreshSkills();
  }
  RecalculateValues();
}

void SIM_Vesk::ApplyOperation(SIM_NamedValue* value, const std::string& operation, float amount) {
  if (value) value->Apply(operation, amount);
}

void SIM_Vesk::Recalculate() {
  RecalculateValues();
}

void SIM_Vesk::RecalculateValues() {
  // This runs after every change to the player: the names are made once.
  static const std::string kHappiness = "happiness", kStress = "stress", kBoredom = "boredom",
                           kLoneliness = "loneliness", kEnergy = "_energy",
                           kTiredness = "tiredness", kSobriety = "_sobriety",
                           kAlcohol = "alcohol", kIq = "iq", kCulture = "culture";
  static const std::string kIqParts[] = {"iq_reasoning", "iq_logic", "iq_knowledge",
                                         "iq_problemsolving"};
  static const std::string kCultureParts[] = {"culture_arts", "culture_literature",
                                              "culture_knowledge"};
  attributes_.RecalculateAll();
  if (SIM_NamedValue* happiness = attributes_.Find(kHappiness)) {
    happiness->Recalculate();
    float h = happiness->GetValue();
    const float salary = jobInstance_ ? jobInstance_->GetSalary() : 0.0f;
    if (GetValue(kStress) > 0.75f) h -= 0.15f;
    if (CountFriends() < 3) h -= 0.15f;
    if (GetValue(kBoredom) > 0.75f) h -= 0.15f;
    if (GetValue(kLoneliness) > 0.7f) h -= 0.15f;
    if (salary < 5.0f) h -= 0.15f;
    h = Clamp01(h);
    happiness->SetValue(h);
    Screens().SetAvatarMood(h < 0.25f ? 2 : h >= 0.75f ? 1 : 0);
  }
  if (SIM_NamedValue* v = attributes_.Find(kEnergy)) v->SetValue(1.0f - GetValue(kTiredness));
  if (SIM_NamedValue* v = attributes_.Find(kSobriety)) v->SetValue(1.0f - GetValue(kAlcohol));
  if (SIM_NamedValue* v = attributes_.Find(kIq)) {
    float sum = 0.0f;
    for (const std::string& part : kIqParts) sum += Clamp01(GetValue(part));
    v->SetValue(Clamp01(sum * 0.25f));
  }
  if (SIM_NamedValue* v = attributes_.Find(kCulture)) {
    float sum = 0.0f;
    for (const std::string& part : kCultureParts) sum += Clamp01(GetValue(part));
    v->SetValue(Clamp01(sum / 3.0f));
  }
  if (GetValue(kCulture) >= 0.5f) socialClass_ = kUpperClass;
  SIM_Statistics::Instance().SetMaxFloat(GetValue(kIq), 2);
  SIM_Statistics::Instance().SetMaxFloat(GetValue(kCulture), 3);
}

float SIM_Vesk::GetAlertness() const {
  const float t = GetValue("tiredness"), s = GetValue("stress"), a = GetValue("alcohol");
  return std::max(0.0f, 1.0f - std::pow(t, 4.0f) - std::pow(s, 4.0f) - std::pow(a, 3.0f));
}

bool SIM_Vesk::IsExhausted() const {
  return HasValue("tiredness") && GetValue("tiredness") > 0.8f;
}

float SIM_Vesk::GetSkillPoints() const {
  float points = 0.0f;
  for (const SIM_NamedValue* skill : skills_.Values()) points += skill->GetValue() * 100.0f;
  return points;
}

int SIM_Vesk::CountGoodSkills() const {
  int n = 0;
  for (const SIM_NamedValue* skill : skills_.Values())
    if (skill->GetValue() > 0.5f) ++n;
  return n;
}

void SIM_Vesk::SetGenderFromAvatar(const std::string& avatar) {
  const char first = avatar.empty() ? '\0' : avatar[0];
  if (first == 'm') {
    gender_ = kMale;
    return;
  }
  if (first != 'f') {
    // A picture named neither way says nothing of the gender: it stays as it was.
    LogWarning("avatar filename must start with m or f", __FILE__, __LINE__);
    ReportAssertion(false, __FILE__, __LINE__);
    return;
  }
  gender_ = kFemale;
}

void SIM_Vesk::LoadAttributes(const std::string& path) {
  attributes_.Clear();
  skills_.Clear();
  SIM_Attribute::LoadTable(path, attributes_);
  const SIM_GameConfig& config = SIM_GameConfig::Instance();
  for (const char* n : {"iq_reasoning", "iq_logic", "iq_knowledge", "iq_problemsolving"})
    SetAttributeBase(n, config.Get(0) * 0.5f);
  for (const char* n : {"culture_knowledge", "culture_arts", "culture_literature"})
    SetAttributeBase(n, config.Get(1) * 0.5f);
  SetAttributeBase("happiness", config.Get(2) * 0.25f + 0.25f);
  SetAttributeBase("confidence", config.Get(3) * 0.125f + 0.125f);
  Screens().RefreshSkills();
}

void SIM_Vesk::SetAttributeBase(const std::string& name, float value) {
  if (auto* attribute = dynamic_cast<SIM_Attribute*>(attributes_.Find(name))) {
    attribute->SetBase(Clamp01(value));
    attribute->Recalculate();
  }
}

void SIM_Vesk::NewGame() {
  const SIM_GameConfig& config = SIM_GameConfig::Instance();
  SetGenderFromAvatar(config.GetAvatarName());
  SetNames(config.GetName(), "");
  fullName_ = forename_;
  socialClass_ = kWorkingClass;
  boredom_->Clear();  // nothing of the last game's boredom carries over
  attributes_.SetName("attributes");
  LoadAttributes();
  SIM_Tovel::Instance().Reset();
  SetJob(SIM_JobBase::FindDefaultJob());
  SetJob(job_);
  if (job_ && jobInstance_) {
    jobInstance_->SetCommuteDistance(RandomFloat(0.1f, 3.0f));
    jobInstance_->SetDaysInJob(2);
    SIM_CommuteMethod::SelectByName("walk");
    Screens().RefreshCareer();
  }
  RecalculateValues();
}

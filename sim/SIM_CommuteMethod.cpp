// Ways of getting to work.
#include "sim/SIM_CommuteMethod.h"

#include "engine/DebugLog.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "sim/SIM_Commute.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"

namespace {

std::vector<std::unique_ptr<SIM_CommuteMethod>>& Methods() {
  static std::vector<std::unique_ptr<SIM_CommuteMethod>> methods;
  return methods;
}

int g_chosen = -1;

// The job's distance; 0 without a job.
float JobDistance() {
  const SIM_JobInstance* job = SIM_Vesk::Instance()->GetJobInstance();
  return job ? job->GetCommuteDistance() : 0.0f;
}

}  // namespace

SIM_CommuteMethod::SIM_CommuteMethod(const std::string& name, const std::string& description,
                                     const std::string& picture, float maxDistance,
                                     float costPerMile)
    : id_(name),
      guiName_(name),
      description_(description),
      picture_(picture),
      maxDistance_(maxDistance),
      costPerMile_(costPerMile) {}

std::unique_ptr<SIM_CommuteMethod> SIM_CommuteMethod::FromLine(const std::string& line) {
  std::unique_ptr<SIM_CommuteMethod> m(new SIM_CommuteMethod());
  StringTokenizer t;
  t.SetText(line);
  t.NextToken();  // the '#' marker
  m->id_ = TrimField(t.NextString());
  m->guiName_ = TrimField(t.NextString());
  m->description_ = TrimField(t.NextString());
  m->verb_ = TrimField(t.NextString());
  m->mp3_ = TrimField(t.NextString()) == "MP3";
  m->column6_ = TrimField(t.NextString());
  m->picture_ = TrimField(t.NextString());
  m->maxDistance_ = t.NextFloat();
  // A rate far beyond any real one would hand the player's values a day's change they are
  // not made for.
  auto rate = [&t] { return SIM_Commute::Bounded(t.NextFloat(), SIM_Commute::kMostPerMile); };
  m->costPerMile_ = rate();
  m->stressPerMile_[WEATHER_RAIN] = rate();
  m->stressPerMile_[WEATHER_CLOUD] = rate();
  m->stressPerMile_[WEATHER_SUN] = rate();
  m->stressPerMile_[WEATHER_SNOW] = rate();
  m->tirednessPerMile_ = rate();
  m->fitnessPerMile_ = rate();
  m->boredomPerMile_ = rate();
  m->requiredValue_ = TrimField(t.NextString());
  return m;
}

float SIM_CommuteMethod::GetStressPerMile(int weather) const {
  return weather >= 0 && weather < 4 ? stressPerMile_[weather] : 0.0f;
}

void SIM_CommuteMethod::DeleteAll() {
  Methods().clear();
  g_chosen = -1;
}

std::vector<std::string> SIM_CommuteMethod::TransportAssets() const {
  if (id_ == "car") return {"cheapcar", "expensivecar"};
  if (id_ == "bicycle" || id_ == "motorbike" || id_ == "skateboard") return {id_};
  return {};
}

bool SIM_CommuteMethod::HasTransport() const {
  const std::vector<std::string> needed = TransportAssets();
  if (needed.empty()) return true;
  for (const std::string& asset : needed)
    if (GlobalNamedValues().IsSet(asset)) return true;
  return false;
}

bool SIM_CommuteMethod::IsAvailable() const { return WhyUnavailable() == nullptr; }

const char* SIM_CommuteMethod::WhyUnavailable() const {
  if (!HasTransport()) return "WHY_COMMUTE_NO_TRANSPORT";
  if (requiredValue_.size() >= 2 && SIM_Vesk::Instance()->GetValue(requiredValue_) < 1.0f)
    return "WHY_COMMUTE_NOT_ALLOWED";
  if (maxDistance_ == -1.0f || !SIM_Vesk::Instance()->GetJob()) return nullptr;
  // Any other negative range counts as unlimited too, as the chooser shows it.
  return maxDistance_ < 0.0f || maxDistance_ >= JobDistance() ? nullptr : "WHY_COMMUTE_TOO_FAR";
}

void SIM_CommuteMethod::ValidateChoice() {
  if (Methods().empty()) return;  // the table is not read (or already gone at shutdown)
  const SIM_CommuteMethod* chosen = GetChosen();
  if (!chosen || !chosen->IsAvailable()) SelectByName("walk");
  chosen = GetChosen();
  if (chosen && chosen->maxDistance_ > 0.0f && chosen->maxDistance_ < JobDistance())
    SelectByName("bus");
}

SIM_CommuteMethod* SIM_CommuteMethod::FindByName(const std::string& name) {
  for (const auto& m : Methods())
    if (m->id_ == name) return m.get();
  return nullptr;
}

bool SIM_CommuteMethod::SelectByName(const std::string& name) {
  for (size_t i = 0; i < Methods().size(); ++i) {
    if (Methods()[i]->id_ == name) {
      g_chosen = static_cast<int>(i);
      return true;
    }
  }
  LogWarning(("Unknown commute method name " + name).c_str(), "SIM_CommuteMethod", __LINE__);
  return false;
}

bool SIM_CommuteMethod::IsNotMotorised() {
  const SIM_CommuteMethod* chosen = GetChosen();
  return !chosen || (chosen->id_ != "car" && chosen->id_ != "motorbike");
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

void LoadCommuteMethods(const std::string& path) {
  SIM_CommuteMethod::DeleteAll();
  const auto table = LoadSpreadsheet(path);
  if (table)
    for (const std::string& line : *table) SIM_CommuteMethod::Add(SIM_CommuteMethod::FromLine(line));
  SIM_CommuteMethod::SetChosenIndex(SIM_CommuteMethod::All().empty() ? -1 : 0);
}

std::string GetCurrentCommuteText() {
  const SIM_CommuteMethod* chosen = SIM_CommuteMethod::GetChosen();
  return chosen ? chosen->GetVerb() : std::string();
}

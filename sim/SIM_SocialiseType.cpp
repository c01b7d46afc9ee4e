// The kinds of social evening and their table.
#include "sim/SIM_SocialiseType.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<std::unique_ptr<SIM_SocialiseType>>& Registry() {
  static std::vector<std::unique_ptr<SIM_SocialiseType>> types;
  return types;
}

bool StartsRun(const std::string& field) { return !field.empty() && field[0] == '#'; }

// The two parts of a "name,value" field.
std::pair<std::string, float> SplitPair(const std::string& field) {
  StringTokenizer parts;
  parts.SetText(field);
  std::string name = TrimField(parts.NextString());
  const float value = parts.NextFloat();
  return {name, value};
}

constexpr size_t kMaxGuestsOfPlayer = 10;

}  // namespace

const std::vector<std::unique_ptr<SIM_SocialiseType>>& SIM_SocialiseType::All() {
  return Registry();
}

std::unique_ptr<SIM_SocialiseType> SIM_SocialiseType::FromRow(const std::string& row) {
  StringTokenizer tokens;
  tokens.SetText(row);
  tokens.NextToken();  // the '#' column
  auto type = std::make_unique<SIM_SocialiseType>();
  type->category = TrimField(tokens.NextString());
  const std::string name = TrimField(tokens.NextString());
  if (name.empty()) return nullptr;
  type->typeName_ = name;
  type->SetName(name);
  type->guiName_ = TrimField(tokens.NextString());
  type->text_ = TrimField(tokens.NextString());
  type->noun = TrimField(tokens.NextString());

  const std::string flags = TrimField(tokens.NextString());
  if (flags.size() > 1) {
    StringTokenizer words;
    words.SetText(flags);
    while (!words.AtEnd())
      if (TrimField(words.NextString()) == "SOCFLAG_HOMEBASED") type->homeBased = true;
  }
  type->startSound = TrimField(tokens.NextString());
  type->AddQualityFactors(TrimField(tokens.NextString()));
  type->inviteText = TrimField(tokens.NextString());
  type->hostCost = tokens.NextInt();
  const std::string cost = TrimField(tokens.NextString());
  type->cost = cost == "VARIABLE" ? kVariableCost : std::atoi(cost.c_str());
  type->firstMonth_ = tokens.NextInt();
  type->lastMonth_ = tokens.NextInt();
  for (int day = 0; day < 7; ++day)
    if (tokens.NextInt() != 0) type->EnableDay(day);
  type->minGuests = tokens.NextInt();
  type->maxGuests = tokens.NextInt();
  if (type->maxGuests == -1) type->maxGuests = 99;
  tokens.NextToken();  // unused column

  // Three runs, each closed by a '#' field: the interests, the modifiers, the prerequisites.
  int run = 0;
  while (!tokens.AtEnd()) {
    const std::string field = TrimField(tokens.NextString());
    if (run < 2 && StartsRun(field)) {
      ++run;
      continue;
    }
    if (field.empty()) continue;
    if (run == 0) {
      auto pair = SplitPair(field);
      if (!pair.first.empty()) type->interests.push_back(std::move(pair));
    } else if (run == 1) {
      type->AddModifier(field);
    } else {
      type->AddPrerequisite(field, false, false);
    }
  }
  return type;
}

void SIM_SocialiseType::LoadAll(const std::string& file) {
  if (!FileExists(plat::NormalizeSlashes(file))) {
    LogWarning("socialise events not found", "SIM_SocialiseType", __LINE__);
    return;
  }
  const auto table = LoadSpreadsheet(file);
  for (const std::string& row : *table)
    if (auto type = FromRow(row)) Registry().push_back(std::move(type));
}

void SIM_SocialiseType::Reload(const std::string& file) {
  DeleteAll();
  LoadAll(file);
}

void SIM_SocialiseType::DeleteAll() { Registry().clear(); }

SIM_SocialiseType* SIM_SocialiseType::Add(const std::string& name) {
  auto type = std::make_unique<SIM_SocialiseType>();
  type->typeName_ = name;
  type->SetName(name);
  type->guiName_ = name;
  type->maxGuests = 4;
  for (int day = 0; day < 7; ++day) type->EnableDay(day);  // offered every day
  Registry().push_back(std::move(type));
  return Registry().back().get();
}

SIM_SocialiseType* SIM_SocialiseType::FindByName(const std::string& name) {
  for (const auto& type : Registry())
    if (type->typeName_ == name) return type.get();
  LogWarning("Failed to find socialise type by name", "SIM_SocialiseType", __LINE__);
  return nullptr;
}

SIM_SocialiseType* SIM_SocialiseType::PickRandom() {
  // A missing table is not fatal, so there may be nothing to pick.
  if (Registry().empty()) return nullptr;
  return Registry()[RandomBelow(static_cast<int>(Registry().size()))].get();
}

SIM_SocialiseType* SIM_SocialiseType::ChooseForNpc(SIM_NPC* npc) {
  if (!npc) {
    ReportAssertion(false, "SIM_SocialiseType", __LINE__);
    LogWarning("Nobody to choose activity for", "SIM_SocialiseType", __LINE__);
    return nullptr;
  }
  float best = 0.0f;
  SIM_SocialiseType* chosen = nullptr;
  for (const auto& owned : Registry()) {
    SIM_SocialiseType* type = owned.get();
    if (!type->IsAvailableToday() || !type->IsCultureMetBy(npc->GetCultureDemand())) continue;
    if (npc->GetCash() < static_cast<float>(type->GetHostCost())) continue;
    if (npc->GetBoredom()->GetBoredom(type->GetName()) > 0.5f) continue;
    if (!type->IsFor(npc)) continue;
    float score = npc->GetInterestIn(type);
    for (const SIM_Relationship* r : npc->GetRelationships())
      if (const SIM_Person* other = r->GetOther(npc)) score += other->GetInterestIn(type);
    if (score > best) {
      best = score;
      chosen = type;
    }
  }
  return chosen;
}

bool SIM_SocialiseType::HasPlaceFor(const std::vector<SIM_Person*>& invitees,
                                    SIM_Person* person) const {
  return person && WhyNoPlaceFor(invitees, person) == nullptr;
}

const char* SIM_SocialiseType::WhyNoPlaceFor(const std::vector<SIM_Person*>& invitees,
                                             SIM_Person* person) const {
  if (!person) return "WHY_GUEST_GONE";
  if (std::find(invitees.begin(), invitees.end(), person) != invitees.end())
    return "WHY_GUEST_ALREADY_INVITED";
  if (static_cast<int>(invitees.size()) + 1 >= maxGuests || invitees.size() >= kMaxGuestsOfPlayer)
    return "WHY_EVENING_FULL";
  if (!person->IsIntroduced()) return "WHY_GUEST_NOT_INTRODUCED";
  const auto* npc = dynamic_cast<const SIM_NPC*>(person);
  if (!npc || npc->IsRemoved()) return "WHY_GUEST_GONE";
  if (!IsFor(person)) return "WHY_PARTNER_ONLY";
  return nullptr;
}

bool SIM_SocialiseType::IsFor(const SIM_Person* person) const {
  return category != "ROMANTIC" || SIM_Romance::Instance().IsPartner(person);
}

bool SIM_SocialiseType::StillComes(const SIM_Person* person) const {
  const auto* npc = dynamic_cast<const SIM_NPC*>(person);
  return npc && !npc->IsRemoved() && IsFor(person);
}

bool SIM_SocialiseType::CanInvite(const std::vector<SIM_Person*>& invitees, SIM_Person* person) {
  if (!HasPlaceFor(invitees, person)) return false;
  // Asked last: the answer may put a refusal or the question about paying on the screen,
  // which must never come up for a place the evening could not give anyway.
  auto* npc = dynamic_cast<SIM_NPC*>(person);
  return npc && npc->AcceptsInvitation(this, SIM_Vesk::Instance());
}

bool SIM_SocialiseType::IsTooTired() const {
  for (const auto& prerequisite : prerequisites_)
    if (prerequisite->GetName() == "_energy")
      return prerequisite->GetThreshold() >= SIM_Vesk::Instance()->GetValue("_energy");
  return false;
}

void SIM_SocialiseType::ApplyGameSkillGain(SIM_Person* person) const {
  if (!person || (category != "GAME" && category != "BOWLING")) return;
  const float amount =
      SIM_GlobalVariables::Instance().Get("GV_GAMESKILL_GAIN") * RandomFloat(0.9f, 1.1f);
  if (auto* npc = dynamic_cast<SIM_NPC*>(person)) {
    // A character's game skills are its own named values, kept within 0..0.95.
    const float now = npc->GetNamedValue(typeName_);
    npc->ModifyNamedValue(typeName_, std::min(amount, std::max(0.95f - now, 0.0f)));
  } else if (person == SIM_Vesk::Instance()) {
    SIM_Vesk::Instance()->ModifyValue(typeName_, amount, 0.95f, typeName_);
  }
}

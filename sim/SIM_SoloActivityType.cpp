// Solo activity types and their table.
#include "sim/SIM_SoloActivityType.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Friends.h"
#include "sim/SIM_SoloActivityInstance.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<std::unique_ptr<SIM_SoloActivityType>>& Registry() {
  static std::vector<std::unique_ptr<SIM_SoloActivityType>> types;
  return types;
}

}  // namespace

const std::vector<std::unique_ptr<SIM_SoloActivityType>>& SIM_SoloActivityType::All() {
  return Registry();
}

std::unique_ptr<SIM_SoloActivityType> SIM_SoloActivityType::FromRow(const std::string& row) {
  StringTokenizer tokens;
  tokens.SetText(row);
  tokens.NextToken();  // the '#' column
  auto type = std::make_unique<SIM_SoloActivityType>();
  const std::string name = TrimField(tokens.NextString());
  if (name.empty()) return nullptr;
  type->typeName_ = name;
  type->SetName(name);
  type->guiName_ = TrimField(tokens.NextString());
  type->text_ = TrimField(tokens.NextString());
  type->action_ = TrimField(tokens.NextString());
  type->effectsVary_ = tokens.NextInt() != 0;
  type->panelKind_ = TrimField(tokens.NextString());
  type->meetFriendChance_ = tokens.NextFloat();
  type->skipModifiers_ = tokens.NextInt() != 0;
  type->cost_ = tokens.NextFloat();
  type->firstMonth_ = tokens.NextInt();
  type->lastMonth_ = tokens.NextInt();
  for (int day = 0; day < 7; ++day)
    if (tokens.NextInt() != 0) type->EnableDay(day);
  tokens.NextToken();  // unused column

  bool prerequisites = false;
  while (!tokens.AtEnd()) {
    std::string field = TrimField(tokens.NextString());
    if (!prerequisites && !field.empty() && field[0] == '#') {
      prerequisites = true;
      continue;
    }
    if (prerequisites) {
      type->AddPrerequisite(field, false, false);
    } else {
      if (field.size() > kMaxModifierText) field.resize(kMaxModifierText);
      type->AddModifier(field);
    }
  }
  return type;
}

void SIM_SoloActivityType::LoadAll(const std::string& file) {
  if (!FileExists(plat::NormalizeSlashes(file)))
    FatalError("Missing CSV file", "SIM_SoloActivityType", 195);
  const auto table = LoadSpreadsheet(file);
  for (const std::string& row : *table)
    if (auto type = FromRow(row)) Registry().push_back(std::move(type));
}

void SIM_SoloActivityType::Reload(const std::string& file) {
  DeleteAll();
  LoadAll(file);
}

void SIM_SoloActivityType::DeleteAll() { Registry().clear(); }

SIM_SoloActivityType* SIM_SoloActivityType::TryFind(const std::string& name) {
  for (const auto& type : Registry())
    if (type->typeName_ == name) return type.get();
  return nullptr;
}

SIM_SoloActivityType* SIM_SoloActivityType::FindByName(const std::string& name) {
  if (SIM_SoloActivityType* type = TryFind(name)) return type;
  FatalError("SIM_SoloActivityType not found", "SIM_SoloActivityType", 26);
}

bool SIM_SoloActivityType::IsAffordable() const {
  return cost_ <= 0.0f || SIM_Finances::Instance().GetCash() >= cost_;
}

void SIM_SoloActivityType::Start() { (new SIM_SoloActivityInstance(this))->Run(); }

void SIM_SoloActivityType::TryMeetNewFriend() const {
  const int friends = CountPlayerFriends();
  if (friends >= 8) return;
  float chance = meetFriendChance_;
  if (friends < 2) chance = std::clamp(chance * 2.0f, 0.0f, 1.0f);
  if (!RandomChance(chance)) return;
  if (SIM_Vesk::Instance()->GetValue("happiness") > 0.5f || friends == 0) MeetNewFriend();
}

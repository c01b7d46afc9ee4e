// Character types.
#include "sim/SIM_CharacterType.h"

#include <cmath>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr float kMaxEffect = 1000.0f;  // what SIM_Vesk::ModifyValue accepts

std::vector<SIM_CharacterType*>& List() {
  static std::vector<SIM_CharacterType*> list;
  return list;
}

}  // namespace

void SIM_CharacterType::LoadAll(const std::string& path) {
  DeleteAll();
  const auto table = LoadSpreadsheet(path);
  for (const std::string& line : *table) {
    StringTokenizer tokens;
    tokens.SetText(line);
    tokens.NextToken();
    auto* type = new SIM_CharacterType();
    type->name_ = tokens.NextString();
    for (std::string& text : type->texts_) text = tokens.NextString();
    type->weight_ = tokens.NextFloat();
    const std::string effect = tokens.NextTrimmedString();
    if (effect.size() > 3) {
      StringTokenizer parts;
      parts.SetText(effect);
      type->effectName_ = parts.NextString();
      type->effectAmount_ = parts.NextFloat();
      type->effectDegrade_ = parts.NextFloat();
      // A change to a player value is less than kMaxEffect either way; a larger one, made by
      // every character of the type, would soon make the value infinite.
      if (parts.NumberTooLarge() || !(std::fabs(type->effectAmount_) < kMaxEffect)) {
        LogWarning(("Character type " + type->name_ + " has no effect: its amount is out of range")
                       .c_str(),
                   __FILE__, __LINE__);
        type->effectName_.clear();
        type->effectAmount_ = 0.0f;
        type->effectDegrade_ = 0.0f;
      }
    }
    List().push_back(type);
  }
}

void SIM_CharacterType::DeleteAll() {
  for (SIM_CharacterType* type : List()) delete type;
  List().clear();
}

SIM_CharacterType* SIM_CharacterType::ChooseRandom() {
  auto& list = List();
  if (list.empty()) return nullptr;
  const float r = RandomUnit();
  float sum = 0.0f;
  for (SIM_CharacterType* type : list) {
    sum += type->weight_;
    if (sum >= r) return type;
  }
  LogWarning("SIM_CharacterType::ChooseRandom() - Reached the end", __FILE__, __LINE__);
  return list.back();
}

SIM_CharacterType* SIM_CharacterType::Find(const std::string& name) {
  for (SIM_CharacterType* type : List())
    if (type->name_ == name) return type;
  LogWarning(("character type " + name + " not found").c_str(), __FILE__, __LINE__);
  ReportAssertion(false, __FILE__, __LINE__);
  return nullptr;
}

const std::vector<SIM_CharacterType*>& SIM_CharacterType::All() { return List(); }

const std::string& SIM_CharacterType::GetText(int i) const {
  return texts_[i >= 2 && i <= 4 ? i - 2 : 0];
}

void SIM_CharacterType::ApplyEffect(const std::string& source) const {
  if (effectAmount_ == 0.0f || effectName_.empty()) return;
  SIM_Vesk::Instance()->ModifyValue(effectName_, effectAmount_, effectDegrade_, source);
}

// Interest types.
#include "sim/SIM_InterestType.h"

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "platform/Files.h"
#include "sim/SIM_Person.h"

namespace {

std::vector<SIM_InterestType*>& List() {
  static std::vector<SIM_InterestType*> list;
  return list;
}

}  // namespace

void SIM_InterestType::LoadAll(const std::string& path) {
  DeleteAll();
  const std::unique_ptr<Spreadsheet> table = LoadSpreadsheet(path);
  for (const std::string& line : *table) {
    StringTokenizer tokens;
    tokens.SetText(line);
    tokens.NextToken();
    auto* type = new SIM_InterestType();
    type->name_ = TrimField(tokens.NextString());
    type->guiName_ = TrimField(tokens.NextString());
    const std::string probability = TrimField(tokens.NextString());
    if (!probability.empty()) {
      StringTokenizer number;
      number.SetText(probability);
      type->probability_ = number.NextFloat();
    }
    type->level1_ = ParseLevel(TrimField(tokens.NextString()));
    type->level2_ = ParseLevel(TrimField(tokens.NextString()));
    type->category_ = tokens.NextTrimmedString();  // the last field: line ending trimmed
    List().push_back(type);
  }
}

void SIM_InterestType::DeleteAll() {
  for (SIM_InterestType* type : List()) delete type;
  List().clear();
}

SIM_InterestType* SIM_InterestType::Add(const std::string& name, float probability, int level1,
                                        int level2, const std::string& category) {
  auto* type = new SIM_InterestType();
  type->name_ = name;
  type->guiName_ = name;
  type->probability_ = probability;
  type->level1_ = level1;
  type->level2_ = level2;
  type->category_ = category;
  List().push_back(type);
  return type;
}

int SIM_InterestType::ParseLevel(const std::string& word) {
  if (word == "LOW") return kLow;
  if (word == "MEDIUM") return kMedium;
  if (word == "HIGH") return kHigh;
  return kNone;
}

SIM_InterestType* SIM_InterestType::Find(const std::string& name) {
  for (SIM_InterestType* type : List())
    if (type->name_ == name) return type;
  return nullptr;
}

SIM_InterestType* SIM_InterestType::FindWithAliases(const std::string& name) {
  std::string key = name;
  if (key == "card games") key = "cardgames";
  if (key == "museums") key = "museum";
  SIM_InterestType* type = Find(key);
  if (!type) {
    LogWarning("Interest type not found", __FILE__, __LINE__);
    ReportAssertion(false, __FILE__, __LINE__);
  }
  return type;
}

SIM_InterestType* SIM_InterestType::ChooseRandom(const std::vector<SIM_InterestWeight>& weights) {
  // The total and the running sum add the same floats in the same order, so a draw of the
  // whole total is reached by the last record.
  float total = 0.0f;
  for (const auto& w : weights) total += w.weight;
  if (total <= 0.0f) FatalError("No interest probabilities", __FILE__, __LINE__);
  const float r = RandomFloat(0.0f, total);
  float sum = 0.0f;
  for (const auto& w : weights) {
    sum += w.weight;
    if (sum >= r) return w.type;
  }
  return weights.back().type;
}

const std::vector<SIM_InterestType*>& SIM_InterestType::All() { return List(); }

float InterestAffinityFactor(int level, float value) {
  const int band = value < 0.33f ? 0 : value < 0.66f ? 1 : 2;
  static const float kTable[3][3] = {{1.5f, 0.5f, 0.25f}, {0.5f, 1.5f, 0.5f}, {0.25f, 0.5f, 1.5f}};
  if (level < 0 || level > 2) return 1.0f;
  return kTable[level][band];
}

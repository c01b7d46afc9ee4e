// Named-value lists and their registry.
#include "sim/SIM_NamedValueList.h"

#include <algorithm>
#include <cstddef>
#include <functional>

#include "engine/DebugLog.h"

namespace {

std::vector<SIM_NamedValueList*>& Registry() {
  static std::vector<SIM_NamedValueList*> lists;
  return lists;
}

}  // namespace

SIM_NamedValueList::SIM_NamedValueList(const std::string& name) : name_(name) {
  Registry().push_back(this);
}

SIM_NamedValueList::~SIM_NamedValueList() {
  Clear();
  auto& lists = Registry();
  lists.erase(std::remove(lists.begin(), lists.end(), this), lists.end());
}

void SIM_NamedValueList::Add(SIM_NamedValue* value) {
  if (!value) return;
  values_.push_back(value);
  nameHashes_.push_back(std::hash<std::string>{}(value->GetName()));
}

SIM_NamedValue* SIM_NamedValueList::Find(const std::string& name) const {
  const size_t hash = std::hash<std::string>{}(name);
  for (size_t i = 0; i < nameHashes_.size(); ++i)
    if (nameHashes_[i] == hash && values_[i]->GetName() == name) return values_[i];
  return nullptr;
}

bool SIM_NamedValueList::IsSet(const std::string& name) const {
  const SIM_NamedValue* value = Find(name);
  return value && value->GetValue() != 0.0f;
}

float SIM_NamedValueList::GetValue(const std::string& name) const {
  if (const SIM_NamedValue* value = Find(name)) return value->GetValue();
  FatalError("Value not found", "SIM_NamedValue", 156);
}

void SIM_NamedValueList::Remove(SIM_NamedValue* value) {
  // By the pointer alone: the value may be gone already.
  for (size_t i = values_.size(); i-- > 0;) {
    if (values_[i] != value) continue;
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(i));
    nameHashes_.erase(nameHashes_.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void SIM_NamedValueList::Clear() {
  // Take the values out first: a value's destructor may look at the list.
  std::vector<SIM_NamedValue*> values;
  values.swap(values_);
  nameHashes_.clear();
  for (SIM_NamedValue* value : values) delete value;
}

void SIM_NamedValueList::RecalculateAll() {
  for (SIM_NamedValue* value : values_) value->Recalculate();
}

SIM_NamedValueList* SIM_NamedValueList::FindList(const std::string& name) {
  for (SIM_NamedValueList* list : Registry())
    if (list->GetName() == name) return list;
  FatalError("Failed to find named value list", "SIM_NamedValue", 189);
}

SIM_NamedValueList& GlobalNamedValues() {
  static SIM_NamedValueList* globals = new SIM_NamedValueList("global");  // lives to the end
  return *globals;
}

void SetGlobalValue(const std::string& name, float value) {
  SIM_NamedValueList& globals = GlobalNamedValues();
  if (SIM_NamedValue* existing = globals.Find(name)) {
    existing->SetValue(value);
    return;
  }
  globals.Add(new SIM_NamedValue(name, name, value));
}

// Named-value lists and their registry.
#include "sim/SIM_NamedValueList.h"

#include <algorithm>

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
  if (value) values_.push_back(value);
}

SIM_NamedValue* SIM_NamedValueList::Find(const std::string& name) const {
  for (SIM_NamedValue* value : values_)
    if (value->GetName() == name) return value;
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
  values_.erase(std::remove(values_.begin(), values_.end(), value), values_.end());
}

void SIM_NamedValueList::Clear() {
  // Take the values out first: a value's destructor may look at the list.
  std::vector<SIM_NamedValue*> values;
  values.swap(values_);
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

// Named-value lists and their registry.
#include "sim/SIM_NamedValueList.h"

#include <algorithm>
#include <cstddef>

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
  names_.push_back(value->GetName());
  first_.emplace(value->GetName(), value);  // a later one of the same name does not replace it
}

SIM_NamedValue* SIM_NamedValueList::Find(const std::string& name) const {
  const auto found = first_.find(name);
  return found == first_.end() ? nullptr : found->second;
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
  std::vector<std::string> removed;
  for (size_t i = values_.size(); i-- > 0;) {
    if (values_[i] != value) continue;
    removed.push_back(std::move(names_[i]));
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(i));
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(i));
  }
  // A name found at the removed value now finds the next value of that name, if any.
  for (const std::string& name : removed) {
    const auto found = first_.find(name);
    if (found == first_.end() || found->second != value) continue;
    first_.erase(found);
    const auto next = std::find(names_.begin(), names_.end(), name);
    if (next != names_.end())
      first_.emplace(name, values_[static_cast<size_t>(next - names_.begin())]);
  }
}

void SIM_NamedValueList::Clear() {
  // Take the values out first: a value's destructor may look at the list.
  std::vector<SIM_NamedValue*> values;
  values.swap(values_);
  names_.clear();
  first_.clear();
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

// Attributes.
#include "sim/SIM_Attribute.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Utilities.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Screens.h"

namespace {

std::vector<SIM_Attribute*>& Registry() {
  static std::vector<SIM_Attribute*> attributes;
  return attributes;
}

std::string Field(const std::vector<std::string>& fields, size_t i) {
  return i < fields.size() ? fields[i] : std::string();
}

// Descriptions lose trailing blanks and line ends (a row's last field carries its newline).
std::string TrimRight(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n'))
    text.pop_back();
  return text;
}

[[noreturn]] void ParentError() { FatalError("Error finding parent attribute", "SIM_Attribute", 131); }

}  // namespace

SIM_Attribute::SIM_Attribute(const std::string& name, const std::string& guiName, float base)
    : SIM_NamedValue(name, guiName, base), base_(base) {
  Registry().push_back(this);
}

SIM_Attribute::~SIM_Attribute() {
  while (!effects_.empty()) delete effects_.back();  // each effect unlinks itself
  auto& all = Registry();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
  for (SIM_Attribute* other : all)
    if (other->parent_ == this) other->parent_ = nullptr;
}

SIM_Attribute* SIM_Attribute::FromRow(const std::vector<std::string>& fields) {
  const float base = ParseFloatPrefix(Field(fields, 3).c_str());
  auto* a = new SIM_Attribute(Field(fields, 1), Field(fields, 2), base);
  a->flag1_ = ParseIntPrefix(Field(fields, 4).c_str()) != 0;
  a->risingIsGood_ = ParseIntPrefix(Field(fields, 5).c_str()) != 0;
  for (int i = 0; i < 3; ++i) a->descriptions_[i] = TrimRight(Field(fields, 6 + i));
  const std::string criterion = TrimRight(Field(fields, 9));
  if (criterion == "above") a->warnCriterion_ = kWarnAbove;
  else if (criterion == "below") a->warnCriterion_ = kWarnBelow;
  a->warnThreshold_ = ParseFloatPrefix(Field(fields, 10).c_str());
  a->parentName_ = TrimRight(Field(fields, 11));
  if (!a->parentName_.empty())
    a->parentFactor_ = ParseFloatPrefix(Field(fields, 12).c_str());
  return a;
}

void SIM_Attribute::ResolveParents(const SIM_NamedValueList& list) {
  std::vector<SIM_Attribute*> attributes;
  for (SIM_NamedValue* value : list.Values())
    if (auto* a = dynamic_cast<SIM_Attribute*>(value)) attributes.push_back(a);

  for (SIM_Attribute* a : attributes) {
    if (a->parentName_.empty()) continue;
    auto* parent = dynamic_cast<SIM_Attribute*>(list.Find(a->parentName_));
    if (!parent) ParentError();
    a->parent_ = parent;
  }
  // A chain of parents must end: a cycle would make every change walk up for ever.
  for (SIM_Attribute* a : attributes) {
    size_t steps = 0;
    for (SIM_Attribute* p = a->parent_; p; p = p->parent_)
      if (++steps > attributes.size()) ParentError();
  }
}

void SIM_Attribute::LoadTable(const std::string& file, SIM_NamedValueList& list) {
  const std::unique_ptr<Spreadsheet> table = LoadSpreadsheet(file);
  StringTokenizer tokens;
  for (const std::string& row : *table) {
    tokens.SetText(row);
    std::vector<std::string> fields;
    while (!tokens.AtEnd()) fields.push_back(tokens.NextString());
    list.Add(FromRow(fields));
  }
  ResolveParents(list);
}

SIM_Attribute* SIM_Attribute::Find(const std::string& name) {
  for (SIM_Attribute* a : Registry())
    if (a->GetName() == name) return a;
  return nullptr;
}

const std::vector<SIM_Attribute*>& SIM_Attribute::All() { return Registry(); }

void SIM_Attribute::ClearRegistry() { Registry().clear(); }

void SIM_Attribute::SetParent(SIM_Attribute* parent, float factor) {
  parent_ = parent;
  parentFactor_ = factor;
  if (parent) parentName_ = parent->GetName();
}

void SIM_Attribute::Recalculate() {
  float v = base_;
  for (const SIM_Effect* e : effects_) v += e->GetAmount();
  value_ = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

void SIM_Attribute::ShowDetails() { Screens().OpenAttributeDetails(this); }

void SIM_Attribute::RestoreEffect(float amount, float degrade, const std::string& debugName) {
  new SIM_Effect(amount, degrade, debugName, &effects_);  // owned through the list
}

void SIM_Attribute::AddEffect(float amount, float degrade, const std::string& debugName) {
  Recalculate();
  const float before = value_;
  new SIM_Effect(amount, degrade, debugName, &effects_);  // owned through effects_
  Recalculate();
  // What the bar moved, not what was asked: a bar held at a limit does not move at all, and
  // a change that moved nothing is not shown.
  float shown = value_ - before;
  if (shown == 0.0f) return;
  // Show the change on each bar up the chain; the bound guards against a parent cycle made
  // outside ResolveParents.
  int steps = 0;
  for (SIM_Attribute* a = this; a && steps < 64; a = a->parent_, ++steps) {
    Screens().ShowAttributeChange(a, shown);
    shown *= a->parentFactor_;
  }
}

bool SIM_Attribute::IsPastWarnLimit() const {
  switch (warnCriterion_) {
    case kWarnAbove: return value_ > warnThreshold_;
    case kWarnBelow: return value_ < warnThreshold_;
    default: return false;
  }
}

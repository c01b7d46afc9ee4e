// An owned, named list of named values searched by name, and the world's global list.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "sim/SIM_NamedValue.h"

class SIM_NamedValueList {
 public:
  // Every list registers itself so it can be found by name.
  explicit SIM_NamedValueList(const std::string& name = "");
  virtual ~SIM_NamedValueList();
  SIM_NamedValueList(const SIM_NamedValueList&) = delete;
  SIM_NamedValueList& operator=(const SIM_NamedValueList&) = delete;

  const std::string& GetName() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  // Appends the value; the list owns it from then on.
  void Add(SIM_NamedValue* value);
  // The first value of exactly that name, or null.
  SIM_NamedValue* Find(const std::string& name) const;
  bool Has(const std::string& name) const { return Find(name) != nullptr; }
  // Found and not 0: how ownership flags are tested.
  bool IsSet(const std::string& name) const;
  // The value of that name; a missing name is a fatal error (callers that may meet one test
  // it first with Has or IsSet).
  float GetValue(const std::string& name) const;
  // Unlinks every entry holding the pointer without deleting it.
  void Remove(SIM_NamedValue* value);
  // Deletes every value.
  void Clear();
  void RecalculateAll();

  size_t Size() const { return values_.size(); }
  const std::vector<SIM_NamedValue*>& Values() const { return values_; }

  // The registered list of that name (the first registered); none is a fatal error.
  static SIM_NamedValueList* FindList(const std::string& name);

 private:
  std::string name_;
  std::vector<SIM_NamedValue*> values_;
  // Each value's name, in step with values_: Remove may be handed a value already gone.
  std::vector<std::string> names_;
  // The first value of each name: the player's values are searched by name many times a day.
  std::unordered_map<std::string, SIM_NamedValue*> first_;
};

// The world's values: "glob_dirt", "glob_germs", the weather, ownership and state flags.
SIM_NamedValueList& GlobalNamedValues();

// Sets the global value of that name, adding it when absent. The value is stored as given,
// without the 0..1 clamp of Apply.
void SetGlobalValue(const std::string& name, float value);

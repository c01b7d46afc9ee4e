// A player attribute: a named value worked out as a base plus its decaying effects, with an
// optional parent on whose bar its changes also show.
#pragma once

#include <string>
#include <vector>

#include "sim/SIM_NamedValue.h"

class SIM_Effect;
class SIM_NamedValueList;

class SIM_Attribute : public SIM_NamedValue {
 public:
  enum WarnCriterion { kWarnAbove = 0, kWarnBelow = 1, kWarnNone = 2 };

  // Linked into the registry of attributes.
  SIM_Attribute(const std::string& name, const std::string& guiName, float base);
  // Deletes its effects and leaves the registry.
  ~SIM_Attribute() override;

  // Builds an attribute from the fields of an attributes-table row ('#' column first). The
  // parent is only named here (see ResolveParents).
  static SIM_Attribute* FromRow(const std::vector<std::string>& fields);
  // Links every attribute of the list to the parent its row named, once all rows are read,
  // so a parent may come after its children. A parent no attribute has, or a chain of
  // parents that comes back on itself, is a fatal error.
  static void ResolveParents(const SIM_NamedValueList& list);
  // Reads a whole attributes table into the list (rows appended in file order), then
  // resolves the parents.
  static void LoadTable(const std::string& file, SIM_NamedValueList& list);

  // The first attribute in the registry with that name, or null.
  static SIM_Attribute* Find(const std::string& name);
  // Every attribute in the registry, in the order they were made.
  static const std::vector<SIM_Attribute*>& All();
  // Forgets every attribute (a new game rebuilds them); the attributes are not deleted.
  static void ClearRegistry();

  // value = base + the effects, kept within 0..1.
  void Recalculate() override;
  // The details window.
  void ShowDetails() override;

  // Appends a change that decays by degrade each day, recalculates, and shows the change the
  // value made (none when it did not move) on this attribute's bar and on each parent's bar,
  // scaled by each parent factor on the way up.
  void AddEffect(float amount, float degrade, const std::string& debugName);
  // Strictly past the warn threshold in the direction of the criterion.
  bool IsPastWarnLimit() const;

  float GetBase() const { return base_; }
  void SetBase(float base) { base_ = base; }
  bool GetFlag1() const { return flag1_; }
  bool IsRisingGood() const { return risingIsGood_; }
  // The table's three texts: what the attribute is (shown in its details), the text for a
  // high value and the text for a low value.
  static constexpr int kDescription = 0;
  static constexpr int kDescriptionHigh = 1;
  static constexpr int kDescriptionLow = 2;
  const std::string& GetDescription(int i) const { return descriptions_[i < 0 || i > 2 ? 0 : i]; }
  int GetWarnCriterion() const { return warnCriterion_; }
  float GetWarnThreshold() const { return warnThreshold_; }
  void SetWarnLimit(int criterion, float threshold) {
    warnCriterion_ = criterion;
    warnThreshold_ = threshold;
  }
  SIM_Attribute* GetParent() const { return parent_; }
  const std::string& GetParentName() const { return parentName_; }
  float GetParentFactor() const { return parentFactor_; }
  void SetParent(SIM_Attribute* parent, float factor);
  const std::vector<SIM_Effect*>& GetEffects() const { return effects_; }
  // A loaded game's fields and effects, put back as they were saved (no display, no
  // recalculation).
  void SetFlags(bool alwaysShow, bool risingIsGood) {
    flag1_ = alwaysShow;
    risingIsGood_ = risingIsGood;
  }
  void SetDescription(int i, const std::string& text) {
    if (i >= 0 && i < 3) descriptions_[i] = text;
  }
  void RestoreEffect(float amount, float degrade, const std::string& debugName);

 private:
  float base_ = 0.0f;
  bool flag1_ = false;
  bool risingIsGood_ = false;
  std::string descriptions_[3];
  int warnCriterion_ = kWarnNone;
  float warnThreshold_ = 0.0f;
  SIM_Attribute* parent_ = nullptr;
  std::string parentName_;
  float parentFactor_ = 1.0f;
  std::vector<SIM_Effect*> effects_;
};

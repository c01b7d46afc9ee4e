// A kind of activity that uses one of the day's slots: solo activities, social evenings,
// jobs, special events and evening classes. It carries its modifiers, the months and days of
// the week it is offered, the conditions the player must meet, and for social evenings the
// quality factors that rate an evening.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "sim/SIM_ModifierContainer.h"
#include "sim/SIM_Prerequisite.h"

class SIM_TimeChunkType : public SIM_ModifierContainer {
 public:
  static constexpr size_t kMaxPrerequisiteName = 63;

  SIM_TimeChunkType() = default;
  ~SIM_TimeChunkType() override = default;

  // "name,threshold". Texts of 2 characters or fewer and names under 2 characters are
  // ignored; names are cut to 63 characters.
  virtual void AddPrerequisite(const std::string& text, bool first, bool below);
  // "name,weight,name,weight,...". A name under 2 characters is reported and still added.
  void AddQualityFactors(const std::string& text);
  // Days 0..6; other values are ignored.
  void EnableDay(int day);
  // No day of the week offers the type.
  void ClearDays() { dayFlags_.fill(false); }
  bool IsDayEnabled(int dayOfWeek) const;
  // The current month lies in first..last month (no wrap past the year end); always true
  // when either end is -1.
  bool IsInSeason() const;
  // Every prerequisite met (true for none).
  bool ArePrerequisitesMet() const;
  // Today's day flag, the season, the prerequisites, and for "bowlingmatch" the player being
  // on the bowling team and the coming slot being the day's last.
  bool IsAvailableToday() const;
  // False when a "culture" prerequisite asks for more than the given culture value.
  bool IsCultureMetBy(float culture) const;
  // The sum of the quality factors (player value, else global value, times the weight;
  // "_random" found nowhere gives a difficulty-scaled random share, at most 1).
  float EvaluateQuality() const;

  const std::string& GetTypeName() const { return typeName_; }
  void SetTypeName(const std::string& name) { typeName_ = name; }
  const std::string& GetGuiName() const { return guiName_; }
  void SetGuiName(const std::string& guiName) { guiName_ = guiName; }
  const std::string& GetText() const { return text_; }
  void SetText(const std::string& text) { text_ = text; }
  int GetFirstMonth() const { return firstMonth_; }
  int GetLastMonth() const { return lastMonth_; }
  void SetMonthWindow(int first, int last) {
    firstMonth_ = first;
    lastMonth_ = last;
  }
  const std::vector<std::unique_ptr<SIM_Prerequisite>>& GetPrerequisites() const {
    return prerequisites_;
  }
  const std::vector<std::unique_ptr<SIM_Prerequisite>>& GetQualityFactors() const {
    return qualityFactors_;
  }

 protected:
  std::string typeName_;
  std::string guiName_;
  std::string text_;
  int firstMonth_ = -1;
  int lastMonth_ = -1;
  std::array<bool, 7> dayFlags_ = {};
  std::vector<std::unique_ptr<SIM_Prerequisite>> prerequisites_;
  std::vector<std::unique_ptr<SIM_Prerequisite>> qualityFactors_;
};

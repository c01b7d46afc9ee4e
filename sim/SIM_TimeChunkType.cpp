// Activity types.
#include "sim/SIM_TimeChunkType.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/StringTokenizer.h"
#include "engine/Utilities.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"

void SIM_TimeChunkType::AddPrerequisite(const std::string& text, bool first, bool below) {
  if (text.size() <= 2) return;
  StringTokenizer tokens;
  tokens.SetText(text);
  std::string name = TrimField(tokens.NextString());
  if (name.size() < 2) return;
  if (name.size() > kMaxPrerequisiteName) name.resize(kMaxPrerequisiteName);
  const float threshold = tokens.NextFloat();
  prerequisites_.push_back(std::make_unique<SIM_Prerequisite>(name, threshold, first, below));
}

void SIM_TimeChunkType::AddQualityFactors(const std::string& text) {
  if (text.size() < 2) return;
  StringTokenizer tokens;
  tokens.SetText(text);
  while (!tokens.AtEnd()) {
    const std::string name = TrimField(tokens.NextString());
    const float weight = tokens.NextFloat();
    ReportAssertion(name.size() >= 2, "SIM_TimeChunkType", 289);
    qualityFactors_.push_back(std::make_unique<SIM_Prerequisite>(name, weight, false, false));
  }
}

void SIM_TimeChunkType::EnableDay(int day) {
  if (day >= 0 && day < 7) dayFlags_[day] = true;
}

bool SIM_TimeChunkType::IsDayEnabled(int dayOfWeek) const {
  return dayOfWeek >= 0 && dayOfWeek < 7 && dayFlags_[dayOfWeek];
}

bool SIM_TimeChunkType::IsInSeason() const {
  if (firstMonth_ == -1 || lastMonth_ == -1) return true;
  const int month = CurrentDate().GetMonth();
  return month >= firstMonth_ && month <= lastMonth_;
}

bool SIM_TimeChunkType::ArePrerequisitesMet() const {
  for (const auto& prerequisite : prerequisites_)
    if (!prerequisite->IsMet()) return false;
  return true;
}

bool SIM_TimeChunkType::IsAvailableToday() const {
  if (!IsDayEnabled(CurrentDate().GetDayOfWeek())) return false;
  if (!IsInSeason()) return false;
  if (!ArePrerequisitesMet()) return false;
  // The team's match: only for a player on the team (the match day stays set after leaving
  // or in a game that never joined), and only as the day's last activity.
  if (typeName_ == SIM_BowlingTeam::kMatchType &&
      (!SIM_BowlingTeam::Instance().IsMember() || !SIM_SIM::Instance().IsLastAct()))
    return false;
  return true;
}

bool SIM_TimeChunkType::IsCultureMetBy(float culture) const {
  for (const auto& prerequisite : prerequisites_)
    if (prerequisite->GetName() == "culture" && prerequisite->GetThreshold() > culture)
      return false;
  return true;
}

float SIM_TimeChunkType::EvaluateQuality() const {
  const float difficulty =
      SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
  float quality = 0.0f;
  for (const auto& factor : qualityFactors_) {
    float value = 0.0f;
    if (LookUpPlayerOrGlobalValue(factor->GetName(), value)) {
      quality += value * factor->GetThreshold();
    } else if (factor->GetName() == "_random") {
      const float share = ((1.0f - difficulty) + 0.5f) * (RandomUnit() * factor->GetThreshold());
      quality += std::clamp(share, 0.0f, 1.0f);
    }
  }
  return quality;
}

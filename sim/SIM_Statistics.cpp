// Play statistics.
#include "sim/SIM_Statistics.h"


namespace {

bool IntIndex(int i) { return i >= 0 && i < SIM_Statistics::kIntCount; }
bool FloatIndex(int i) { return i >= 0 && i < SIM_Statistics::kFloatCount; }

}  // namespace

SIM_Statistics& SIM_Statistics::Instance() {
  static SIM_Statistics statistics;
  return statistics;
}

void SIM_Statistics::AddInt(int n, int i) {
  if (IntIndex(i)) ints_[i] += n;
}

void SIM_Statistics::AddFloat(float v, int i) {
  if (FloatIndex(i)) floats_[i] += v;
}

void SIM_Statistics::SetMaxFloat(float v, int i) {
  if (FloatIndex(i) && v > floats_[i]) floats_[i] = v;
}

int SIM_Statistics::GetInt(int i) const { return IntIndex(i) ? ints_[i] : 0; }
float SIM_Statistics::GetFloat(int i) const { return FloatIndex(i) ? floats_[i] : 0.0f; }

void SIM_Statistics::SetInt(int i, int value) {
  if (IntIndex(i)) ints_[i] = value;
}

void SIM_Statistics::SetFloat(int i, float value) {
  if (FloatIndex(i)) floats_[i] = value;
}

void SIM_Statistics::CountActivity(const std::string& name) {
  for (auto& [counted, count] : activities_) {
    if (counted == name) {
      ++count;
      return;
    }
  }
  activities_.emplace_back(name, 1);
}

std::string SIM_Statistics::GetFavouriteActivity() const {
  const std::pair<std::string, int>* best = nullptr;
  for (const auto& entry : activities_)
    if (!best || entry.second > best->second) best = &entry;
  return best ? best->first : std::string();
}

SIM_YearShares YearShares(int classes, int solo, int social) {
  SIM_YearShares shares;
  const int total = classes + solo + social;
  // A year without counted activity has empty bars (and so the balanced verdict).
  if (total <= 0) return shares;
  const auto t = static_cast<float>(total);
  shares.classes = static_cast<float>(classes) / t;
  shares.alone = static_cast<float>(solo) / t;
  shares.socialising = static_cast<float>(social) / t;
  return shares;
}

const char* YearVerdictKey(const SIM_YearShares& shares) {
  if (shares.alone >= 0.45f) return "YEAR_REVIEW_SUMMARY_SOLITARY";
  if (shares.socialising >= 0.45f) return "YEAR_REVIEW_SUMMARY_SOCIABLE";
  if (shares.classes >= 0.3f) return "YEAR_REVIEW_SUMMARY_BOOKWORM";
  return "YEAR_REVIEW_SUMMARY_WELLBALANCED";
}

const char* EndGameVerdictKey(int solo, int social) {
  constexpr float kGameDays = 840.0f;
  if (static_cast<float>(solo) / kGameDays >= 0.75f) return "ENDGAME_SUMMARY_SOLITARY";
  if (static_cast<float>(social) / kGameDays >= 0.55f) return "ENDGAME_SUMMARY_SOCIABLE";
  return "ENDGAME_SUMMARY_WELLBALANCED";
}

void SIM_Statistics::ResetYear() {
  pastSolo_ += ints_[2];
  pastSocial_ += ints_[3];
  pastEarned_ = floats_[0];
  activities_.clear();
  ints_[1] = ints_[2] = ints_[3] = 0;
}

void SIM_Statistics::CloseYear() {
  reviewDue_ = false;
  ResetYear();
  StartPlayTimer();
}

void SIM_Statistics::Reset() {
  activities_.clear();
  pastSolo_ = pastSocial_ = 0;
  pastEarned_ = 0.0f;
  reviewDue_ = false;
  for (int& v : ints_) v = 0;
  for (float& v : floats_) v = 0.0f;
  // A new game's play time starts from 0, even after a game whose timer was held paused (a
  // loaded or reviewed one), which StartPlayTimer would otherwise count on from.
  timer_.Update();
  timer_.elapsed = 0.0;
}

void SIM_Statistics::StartPlayTimer() {
  if (timer_.paused && timer_.elapsed > 0.0) {
    timer_.Resume();
  } else {
    timer_.Start();
  }
}

void SIM_Statistics::PausePlayTimer() {
  timer_.Update();
  timer_.Pause();
}

double SIM_Statistics::GetPlayTime() {
  timer_.Update();
  return timer_.elapsed;
}

void SIM_Statistics::SetPlayTime(double ms) {
  timer_.Pause();
  timer_.elapsed = ms;
}

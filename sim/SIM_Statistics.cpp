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

void SIM_Statistics::ResetYear() {
  activities_.clear();
  ints_[1] = ints_[2] = ints_[3] = 0;
}

void SIM_Statistics::Reset() {
  activities_.clear();
  for (int& v : ints_) v = 0;
  for (float& v : floats_) v = 0.0f;
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
  timer_.Update();
  timer_.elapsed = ms;
}

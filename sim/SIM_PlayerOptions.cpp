// Player options file.
#include "sim/SIM_PlayerOptions.h"

#include "engine/ConfigFile.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "sim/SIM_SIM.h"

namespace {

constexpr const char* kConfigKeys[SIM_PlayerOptions::kConfigCount] = {
    "MASTERVOLUME", "MUSICVOLUME", "DIFFICULTY", "MOUSESPEED", "SNOWFALL"};
constexpr const char* kToggleKeys[SIM_PlayerOptions::kToggleCount] = {
    "NEWMAILSOUND",  "ENABLEMUSIC",   "ENABLEWEATHEREFFECTS",
    "ENABLEAUTOSAVE", "ENABLESAMESEX", "ENABLECOMPBACKDROPS"};

// Values on a first start (no file yet).
constexpr float kFirstStartConfig[SIM_PlayerOptions::kConfigCount] = {1.0f, 1.0f, 0.5f, 0.5f,
                                                                     0.5f};
constexpr bool kFirstStartToggle[SIM_PlayerOptions::kToggleCount] = {true, true,  true,
                                                                     true, false, true};
// A key missing from an existing file.
constexpr float kMissingConfig = 0.5f;
constexpr bool kMissingToggle[SIM_PlayerOptions::kToggleCount] = {false, false, false,
                                                                  false, false, true};

constexpr size_t kMinIdLength = 7;
constexpr int kNewIdLength = 9;

// Whether the text is one number written in digits ("0.5", "-1", ".25", "1e-3"), blanks
// around it aside. "nan", "inf", a word or a number with more after it are none: the parser
// reads those as 0, which a slider would take for the lowest setting.
bool IsNumberText(const std::string& text) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  auto digits = [&] {
    const size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i - start;
  };
  if (text[i] == '+' || text[i] == '-') ++i;
  size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return text.find_first_not_of(" \t\r\n", i) == std::string::npos;
}

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

SIM_PlayerOptions& SIM_PlayerOptions::Instance() {
  static SIM_PlayerOptions options;
  return options;
}

void SIM_PlayerOptions::SetFolder(const std::string& folder) {
  path_ = folder.empty() ? std::string() : folder + "/" + kFileName;
}

const char* SIM_PlayerOptions::ConfigKey(int index) {
  return index >= 0 && index < kConfigCount ? kConfigKeys[index] : "";
}

const char* SIM_PlayerOptions::ToggleKey(int index) {
  return index >= 0 && index < kToggleCount ? kToggleKeys[index] : "";
}

float SIM_PlayerOptions::GetConfig(int index) const {
  return index >= 0 && index < kConfigCount ? config_[index] : 0.0f;
}

void SIM_PlayerOptions::SetConfig(int index, float value) {
  if (index >= 0 && index < kConfigCount) config_[index] = value;
}

bool SIM_PlayerOptions::GetToggle(int index) const {
  return index >= 0 && index < kToggleCount && toggle_[index];
}

void SIM_PlayerOptions::SetToggle(int index, bool on) {
  if (index >= 0 && index < kToggleCount) toggle_[index] = on;
}

void SIM_PlayerOptions::Clear() {
  config_.fill(0.0f);
  toggle_.fill(false);
  id_.clear();
}

void SIM_PlayerOptions::MakeNewId() {
  id_.clear();
  for (int i = 0; i < kNewIdLength; ++i) id_ += static_cast<char>('0' + RandomBelow(9));
}

void SIM_PlayerOptions::Load() {
  if (path_.empty() || !FileExists(path_)) {
    for (int i = 0; i < kConfigCount; ++i) config_[i] = kFirstStartConfig[i];
    for (int i = 0; i < kToggleCount; ++i) toggle_[i] = kFirstStartToggle[i];
    // The id names the player's community page, so the very first start needs one too.
    if (id_.size() < kMinIdLength) {
      // A first start leaves the game's numbers where they were.
      const uint32_t state = GetRandomState();
      SeedRandomFromClock();
      MakeNewId();
      SetRandomState(state);
    }
    Save();
    // The first start's mouse moves as every later start's will with the same option.
    if (mouseSpeedSink_) mouseSpeedSink_(config_[kMouseSpeed]);
    return;
  }

  ConfigFile config;
  config.LoadSection("config", path_);
  // Every number is a slider's setting from 0 to 1 (difficulty from easy to hard). One outside
  // only an edited file holds, and it would carry the game's sums beyond reason (a difficulty
  // of 1e30 makes every later save unloadable): it reads as a missing one. So does one that
  // is no number at all, which would otherwise read as 0 and be written back as the player's
  // own setting at the next save.
  for (int i = 0; i < kConfigCount; ++i) {
    const std::string text = config.GetValue(kConfigKeys[i]);
    const float value = config.GetFloat(kConfigKeys[i], kMissingConfig);
    if (text.empty() || (IsNumberText(text) && value >= 0.0f && value <= 1.0f)) {
      config_[i] = value;
      continue;
    }
    config_[i] = kMissingConfig;
    LogWarning((std::string("Option out of range, read as 0.5: ") + kConfigKeys[i] + " =" +
                text.substr(0, 40))
                   .c_str(),
               "SIM_PlayerOptions", __LINE__);
  }

  ConfigFile toggles;
  toggles.LoadSection("toggles", path_);
  for (int i = 0; i < kToggleCount; ++i)
    toggle_[i] = toggles.HasKey(kToggleKeys[i]) ? toggles.GetInt(kToggleKeys[i]) != 0
                                                : kMissingToggle[i];

  ConfigFile id;
  id.LoadSection("ID", path_);
  // The file is written "id = <digits>"; the blank after '=' is not part of the id (keeping it
  // would add one more blank on every save).
  id_ = TrimBlanks(id.GetValue("id"));

  SeedRandomFromClock();
  if (id_.size() < kMinIdLength) MakeNewId();

  if (mouseSpeedSink_) mouseSpeedSink_(config_[kMouseSpeed]);
}

bool SIM_PlayerOptions::Save() const {
  std::string text = "[config]\n";
  for (int i = 0; i < kConfigCount; ++i)
    text += std::string(kConfigKeys[i]) + " = " + FormatFixed(config_[i], 2) + "\n";
  text += "\n[toggles]\n";
  for (int i = 0; i < kToggleCount; ++i)
    text += std::string(kToggleKeys[i]) + " = " + (toggle_[i] ? "1" : "0") + "\n";
  text += "\n[ID]\nid = " + id_ + "\n";
  if (path_.empty() || !plat::WriteFileAtomically(path_, text)) {
    LogWarning("Failed to save variables", "SIM_PlayerOptions", 120);
    return false;
  }
  return true;
}

// The player's own settings: five numbers, six toggles and an identifier. They belong to the
// player rather than to a saved game, live in "player_options.txt" in the user folder, are
// read once when the simulation starts and written when the options menu stores them and at
// shutdown.
#pragma once

#include <array>
#include <functional>
#include <string>

class SIM_PlayerOptions {
 public:
  // Config indexes.
  static constexpr int kMasterVolume = 0;
  static constexpr int kMusicVolume = 1;
  static constexpr int kDifficulty = 2;
  static constexpr int kMouseSpeed = 3;
  static constexpr int kSnowfall = 4;
  static constexpr int kConfigCount = 5;
  // Toggle indexes.
  static constexpr int kNewMailSound = 0;
  static constexpr int kEnableMusic = 1;
  static constexpr int kEnableWeatherEffects = 2;
  static constexpr int kEnableAutosave = 3;
  static constexpr int kEnableSameSex = 4;
  static constexpr int kEnableCompBackdrops = 5;
  static constexpr int kToggleCount = 6;

  static constexpr const char* kFileName = "player_options.txt";

  static SIM_PlayerOptions& Instance();
  SIM_PlayerOptions(const SIM_PlayerOptions&) = delete;
  SIM_PlayerOptions& operator=(const SIM_PlayerOptions&) = delete;

  // The user folder the file lives in (the shell sets it once its folders exist). Until a
  // folder is set there is no file: Load takes the first-start values and Save only warns.
  void SetFolder(const std::string& folder);
  const std::string& GetPath() const { return path_; }

  // Config value by index; 0 outside 0..4.
  float GetConfig(int index) const;
  // Ignored outside 0..4.
  void SetConfig(int index, float value);
  // Where config value i lives, for a control that edits it in place (null outside 0..4).
  float* ConfigPointer(int index) {
    return index >= 0 && index < kConfigCount ? &config_[index] : nullptr;
  }
  // Toggle by index; false outside 0..5.
  bool GetToggle(int index) const;
  // Ignored outside 0..5.
  void SetToggle(int index, bool on);
  const std::string& GetId() const { return id_; }
  void SetId(const std::string& id) { id_ = id; }

  static const char* ConfigKey(int index);
  static const char* ToggleKey(int index);

  // Reads the file. On a first start (no file) the first-start values and a new id are set
  // and written at once. A missing or empty config key reads 0.5, and so does a value outside
  // 0..1 (logged); a missing toggle takes its own default. An id
  // shorter than 7 characters is replaced by 9 random digits (0..8 each), written with the
  // next save. The mouse speed is handed to the input (see SetMouseSpeedSink).
  void Load();
  // Writes the three sections through a temporary file and a rename, so a crash never leaves
  // a cut-off file (which would silently turn toggles off). A failure only warns
  // ("Failed to save variables"); the options stay in memory.
  bool Save() const;

  // The input's mouse sensitivity lives in the application; it registers here to be told the
  // mouse speed when the options are loaded.
  void SetMouseSpeedSink(std::function<void(float)> sink) { mouseSpeedSink_ = std::move(sink); }

  // Every value 0, every toggle off and the id empty (the state at construction).
  void Clear();

 private:
  SIM_PlayerOptions() = default;
  // 9 random digits (0..8 each).
  void MakeNewId();

  std::array<float, kConfigCount> config_ = {};
  std::array<bool, kToggleCount> toggle_ = {};
  std::string id_;
  std::string path_;
  std::function<void(float)> mouseSpeedSink_;
};

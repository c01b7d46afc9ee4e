// The sounds the simulation asks for. The sound manager lives in the application, which the
// simulation does not include; it installs its operations here. Until it does, requests are
// dropped (a run without sound, such as the simulation alone).
#pragma once

#include <functional>
#include <string>

class SIM_Sounds {
 public:
  struct Backend {
    std::function<void(const std::string&)> playSound;
    std::function<void(const std::string&)> stopSound;
    std::function<void()> stopMusic;
    std::function<void()> resetPersonSoundTimer;
    // Dance music on its own channel, muting the play list while it plays.
    std::function<void(const std::string&)> playNightclubMusic;
    // A new dog or cat: its ambient sound waits a full interval before it is first heard.
    std::function<void()> resetDogSoundTimer;
    std::function<void()> resetCatSoundTimer;
  };
  // Operations left empty do nothing.
  static void SetBackend(Backend backend);

  static void PlaySound(const std::string& file);
  static void StopSound(const std::string& file);
  static void StopMusic();
  static void ResetPersonSoundTimer();
  static void PlayNightclubMusic(const std::string& file);
  static void ResetDogSoundTimer();
  static void ResetCatSoundTimer();
};

// The sound manager: short effects on eight slots, the music play list played track after
// track, the night-club music that replaces it for an evening, and the ambient sounds of the
// player and the pets on their own timers.
//
// Sound never stops the game: a file that is missing or will not decode is logged and simply
// not played, and a machine without a sound device runs silent.
#pragma once

#include <string>
#include <vector>

#include "engine/Timer.h"
#include "platform/Audio.h"

class GUI_Sounds {
 public:
  static constexpr int kSlotCount = 8;
  // A track that ends sooner than this after it started is taken as broken and skipped from
  // then on, so a bad file cannot restart every frame.
  static constexpr double kShortestTrackMs = 500.0;

  // Built on first use and never destroyed: the process's end releases the device.
  static GUI_Sounds& Instance();
  // For tests only: destroys the manager Instance built, releasing its device, so the next
  // Instance call builds a fresh one. Does nothing when none was built. The game never calls it.
  static void DestroyInstanceForTesting();

  // Opens the audio device. Tests build their own managers.
  GUI_Sounds();
  ~GUI_Sounds();
  GUI_Sounds(const GUI_Sounds&) = delete;
  GUI_Sounds& operator=(const GUI_Sounds&) = delete;

  // Plays an effect on the first free slot; the slot, or -1 when every slot is busy or the
  // sound cannot be loaded.
  int PlaySound(const std::string& file, bool loop = false);
  // PlaySound, then the slot's volume (0..1) and pan (-1 left .. 1 right).
  int PlaySoundPanned(const std::string& file, float volume, float pan, bool loop = false);
  // The interface click: variant 0 clicks; other variants are silent.
  void PlayClick(int variant);
  void StopSlot(int slot);
  // Stops every slot last started with this file.
  void StopSound(const std::string& file);
  bool IsSoundPlaying(const std::string& file) const;

  // Lists "data/sounds/music/*.ogg", then the user's "mods/*.ogg", and starts the first track.
  void BuildMusicPlayList();
  void BuildMusicPlayList(const std::string& userFolder);
  void PlayMusicTrack();
  void PlayNextTrack();
  void RestartMusic();
  void StopMusic();
  void MuteMusic();
  void RefreshMusicVolume();
  void SetMasterVolume();

  void PlayNightclubMusic(const std::string& file);

  void ResetPersonSoundTimer();
  void ResetDogSoundTimer();
  void ResetCatSoundTimer();

  // Once per frame from the in-game screen: the music, the night club's end and the ambient
  // sounds.
  void UpdateSounds();
  // The music alone: the next track once one ends. The play list runs for the whole run, so
  // the frame loop calls this in the modes that are not the in-game screen.
  void UpdateMusic();
  // UpdateMusic on the manager when one was built; nothing otherwise.
  static void UpdateMusicIfBuilt();

  // ---- state for the options screen and tests ----
  bool IsMusicMuted() const { return musicMuted_; }
  bool HasMusic() const { return music_ != nullptr; }
  bool IsMusicPlaying() const;
  bool IsNightclubPlaying() const { return nightclubPlaying_; }
  int CurrentTrack() const { return currentTrack_; }
  // Full path of each play-list track, in play order.
  std::vector<std::string> PlayListPaths() const;
  bool IsTrackBad(int index) const;
  // Attempts to open a music track since the manager was built.
  int MusicOpenAttempts() const { return musicOpenAttempts_; }
  size_t CachedSoundCount() const { return soundCache_.size(); }
  const std::string& SlotName(int slot) const;
  int SlotChannel(int slot) const { return slot; }

 private:
  struct CachedSound {
    std::string key;  // the normalised full path
    plat::SoundChunk* chunk = nullptr;
  };
  struct Track {
    std::string folder;
    std::string name;
    bool bad = false;
    std::string Path() const { return folder + "/" + name; }
  };

  int FindFreeSlot() const;
  plat::SoundChunk* FindCachedSound(const std::string& file) const;
  // The multimedia clock in milliseconds.
  double Now();
  void ApplyMusicVolume();
  void FreeMusic();
  bool AllTracksBad() const;
  void PlayerSound(double now);

  bool audioOpen_ = false;
  std::string slotNames_[kSlotCount];
  std::vector<CachedSound> soundCache_;
  std::vector<Track> playList_;
  int currentTrack_ = 0;
  plat::MusicTrack* music_ = nullptr;
  double musicStartMs_ = 0.0;
  int musicOpenAttempts_ = 0;
  bool musicMuted_ = false;
  plat::AudioStream nightclub_{plat::kNightclubChannel};
  std::string nightclubName_;
  bool nightclubPlaying_ = false;
  Timer clock_;
  double personTimerStart_ = 0.0, personInterval_ = 0.0;
  double dogTimerStart_ = 0.0, dogInterval_ = 0.0;
  double catTimerStart_ = 0.0, catInterval_ = 0.0;
};

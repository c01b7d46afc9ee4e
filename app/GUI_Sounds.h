// The sound manager. Until sound arrives it keeps only the music's mute state.
#pragma once

class GUI_Sounds {
 public:
  static GUI_Sounds& Instance();
  GUI_Sounds(const GUI_Sounds&) = delete;
  GUI_Sounds& operator=(const GUI_Sounds&) = delete;

  void MuteMusic();
  void RefreshMusicVolume();
  bool IsMusicMuted() const { return musicMuted_; }

 private:
  GUI_Sounds() = default;
  bool musicMuted_ = false;
};

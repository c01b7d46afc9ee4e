// Sound manager.
#include "app/GUI_Sounds.h"

#include "engine/CallTrace.h"

GUI_Sounds& GUI_Sounds::Instance() {
  static GUI_Sounds sounds;
  return sounds;
}

void GUI_Sounds::MuteMusic() {
  TraceCall("GUI_Sounds::MuteMusic");
  musicMuted_ = true;
}

void GUI_Sounds::RefreshMusicVolume() {
  TraceCall("GUI_Sounds::RefreshMusicVolume");
  musicMuted_ = false;
}

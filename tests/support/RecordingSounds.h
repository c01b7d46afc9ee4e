// A sound backend that records each request of the simulation in the shared call record, as
// the sound manager's operation ("GUI_Sounds::PlaySound data/sounds/x.ogg", ...), so tests
// read sounds in order beside the other recorded calls.
#pragma once

#include <string>

#include "engine/CallTrace.h"
#include "sim/SIM_Sounds.h"

namespace testsupport {

inline SIM_Sounds::Backend RecordingSounds() {
  SIM_Sounds::Backend backend;
  backend.playSound = [](const std::string& file) { TraceCall("GUI_Sounds::PlaySound " + file); };
  backend.stopSound = [](const std::string& file) { TraceCall("GUI_Sounds::StopSound " + file); };
  backend.stopMusic = [] { TraceCall("GUI_Sounds::StopMusic"); };
  backend.resetPersonSoundTimer = [] { TraceCall("GUI_Sounds::ResetPersonSoundTimer"); };
  backend.resetDogSoundTimer = [] { TraceCall("GUI_Sounds::ResetDogSoundTimer"); };
  backend.resetCatSoundTimer = [] { TraceCall("GUI_Sounds::ResetCatSoundTimer"); };
  backend.playNightclubMusic = [](const std::string& file) {
    TraceCall("GUI_Sounds::PlayNightclubMusic " + file);
  };
  return backend;
}

}  // namespace testsupport

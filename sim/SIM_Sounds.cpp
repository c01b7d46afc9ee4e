// Sound requests of the simulation.
#include "sim/SIM_Sounds.h"

#include <utility>

#include "engine/CallTrace.h"

namespace {

SIM_Sounds::Backend& TheBackend() {
  static SIM_Sounds::Backend backend;
  return backend;
}

}  // namespace

void SIM_Sounds::SetBackend(Backend backend) { TheBackend() = std::move(backend); }

void SIM_Sounds::PlaySound(const std::string& file) {
  if (TheBackend().playSound) return TheBackend().playSound(file);
  TraceCall("GUI_Sounds::PlaySound " + file);
}

void SIM_Sounds::StopSound(const std::string& file) {
  if (TheBackend().stopSound) return TheBackend().stopSound(file);
  TraceCall("GUI_Sounds::StopSound " + file);
}

void SIM_Sounds::StopMusic() {
  if (TheBackend().stopMusic) return TheBackend().stopMusic();
  TraceCall("GUI_Sounds::StopMusic");
}

void SIM_Sounds::ResetPersonSoundTimer() {
  if (TheBackend().resetPersonSoundTimer) return TheBackend().resetPersonSoundTimer();
  TraceCall("GUI_Sounds::ResetPersonSoundTimer");
}

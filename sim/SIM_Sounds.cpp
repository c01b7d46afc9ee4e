// Sound requests of the simulation.
#include "sim/SIM_Sounds.h"

#include <utility>

namespace {

SIM_Sounds::Backend& TheBackend() {
  static SIM_Sounds::Backend backend;
  return backend;
}

}  // namespace

void SIM_Sounds::SetBackend(Backend backend) { TheBackend() = std::move(backend); }

void SIM_Sounds::PlaySound(const std::string& file) {
  if (TheBackend().playSound) TheBackend().playSound(file);
}

void SIM_Sounds::StopSound(const std::string& file) {
  if (TheBackend().stopSound) TheBackend().stopSound(file);
}

void SIM_Sounds::StopMusic() {
  if (TheBackend().stopMusic) TheBackend().stopMusic();
}

void SIM_Sounds::ResetPersonSoundTimer() {
  if (TheBackend().resetPersonSoundTimer) TheBackend().resetPersonSoundTimer();
}

void SIM_Sounds::PlayNightclubMusic(const std::string& file) {
  if (TheBackend().playNightclubMusic) TheBackend().playNightclubMusic(file);
}

void SIM_Sounds::ResetDogSoundTimer() {
  if (TheBackend().resetDogSoundTimer) TheBackend().resetDogSoundTimer();
}

void SIM_Sounds::ResetCatSoundTimer() {
  if (TheBackend().resetCatSoundTimer) TheBackend().resetCatSoundTimer();
}

// Settable values the sound manager reads until the real game state exists.
#include "app/SoundWorldState.h"

#include "app/GUI_Sounds.h"
#include "engine/Random.h"

SoundWorldState& GetSoundWorldState() {
  static SoundWorldState state;
  return state;
}

void PlayIllnessSound(GUI_Sounds& sounds) {
  switch (GetSoundWorldState().illnessState) {
    case 1:
      sounds.PlaySound(RandomChance(0.5f) ? "data/sounds/sneeze1.wav" : "data/sounds/sneeze2.wav",
                       false);
      break;
    case 2:
      sounds.PlaySound("data/sounds/cough.ogg", false);
      break;
    default:
      break;
  }
}

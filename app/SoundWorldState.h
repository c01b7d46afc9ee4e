// What the sound manager reads from the rest of the game: the player's state for the ambient
// sounds, the pets and the calendar for the dog and cat, and the player's sound options.
//
// These are plain settable values for now. Once the player, the illness state, the global
// named values, the calendar and the player options exist, GUI_Sounds will read them there
// and this file goes away; until then the game (and tests) set the values here.
#pragma once

struct SoundWorldState {
  // The player.
  int illnessState = 0;      // 0 well; 1 sneezing; 2 coughing; 3 ill from stress
  float tiredness = 0.0f;    // 0..1; above 0.8 the player yawns
  float happiness = 1.0f;    // 0..1; below 0.5 the player sighs
  int gender = 0;            // 0 male, 1 female

  // Ownership flags and the calendar.
  bool ownsDog = false;
  bool ownsCat = false;
  bool fullMoon = false;

  // The player options.
  float masterVolume = 1.0f;  // 0..1
  float musicVolume = 1.0f;   // 0..1
  bool musicEnabled = true;

  bool IsPlayerIll() const { return illnessState != 0; }
};

// The one instance the sound manager reads.
SoundWorldState& GetSoundWorldState();

class GUI_Sounds;

// The sound the player's illness makes: a sneeze (one of two, even chance) while sneezing,
// a cough while coughing, nothing otherwise.
void PlayIllnessSound(GUI_Sounds& sounds);

// The text of a save file and the record it stands for (SaveGameData), both ways.
//
// Each record of a save is described once (SIM_SaveFormat.cpp): its element names and its
// fields in file order, the versions each field exists in, and the bounds a loaded value must
// lie in. The writer, the reader and the bounds check all walk those descriptions, so a field
// cannot be written without being read back in the same place, or read without being checked.
#pragma once

#include <string>

#include "sim/SIM_SaveGame.h"

namespace savefile {

// The file text of a record; numbers with '.' whatever the locale.
std::string Write(const SaveGameData& data);
// The record of a file text; false with the reason in `error` when the text is not a save
// this game can read (bad structure, a value that is not what its field holds).
bool Read(const std::string& text, SaveGameData& out, std::string& error);
// Every field within its bounds; false with the reason in `error`.
bool CheckBounds(const SaveGameData& data, std::string& error);
// Brings every field past its bounds to the bound (with a warning in the log), so that a game
// whose data tables drove a value past what a save holds still writes a save it can load.
void KeepWithinBounds(SaveGameData& data);

}  // namespace savefile

// Loading a saved game. The whole file is read and checked first (tag order, version, numbers,
// lengths, the names it looks up in the tables); only a file that passes replaces the running
// game. A bad file is reported and changes nothing, so the player stays where they were.
#pragma once

#include <string>

#include "sim/SIM_SaveGame.h"

class SIM_LoadGame {
 public:
  // Loads "<save folder>/<slot>.xml". False (with one message to the player) when the file
  // cannot be read or is damaged; the running game is then untouched, and the message says so
  // when one runs (aGameRuns). On success the game is ready for the in-game screen, which the
  // caller enters.
  static bool Load(const std::string& slot, bool aGameRuns = true);
  // The same from the file's text.
  static bool LoadText(const std::string& text, bool aGameRuns = true);
  // Why the last load failed ("" after a success).
  static const std::string& LastError();

  // The file text as a record; false with the reason in `error` when the text is not a save
  // this game can read. Nothing in the game changes.
  static bool Parse(const std::string& text, SaveGameData& out, std::string& error);
  // The record's names checked against the loaded tables (a file that names what the game
  // cannot find fails here, before anything is reset).
  static bool Check(const SaveGameData& data, std::string& error);
  // Resets the running game and applies the record (which must have passed Check).
  static void Apply(const SaveGameData& data);

  // The decoding of the writer's "&lt;" and "&amp;"; any other '&' stays as it is.
  static std::string DecodeValue(const std::string& text);
  // The version number from the header's seventh character on; false for a header too short
  // or without a number there.
  static bool ParseVersion(const std::string& header, float& version);
};

// The display settings (screen size, colour depth, full screen and the renderer switches),
// kept as the player options are: the game folder's "data/config.muf" is shipped with the
// defaults and never written; the player's own "config.muf" in the user folder holds what they
// changed and is read over it, key by key. Every change goes there. A change that cannot be
// written is reported and still holds for the rest of the run, so a folder that cannot be
// written never makes a switch silently do nothing.
#pragma once

#include <string>

class DisplaySettings {
 public:
  static constexpr const char* kShippedFile = "data\\config.muf";
  static constexpr const char* kFileName = "config.muf";

  // The user folder the player's copy lives in; empty: no copy (before start-up, in tests).
  // Changes made under an earlier folder are forgotten.
  static void SetUserFolder(const std::string& folder);
  // The player's copy, or empty when there is no user folder.
  static std::string UserFile();

  // The value as set this run without being written, else as the player's copy has it, else
  // the shipped one's; empty when none has it. Section and key names ignore case.
  static std::string Get(const std::string& section, const std::string& key);
  // The value as a number; the fallback when no file has it.
  static int GetInt(const std::string& section, const std::string& key, int fallback);
  // Sets the value for the rest of the run and writes it into the player's copy. False, with
  // a line in the debug log, when that cannot be written (no user folder, or the write fails).
  static bool SetInt(const std::string& section, const std::string& key, int value);
};

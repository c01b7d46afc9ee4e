// The portrait file names of each gender, from the game's portrait folders and the user's
// mod folders, handed out so that none repeats until all have been used.
#pragma once

#include <string>
#include <vector>

class SIM_PortraitDatabase {
 public:
  // The user folder whose "mods/portraits_m" and "mods/portraits_f" add portraits ("" for
  // none); set by the shell once the user folders exist.
  static void SetUserFolder(const std::string& folder);
  // Scans the folders again; every portrait becomes unused.
  static void Load();
  // An unused portrait while there are any, else any portrait; "" when there is none at all.
  static std::string PickMale();
  static std::string PickFemale();

  static const std::vector<std::string>& AllMale();
  static const std::vector<std::string>& AllFemale();
  static size_t UnusedMale();
  static size_t UnusedFemale();
  // The portraits handed out so far (both genders), and marking one as handed out (a load
  // puts back the state of the saved game, so the same faces come next).
  static std::vector<std::string> Used();
  static void MarkUsed(const std::string& name);
};

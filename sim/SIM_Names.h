// Forenames (by gender) and surnames by social class, read once at start from the three name
// tables.
#pragma once

#include <string>
#include <vector>

class SIM_Names {
 public:
  struct Entry {
    std::string name;
    int socialClass = 0;
  };

  // Empties the lists, then reads surnames, male forenames and female forenames.
  static void LoadAll();
  static void Load() { LoadAll(); }
  static void Clear();
  // Reads one table into a list; a file without names is reported and leaves it empty.
  static void LoadFile(const std::string& path, std::vector<Entry>& list);

  // "WORKINGCLASS" 0, "MIDDLECLASS" 1, "UPPERCLASS" 2; any other word is reported and gives 0.
  static int ParseSocialClass(const std::string& word);
  // A random name of the class from the female list (gender not 0) or the male one; "" when
  // the class has none. With avoid set, never the player's forename while the class has any
  // other name. The culture does not change the result.
  static std::string PickForename(int socialClass, int gender, const std::string& culture,
                                  bool avoid);
  static std::string PickSurname(int socialClass, const std::string& culture);

  static std::vector<Entry>& MaleForenames();
  static std::vector<Entry>& FemaleForenames();
  static std::vector<Entry>& Surnames();
};

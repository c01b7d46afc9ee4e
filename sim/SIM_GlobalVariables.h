// The tuning values of "data\config.txt", looked up by name where they are used.
#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class SIM_GlobalVariables {
 public:
  static SIM_GlobalVariables& Instance();
  SIM_GlobalVariables(const SIM_GlobalVariables&) = delete;
  SIM_GlobalVariables& operator=(const SIM_GlobalVariables&) = delete;

  // Empties the table and reads section "config" of the file, one entry per name=value line
  // in file order (names up to 1023 characters, values up to 30). A name loses trailing
  // blanks, so "NAME = 1" is found as "NAME"; lines without '=' and lines whose name begins
  // with '/' are comments and skipped. A value that is not a number reads 0.
  void Load(const std::string& file = "data\\config.txt");

  // The first entry with exactly this name (case-sensitive). A missing name is a fatal error:
  // the data file must hold every name the game asks for.
  float Get(const std::string& name) const;
  bool Has(const std::string& name) const;

  size_t Count() const { return entries_.size(); }
  const std::vector<std::pair<std::string, float>>& Entries() const { return entries_; }

 private:
  SIM_GlobalVariables() = default;
  std::vector<std::pair<std::string, float>> entries_;
  // Each name's first value: the day's rules read a hundred names or so, many times a day.
  std::unordered_map<std::string, float> firstValue_;
};

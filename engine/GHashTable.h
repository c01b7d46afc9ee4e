// A translation section held for fast lookup: keys are grouped by their first letter, so a
// lookup scans only that letter's keys. Keys that do not begin with a letter (digits, '_',
// '/', bytes above 127) share one extra group, so any key is kept and found safely.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "engine/ConfigFile.h"

class GHashTable {
 public:
  static constexpr int kLetterBuckets = 26;
  static constexpr int kBuckets = kLetterBuckets + 1;  // the last holds every other first byte

  GHashTable() = default;
  virtual ~GHashTable() = default;

  // Replaces the contents with one section of an ini file. A key is every character before the
  // first '=' with all blanks removed (so "MY KEY" is stored as "MYKEY"); the value follows the
  // ini escapes: an unescaped '=', '"' or newline is dropped, a backslash makes the next one
  // literal, other backslashes vanish. Leading blanks of a value are kept. Lines beginning
  // with '/' are not comments here: they are stored like any other key.
  void Fill(const std::string& section, const std::string& file);

  // The value of the first entry whose key equals the given one exactly (case matters), or ""
  // when there is none.
  const char* Lookup(const std::string& key) const;

  // Empties the table and marks it not loaded.
  void Clear();

  bool IsLoaded() const { return loaded_; }
  size_t GetEntryCount() const;
  // Every key, in bucket order and insertion order within a bucket (duplicates included).
  std::vector<std::string> GetKeys() const;
  const std::string& GetSectionName() const { return sectionName_; }
  const std::string& GetFileName() const { return fileName_; }

  static int BucketOf(const std::string& key);

 private:
  std::vector<ConfigEntry> buckets_[kBuckets];
  // Each key's first value: a lookup finds it without comparing the letter's other keys.
  std::unordered_map<std::string, std::string> first_;
  std::string sectionName_;
  std::string fileName_;
  bool loaded_ = false;
};

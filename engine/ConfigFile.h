// One loaded section of an ini file and the small ini helpers around it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A key and its value as stored (keys are cut at 255 characters, values at 2047).
struct ConfigEntry {
  static constexpr size_t kMaxKey = 255;
  static constexpr size_t kMaxValue = 2047;
  std::string key;
  std::string value;
};

class ConfigFile {
 public:
  ConfigFile() = default;

  // Loads one section: every "key=value" line in file order. Keys lose trailing blanks, a
  // key beginning with '/' is a comment and skipped. In a value a backslash escapes the next
  // '=', '"' or newline; those characters unescaped are dropped (so quotes vanish). Leading
  // blanks of a value are kept. A missing file or section leaves no entries.
  void LoadSection(const std::string& section, const std::string& file);

  // The first entry's value for the exact key, or "" when there is none.
  const char* GetValue(const std::string& key) const;
  bool HasKey(const std::string& key) const;
  int GetInt(const std::string& key) const;
  // The value as a number; the fallback when the key is missing or empty, or its number is
  // too large for the game.
  float GetFloat(const std::string& key, float fallback) const;

  // Walks the raw section text pair by pair, for readers that need every line: the key up
  // to '=' (trailing blanks trimmed), the value raw up to the end of the line, each cut to its
  // size less one. A line without '=' gives its text as the key and an empty value. False,
  // with both empty, at the end of the section or at a '[' inside a key. A line is read up to
  // a zero byte in it, so each line gives at most one pair.
  bool ReadNextPair(std::string& key, size_t keySize, std::string& value, size_t valueSize);

  // Every entry with the key gets the value written "%.2f".
  void SetFloat(const std::string& key, float value);
  // Writes "[section]" then "key = value" lines; nothing when the file cannot be opened.
  void Save(const std::string& path) const;
  void ClearEntries();

  const std::vector<ConfigEntry>& GetEntries() const { return entries_; }
  const std::string& GetSectionName() const { return sectionName_; }
  const std::string& GetFileName() const { return fileName_; }

 private:
  std::vector<ConfigEntry> entries_;
  std::string buffer_;  // the section's lines, each ended by a zero byte, then one more zero
  size_t readPos_ = 0;
  size_t length_ = 0;  // bytes of buffer_ before the final zero
  int readIndex_ = 0;
  std::string sectionName_;
  std::string fileName_;
};

// A value as the settings files write it: a backslash escapes the next '=', '"' or newline;
// those characters unescaped are dropped.
std::string UnescapeConfigValue(const std::string& raw);

// Appends the name of every "[name]" line of a text file.
void ListIniSections(const std::string& path, std::vector<std::string>& names);
// A value of at most 31 characters as a float, or the fallback when it is empty or too large.
float ReadProfileFloat(const std::string& section, const std::string& key, float fallback,
                       const std::string& file);
// "red,green,blue,alpha" packed as alpha << 24 | red << 16 | green << 8 | blue.
uint32_t ReadProfileColour(const std::string& section, const std::string& key,
                           const std::string& file);
// Each is false when the file cannot be written: the value is not stored.
[[nodiscard]] bool WriteProfileInt(const std::string& section, const std::string& key, int value,
                                   const std::string& file);
[[nodiscard]] bool WriteProfileFloat(const std::string& section, const std::string& key,
                                     float value, const std::string& file);
bool StringVectorContains(const std::vector<std::string>& strings, const std::string& text);

// Ini sections in memory.
#include "engine/ConfigFile.h"

#include <algorithm>
#include <cstdio>

#include "engine/Utilities.h"
#include "platform/Files.h"
#include "platform/Profile.h"

namespace {

std::string TrimKey(const std::string& key) {
  std::string out = TrimTrailingWhitespace(key);
  while (!out.empty() && (out.back() == '\t' || out.back() == ' ' || out.back() == '\r' ||
                          out.back() == '\n'))
    out.pop_back();
  return out;
}

}  // namespace

std::string UnescapeConfigValue(const std::string& raw) {
  std::string value;
  bool escaped = false;
  for (const char c : raw) {
    if (c == '\\') {
      escaped = true;
    } else if (c == '=' || c == '"' || c == '\n') {
      if (escaped) value += c;
      escaped = false;
    } else {
      value += c;
    }
  }
  return value;
}

void ConfigFile::LoadSection(const std::string& section, const std::string& file) {
  entries_.clear();
  sectionName_ = section;
  fileName_ = file;
  buffer_.clear();
  readPos_ = 0;

  const std::vector<std::string> lines = plat::ReadProfileSection(section, file);
  for (const std::string& line : lines) {
    // The walk ends a line at a zero byte, so a zero inside a line must not start another.
    buffer_.append(line, 0, line.find('\0'));
    buffer_ += '\0';
  }
  length_ = buffer_.size();
  buffer_ += '\0';

  for (const std::string& line : lines) {
    const size_t eq = line.find('=');
    const std::string key = line.substr(0, eq);
    if (!key.empty() && key[0] == '/') continue;
    ConfigEntry entry;
    entry.key = TrimKey(key).substr(0, ConfigEntry::kMaxKey);
    // The separating '=' is part of the walk; unescaped, it is dropped like any other.
    entry.value = UnescapeConfigValue(eq == std::string::npos ? std::string() : line.substr(eq))
                      .substr(0, ConfigEntry::kMaxValue);
    entries_.push_back(std::move(entry));
  }
  readIndex_ = 0;
  readPos_ = 0;
}

const char* ConfigFile::GetValue(const std::string& key) const {
  for (const ConfigEntry& e : entries_)
    if (e.key == key) return e.value.c_str();
  return "";
}

bool ConfigFile::HasKey(const std::string& key) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const ConfigEntry& e) { return e.key == key; });
}

int ConfigFile::GetInt(const std::string& key) const {
  return ParseIntPrefix(std::string(GetValue(key)).substr(0, 63).c_str());
}

float ConfigFile::GetFloat(const std::string& key, float fallback) const {
  const std::string value = std::string(GetValue(key)).substr(0, 63);
  if (value.empty()) return fallback;
  bool tooLarge = false;
  const float number = ParseFloatPrefix(value.c_str(), &tooLarge);
  return tooLarge ? fallback : number;
}

bool ConfigFile::ReadNextPair(std::string& key, size_t keySize, std::string& value,
                              size_t valueSize) {
  key.clear();
  value.clear();
  if (readPos_ >= length_) return false;

  size_t pos = readPos_;
  std::string k;
  while (buffer_[pos] != '=' && buffer_[pos] != '\0') {
    if (buffer_[pos] == '[') {
      readPos_ = length_;
      return false;
    }
    k += buffer_[pos++];
  }
  std::string v;
  if (buffer_[pos] == '=') {
    ++pos;
    while (buffer_[pos] != '\0') v += buffer_[pos++];
  }
  readPos_ = pos + 1;

  k = TrimKey(k);
  key = k.substr(0, keySize > 0 ? keySize - 1 : 0);
  value = v.substr(0, valueSize > 0 ? valueSize - 1 : 0);
  return true;
}

void ConfigFile::SetFloat(const std::string& key, float value) {
  for (ConfigEntry& e : entries_)
    if (e.key == key) e.value = FormatFixed(value, 2).substr(0, 32);
}

void ConfigFile::Save(const std::string& path) const {
  FILE* f = plat::OpenFile(path, "w");
  if (!f) return;
  std::fprintf(f, "[%s]\n", sectionName_.c_str());
  for (const ConfigEntry& e : entries_) std::fprintf(f, "%s = %s\n", e.key.c_str(), e.value.c_str());
  std::fclose(f);
}

void ConfigFile::ClearEntries() { entries_.clear(); }

void ListIniSections(const std::string& path, std::vector<std::string>& names) {
  std::string text;
  if (!plat::ReadTextFile(path, text)) return;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, std::min<size_t>(end - start, 32000));
    start = end + 1;
    if (line.size() >= 2 && line[0] == '[') names.push_back(line.substr(1, line.size() - 2));
  }
}

float ReadProfileFloat(const std::string& section, const std::string& key, float fallback,
                       const std::string& file) {
  const std::string value = plat::ReadProfileString(section, key, "", file).substr(0, 31);
  if (value.empty()) return fallback;
  bool tooLarge = false;
  const float number = ParseFloatPrefix(value.c_str(), &tooLarge);
  return tooLarge ? fallback : number;
}

uint32_t ReadProfileColour(const std::string& section, const std::string& key,
                           const std::string& file) {
  const std::string value = plat::ReadProfileString(section, key, "0,0,0,0", file);
  int parts[4] = {0, 0, 0, 0};
  size_t pos = 0;
  for (int i = 0; i < 4 && pos <= value.size(); ++i) {
    parts[i] = ParseIntPrefix(value.c_str() + pos);
    const size_t comma = value.find(',', pos);
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  const auto byte = [](int v) { return static_cast<uint32_t>(v) & 0xFFu; };
  return byte(parts[3]) << 24 | byte(parts[0]) << 16 | byte(parts[1]) << 8 | byte(parts[2]);
}

bool WriteProfileInt(const std::string& section, const std::string& key, int value,
                     const std::string& file) {
  return plat::WriteProfileString(section, key, std::to_string(value), file);
}

bool WriteProfileFloat(const std::string& section, const std::string& key, float value,
                       const std::string& file) {
  return plat::WriteProfileString(section, key, FormatFixed(value, 6), file);
}

bool StringVectorContains(const std::vector<std::string>& strings, const std::string& text) {
  return std::find(strings.begin(), strings.end(), text) != strings.end();
}

// Translation lookup table.
#include "engine/GHashTable.h"

#include "platform/Profile.h"

int GHashTable::BucketOf(const std::string& key) {
  if (key.empty()) return kLetterBuckets;
  unsigned char c = static_cast<unsigned char>(key[0]);
  if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
  if (c >= 'a' && c <= 'z') return c - 'a';
  return kLetterBuckets;
}

void GHashTable::Fill(const std::string& section, const std::string& file) {
  loaded_ = true;
  for (auto& bucket : buckets_) bucket.clear();
  first_.clear();
  sectionName_ = section;
  fileName_ = file;

  for (const std::string& line : plat::ReadProfileSection(section, file)) {
    size_t pos = 0;
    std::string key;
    for (; pos < line.size() && line[pos] != '='; ++pos) {
      const char c = line[pos];
      if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f') key += c;
    }
    ConfigEntry entry;
    entry.key = key.substr(0, ConfigEntry::kMaxKey);
    entry.value = UnescapeConfigValue(line.substr(pos)).substr(0, ConfigEntry::kMaxValue);
    first_.emplace(entry.key, entry.value);  // a later duplicate does not replace it
    buckets_[BucketOf(entry.key)].push_back(std::move(entry));
  }
}

const char* GHashTable::Lookup(const std::string& key) const {
  const auto found = first_.find(key);
  return found == first_.end() ? "" : found->second.c_str();
}

void GHashTable::Clear() {
  for (auto& bucket : buckets_) bucket.clear();
  first_.clear();
  sectionName_.clear();
  fileName_.clear();
  loaded_ = false;
}

size_t GHashTable::GetEntryCount() const {
  size_t n = 0;
  for (const auto& bucket : buckets_) n += bucket.size();
  return n;
}

std::vector<std::string> GHashTable::GetKeys() const {
  std::vector<std::string> keys;
  for (const auto& bucket : buckets_)
    for (const ConfigEntry& e : bucket) keys.push_back(e.key);
  return keys;
}

// Translations, numbered and random text sections, and tokens.
#include "engine/Translate.h"

#include <cmath>
#include <filesystem>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "engine/ConfigFile.h"
#include "engine/DebugLog.h"
#include "engine/GHashTable.h"
#include "engine/Random.h"
#include "platform/MessageBox.h"

namespace {

GHashTable& StringTable() {
  static GHashTable table;
  return table;
}

std::vector<std::unique_ptr<ConfigFile>>& SectionCache() {
  static std::vector<std::unique_ptr<ConfigFile>> cache;
  return cache;
}

std::vector<std::pair<std::string, std::string>>& Tokens() {
  static std::vector<std::pair<std::string, std::string>> tokens;
  return tokens;
}

unsigned& Generation() {
  static unsigned generation = 0;
  return generation;
}

// Keys asked for without a text, in the order first asked, with their counts.
std::vector<MissingText>& Misses() {
  static std::vector<MissingText> misses;
  return misses;
}

// The working folder when the strings table was read: its paths are relative.
std::string& StringsFolder() {
  static std::string folder;
  return folder;
}

void CountMiss(const char* key) {
  if (IsMeantToBeAbsent(key)) return;
  for (MissingText& miss : Misses())
    if (miss.key == key && miss.folder == StringsFolder()) {
      ++miss.count;
      return;
    }
  Misses().push_back({key, 1, StringsFolder()});
}

// A strings table that came back empty: the file is missing, unreadable or has no texts.
// Every text would show as its key, so the player is told once for each read; in English
// written here, since the table that would hold the words is the one missing.
void ReportMissingTable() {
  const std::string text =
      std::string("The game's texts could not be read from ") + kStringsFile +
      ", so the names of the texts are shown in their place. Installing the game again "
      "should bring them back.";
  DebugLog::Instance().Write("WARNING - " + text);
  plat::ShowMessageBox("Missing texts", text, plat::BoxIcon::Warning);
}

// The shared result of GetNumberedString and GetRandomStringFromFile.
std::string& SharedResult() {
  static std::string result;
  return result;
}

}  // namespace

const char* Translate(const char* key) {
  if (!key) return "";
  GHashTable& table = StringTable();
  if (!table.IsLoaded()) {
    table.Fill("strings", kStringsFile);
    std::error_code error;
    StringsFolder() = std::filesystem::current_path(error).string();
    if (table.GetEntryCount() == 0) ReportMissingTable();
  }
  const char* value = table.Lookup(key);
  if (*value) return value;
  CountMiss(key);
  return key;
}

bool IsMeantToBeAbsent(const char* key) {
  static const char* const kAbsent[] = {
      // The empty key: callers pass a text field a data row left blank, and show nothing.
      "",
  };
  for (const char* absent : kAbsent)
    if (std::strcmp(absent, key) == 0) return true;
  return false;
}

std::vector<MissingText> MissingTexts() { return Misses(); }
int MissingTextCount() { return static_cast<int>(Misses().size()); }
void ResetMissingTexts() { Misses().clear(); }

const char* GetNumberedString(float fraction, const std::string& section) {
  const ConfigFile* config = GetCachedConfig(section, kStringsFile);
  const long long count = static_cast<long long>(config->GetEntries().size());
  long long index = -1;
  if (count > 0) {
    double scaled = std::trunc(static_cast<double>(count) * fraction);
    if (!(scaled >= 0.0)) scaled = 0.0;  // negative or not a number
    index = scaled > static_cast<double>(count - 1) ? count - 1 : static_cast<long long>(scaled);
  }
  SharedResult() = config->GetValue(std::to_string(index));
  return SharedResult().c_str();
}

const char* GetRandomStringFromFile(const std::string& section, const std::string& file) {
  const ConfigFile* config = GetCachedConfig(section, file);
  const size_t count = config->GetEntries().size();
  if (count == 0) {
    DebugLog::Instance().Write("WARNING - No random translation keys found");
    SharedResult().clear();
    return SharedResult().c_str();
  }
  const int index = RandomBelow(static_cast<int>(count));
  SharedResult() = config->GetValue(std::to_string(index));
  return SharedResult().c_str();
}

const char* GetRandomString(const std::string& section) {
  return GetRandomStringFromFile(section, kStringsFile);
}

void SetTokens(const std::string& list) {
  auto& tokens = Tokens();
  tokens.clear();
  std::string name;
  std::string value;
  bool inValue = false;
  for (const char c : list) {
    if (c == ',') {
      tokens.emplace_back(name, value);
      name.clear();
      value.clear();
      inValue = false;
    } else if (c == '=' && !inValue) {
      inValue = true;
    } else if (inValue) {
      value += c;
    } else {
      name += c;
    }
  }
}

std::string GetToken(const std::string& name) {
  for (const auto& [tokenName, value] : Tokens())
    if (tokenName == name) return value;
  DebugLog::Instance().Write("failed to find token:" + name);
  return "";
}

std::string TranslateWithTokens(const char* key, const std::string& list) {
  SetTokens(list);
  const std::string text = Translate(key);
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] != '<') {
      out += text[pos++];
      continue;
    }
    const size_t close = text.find('>', pos + 1);
    if (close == std::string::npos) break;  // an unclosed '<' ends the text, as it always has
    out += GetToken(text.substr(pos + 1, close - pos - 1));
    pos = close + 1;
  }
  return out;
}

ConfigFile* GetCachedConfig(const std::string& section, const std::string& file) {
  for (const auto& config : SectionCache())
    if (config->GetSectionName() == section && config->GetFileName() == file) return config.get();
  auto config = std::make_unique<ConfigFile>();
  config->LoadSection(section, file);
  SectionCache().push_back(std::move(config));
  return SectionCache().back().get();
}

void ReleaseStringCaches() {
  Tokens().clear();
  SectionCache().clear();
  ++Generation();
}

void ResetStringTable() {
  StringTable().Clear();
  ++Generation();
}

unsigned StringCachesGeneration() { return Generation(); }

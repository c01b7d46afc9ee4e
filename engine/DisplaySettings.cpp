// The display settings: shipped defaults under the player's own copy.
#include "engine/DisplaySettings.h"

#include <map>

#include "engine/DebugLog.h"
#include "engine/Utilities.h"
#include "platform/Profile.h"

namespace {

std::string& Folder() {
  static std::string folder;
  return folder;
}

// What was set this run and could not be written, by lower-case "section\nkey".
std::map<std::string, std::string>& SetThisRun() {
  static std::map<std::string, std::string> values;
  return values;
}

std::string Slot(const std::string& section, const std::string& key) {
  return ToLowerString(section) + "\n" + ToLowerString(key);
}

}  // namespace

void DisplaySettings::SetUserFolder(const std::string& folder) {
  Folder() = folder;
  SetThisRun().clear();
}

std::string DisplaySettings::UserFile() {
  return Folder().empty() ? std::string() : Folder() + "/" + kFileName;
}

std::string DisplaySettings::Get(const std::string& section, const std::string& key) {
  const auto set = SetThisRun().find(Slot(section, key));
  if (set != SetThisRun().end()) return set->second;
  const std::string user = UserFile();
  if (!user.empty()) {
    std::string value = plat::ReadProfileString(section, key, "", user);
    if (!value.empty()) return value;
  }
  return plat::ReadProfileString(section, key, "", kShippedFile);
}

int DisplaySettings::GetInt(const std::string& section, const std::string& key, int fallback) {
  const std::string value = Get(section, key);
  return value.empty() ? fallback : ParseIntPrefix(value.c_str());
}

bool DisplaySettings::SetInt(const std::string& section, const std::string& key, int value) {
  const std::string text = std::to_string(value);
  const std::string user = UserFile();
  // Written, the file says it (and an edit of the file is read again); not written, the value
  // is kept here instead.
  if (!user.empty() && plat::WriteProfileString(section, key, text, user)) {
    SetThisRun().erase(Slot(section, key));
    return true;
  }
  SetThisRun()[Slot(section, key)] = text;
  DebugLog::Instance().Write("Failed to write " + key + "=" + text + " to " +
                             (user.empty() ? std::string("the display settings (no user folder)")
                                           : user) +
                             "; it holds until the game ends");
  return false;
}

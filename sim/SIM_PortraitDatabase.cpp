// Portraits.
#include "sim/SIM_PortraitDatabase.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "platform/Files.h"

namespace {

struct Lists {
  std::vector<std::string> male, female, unusedMale, unusedFemale;
  std::string userFolder;
};

Lists& L() {
  static Lists lists;
  return lists;
}

void AddFolder(const std::string& pattern, std::vector<std::string>& all,
               std::vector<std::string>& unused) {
  for (const plat::DirEntry& entry : plat::ListMatching(pattern)) {
    if (entry.isDirectory) continue;
    if (entry.name.find("_grey") != std::string::npos) continue;  // grey twins sit beside
    all.push_back(entry.name);
    unused.push_back(entry.name);
  }
}

std::string Pick(const std::vector<std::string>& all, std::vector<std::string>& unused) {
  if (!unused.empty()) {
    const std::string name = unused[static_cast<size_t>(RandomBelow(static_cast<int>(unused.size())))];
    unused.erase(std::remove(unused.begin(), unused.end(), name), unused.end());
    return name;
  }
  if (all.empty()) {
    LogWarning("No portraits to pick from", __FILE__, __LINE__);
    ReportAssertion(false, __FILE__, __LINE__);
    return "";  // the person goes without a picture
  }
  return all[static_cast<size_t>(RandomBelow(static_cast<int>(all.size())))];
}

}  // namespace

void SIM_PortraitDatabase::SetUserFolder(const std::string& folder) { L().userFolder = folder; }

void SIM_PortraitDatabase::Load() {
  Lists& l = L();
  l.male.clear();
  l.female.clear();
  l.unusedMale.clear();
  l.unusedFemale.clear();
  AddFolder("data/bitmaps/male_portraits/*.dds", l.male, l.unusedMale);
  AddFolder("data/bitmaps/female_portraits/*.dds", l.female, l.unusedFemale);
  if (!l.userFolder.empty()) {
    AddFolder(l.userFolder + "/mods/portraits_m/*.dds", l.male, l.unusedMale);
    AddFolder(l.userFolder + "/mods/portraits_f/*.dds", l.female, l.unusedFemale);
  }
}

std::string SIM_PortraitDatabase::PickMale() { return Pick(L().male, L().unusedMale); }
std::string SIM_PortraitDatabase::PickFemale() { return Pick(L().female, L().unusedFemale); }
const std::vector<std::string>& SIM_PortraitDatabase::AllMale() { return L().male; }
const std::vector<std::string>& SIM_PortraitDatabase::AllFemale() { return L().female; }
size_t SIM_PortraitDatabase::UnusedMale() { return L().unusedMale.size(); }
size_t SIM_PortraitDatabase::UnusedFemale() { return L().unusedFemale.size(); }

std::vector<std::string> SIM_PortraitDatabase::Used() {
  std::vector<std::string> used;
  const auto add = [&used](const std::vector<std::string>& all, const std::vector<std::string>& unused) {
    for (const std::string& name : all)
      if (std::find(unused.begin(), unused.end(), name) == unused.end() &&
          std::find(used.begin(), used.end(), name) == used.end())
        used.push_back(name);
  };
  add(L().male, L().unusedMale);
  add(L().female, L().unusedFemale);
  return used;
}

void SIM_PortraitDatabase::MarkUsed(const std::string& name) {
  std::erase(L().unusedMale, name);
  std::erase(L().unusedFemale, name);
}

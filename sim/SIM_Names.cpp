// Names.
#include "sim/SIM_Names.h"

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "platform/Files.h"
#include "sim/SIM_Vesk.h"

namespace {

void Report(const char* message, int line) {
  LogWarning(message, __FILE__, line);
  ReportAssertion(false, __FILE__, line);
}

std::string Pick(const std::vector<SIM_Names::Entry>& list, int socialClass,
                 const std::string& avoid) {
  std::vector<const std::string*> candidates;
  for (const auto& entry : list)
    if (entry.socialClass == socialClass && entry.name != avoid) candidates.push_back(&entry.name);
  // When every name of the class is the one to avoid, the player shares it after all.
  if (candidates.empty() && !avoid.empty()) return Pick(list, socialClass, "");
  if (candidates.empty()) return "";
  return *candidates[static_cast<size_t>(RandomBelow(static_cast<int>(candidates.size())))];
}

}  // namespace

std::vector<SIM_Names::Entry>& SIM_Names::MaleForenames() {
  static std::vector<Entry> list;
  return list;
}

std::vector<SIM_Names::Entry>& SIM_Names::FemaleForenames() {
  static std::vector<Entry> list;
  return list;
}

std::vector<SIM_Names::Entry>& SIM_Names::Surnames() {
  static std::vector<Entry> list;
  return list;
}

void SIM_Names::LoadAll() {
  Clear();
  LoadFile("data/simulation/surnames.csv", Surnames());
  LoadFile("data/simulation/maleforenames.csv", MaleForenames());
  LoadFile("data/simulation/femaleforenames.csv", FemaleForenames());
}

void SIM_Names::Clear() {
  MaleForenames().clear();
  FemaleForenames().clear();
  Surnames().clear();
}

void SIM_Names::LoadFile(const std::string& path, std::vector<Entry>& list) {
  const std::unique_ptr<Spreadsheet> table = LoadSpreadsheet(path);
  for (const std::string& line : *table) {
    StringTokenizer tokens;
    tokens.SetText(line);
    tokens.NextToken();  // the '#' column
    Entry entry;
    entry.name = TrimField(tokens.NextString());
    // The class word is the row's last field: trimmed so line endings never spoil it.
    entry.socialClass = ParseSocialClass(tokens.NextTrimmedString());
    if (!entry.name.empty()) list.push_back(entry);
  }
  if (list.empty()) Report("No names found", __LINE__);
}

int SIM_Names::ParseSocialClass(const std::string& word) {
  if (word == "WORKINGCLASS") return 0;
  if (word == "MIDDLECLASS") return 1;
  if (word == "UPPERCLASS") return 2;
  Report("Class not found", __LINE__);
  return 0;
}

std::string SIM_Names::PickForename(int socialClass, int gender, const std::string&, bool avoid) {
  const std::string avoidName = avoid ? SIM_Vesk::Instance()->GetForename() : std::string();
  return Pick(gender != 0 ? FemaleForenames() : MaleForenames(), socialClass, avoidName);
}

std::string SIM_Names::PickSurname(int socialClass, const std::string&) {
  return Pick(Surnames(), socialClass, "");
}

// Industries: the groups of the job search.
#include "sim/SIM_Industry.h"

#include <algorithm>
#include <memory>

#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "sim/SIM_NamedValueList.h"

namespace {

std::vector<std::unique_ptr<SIM_Industry>>& Owned() {
  static auto* list = new std::vector<std::unique_ptr<SIM_Industry>>();
  return *list;
}

std::vector<SIM_Industry*>& Listed() {
  static auto* list = new std::vector<SIM_Industry*>();
  return *list;
}

}  // namespace

SIM_Industry::SIM_Industry(std::string name, std::string text, std::string offerPicture)
    : name_(std::move(name)), text_(std::move(text)), offerPicture_(std::move(offerPicture)) {}

void SIM_Industry::LoadAll(const std::string& file) {
  const auto table = LoadSpreadsheet(file);
  for (const std::string& row : *table) {
    StringTokenizer tokens;
    tokens.SetText(row);
    tokens.NextToken();  // the '#' column
    std::string name = TrimField(tokens.NextString());
    std::string text = TrimField(tokens.NextString());
    std::string picture = TrimField(tokens.NextString());
    // A nameless row or a second row of one name would make an industry the search cannot
    // tell apart.
    if (name.empty() || FindByName(name)) continue;
    Owned().push_back(std::make_unique<SIM_Industry>(name, text, picture));
    Listed().push_back(Owned().back().get());
  }
}

void SIM_Industry::DeleteAll() {
  Listed().clear();
  Owned().clear();
}

SIM_Industry* SIM_Industry::FindByName(const std::string& name) {
  for (SIM_Industry* industry : Listed())
    if (industry->name_ == name) return industry;
  return nullptr;
}

const std::vector<SIM_Industry*>& SIM_Industry::All() { return Listed(); }

void SIM_Industry::ResetGlobalValues() {
  for (const SIM_Industry* industry : Listed()) SetGlobalValue(industry->name_, 0.0f);
}

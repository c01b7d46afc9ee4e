// The three name tables of any bytes (the input stands for each of them). Every name read is
// trimmed and not empty and has a social class the game knows; a name picked for a class is
// one of that class's, empty only when the class has none, and the player's own forename is
// avoided while the class has another.
#include <algorithm>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "engine/Random.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_Vesk.h"

namespace {

bool HasName(const std::vector<SIM_Names::Entry>& list, const std::string& name, int socialClass) {
  return std::any_of(list.begin(), list.end(), [&](const SIM_Names::Entry& e) {
    return e.name == name && e.socialClass == socialClass;
  });
}

bool HasOther(const std::vector<SIM_Names::Entry>& list, const std::string& name, int socialClass) {
  return std::any_of(list.begin(), list.end(), [&](const SIM_Names::Entry& e) {
    return e.name != name && e.socialClass == socialClass;
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  // The tables are read from the game's own paths, under the private working directory.
  for (const char* name : {"surnames.csv", "maleforenames.csv", "femaleforenames.csv"})
    fuzz::WriteInput(std::string("data/simulation/") + name, data, size);
  SeedRandom(5);
  SIM_Names::LoadAll();
  const auto& surnames = SIM_Names::Surnames();
  FUZZ_CHECK(surnames.size() == SIM_Names::MaleForenames().size());
  FUZZ_CHECK(surnames.size() == SIM_Names::FemaleForenames().size());
  for (const SIM_Names::Entry& entry : surnames) {
    FUZZ_CHECK(!entry.name.empty());
    const char last = entry.name.back();
    FUZZ_CHECK(last != ' ' && last != '\t' && last != '\r' && last != '\n');
    FUZZ_CHECK(entry.socialClass >= 0 && entry.socialClass <= 2);
  }
  // The player takes the first name read, so avoiding it matters.
  const std::string player = surnames.empty() ? std::string("Sam") : surnames.front().name;
  SIM_Vesk::Instance()->SetNames(player, "");
  for (int socialClass = 0; socialClass <= 2; ++socialClass) {
    const std::string surname = SIM_Names::PickSurname(socialClass, "");
    FUZZ_CHECK(surname.empty() == !HasOther(surnames, "", socialClass));  // names are never ""
    if (!surname.empty()) FUZZ_CHECK(HasName(surnames, surname, socialClass));
    for (int gender = 0; gender <= 1; ++gender) {
      const auto& list = gender ? SIM_Names::FemaleForenames() : SIM_Names::MaleForenames();
      const std::string forename = SIM_Names::PickForename(socialClass, gender, "", true);
      if (forename.empty()) {
        FUZZ_CHECK(!HasOther(list, "", socialClass));
        continue;
      }
      FUZZ_CHECK(HasName(list, forename, socialClass));
      if (HasOther(list, player, socialClass)) FUZZ_CHECK(forename != player);
    }
  }
  SIM_Names::Clear();
  return 0;
}

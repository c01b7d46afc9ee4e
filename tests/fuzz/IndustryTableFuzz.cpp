// The industries table of any bytes: every industry read has a name, and names are unique.
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_Industry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("industries.csv", data, size);
  SIM_Industry::LoadAll(path);
  for (const SIM_Industry* industry : SIM_Industry::All()) {
    FUZZ_CHECK(!industry->GetName().empty());
    FUZZ_CHECK(SIM_Industry::FindByName(industry->GetName()) == industry);
    FUZZ_CHECK(industry->GetIconName().size() > industry->GetName().size());
  }
  SIM_Industry::DeleteAll();
  return 0;
}

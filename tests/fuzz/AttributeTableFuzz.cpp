// The attributes table of any bytes. A parent no attribute has, or a cycle of parents, is a
// fatal stop on purpose; it must arrive at the fatal handler with the list intact.
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_NamedValueList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("attributes.csv", data, size);
  SIM_NamedValueList list("fuzz attributes");
  try {
    SIM_Attribute::LoadTable(path, list);
  } catch (const fuzz::FatalStop& stop) {
    FUZZ_CHECK(stop.text.find("Error finding parent attribute") != std::string::npos);
    return 0;  // the list deletes what was read
  }
  const size_t count = list.Values().size();
  for (SIM_NamedValue* value : list.Values()) {
    auto* attribute = dynamic_cast<SIM_Attribute*>(value);
    FUZZ_CHECK(attribute != nullptr);
    // Every chain of parents ends.
    size_t steps = 0;
    for (SIM_Attribute* p = attribute->GetParent(); p; p = p->GetParent()) FUZZ_CHECK(++steps <= count);
    FUZZ_CHECK(attribute->GetParentName().empty() == (attribute->GetParent() == nullptr));
    attribute->Recalculate();
    (void)attribute->IsPastWarnLimit();
    for (int i = 0; i < 3; ++i) (void)attribute->GetDescription(i);
  }
  return 0;
}

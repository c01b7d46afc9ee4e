// The solo activities table of any bytes. A modifier naming a game variable the config file
// lacks is a fatal stop on purpose (the data must be complete); it must arrive at the fatal
// handler cleanly. The shipped game variables are loaded so real names resolve.
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_SoloActivityType.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  static const bool loaded = [] {
    SIM_GlobalVariables::Instance().Load(fuzz::SourceDir() + "/data/config.txt");
    return true;
  }();
  (void)loaded;
  const std::string path = fuzz::WriteInput("solo_activities.csv", data, size);
  try {
    SIM_SoloActivityType::Reload(path);
  } catch (const fuzz::FatalStop& stop) {
    FUZZ_CHECK(stop.text.find("Missing Global variable") != std::string::npos);
    SIM_SoloActivityType::DeleteAll();
    return 0;
  }
  for (const auto& type : SIM_SoloActivityType::All()) {
    FUZZ_CHECK(type != nullptr && !type->GetTypeName().empty());
    FUZZ_CHECK(SIM_SoloActivityType::TryFind(type->GetTypeName()) != nullptr);
    (void)type->IsDayEnabled(0);
  }
  SIM_SoloActivityType::DeleteAll();
  return 0;
}

// The social events table of any bytes. A modifier naming a game variable the config file
// lacks is a fatal stop on purpose (the data must be complete); it must arrive at the fatal
// handler cleanly. Every type read must answer the questions the chooser, the characters and
// the evenings ask of it.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_SocialiseType.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  static const bool loaded = [] {
    SIM_GlobalVariables::Instance().Load(fuzz::SourceDir() + "/data/config.txt");
    return true;
  }();
  (void)loaded;
  const std::string path = fuzz::WriteInput("social_events.csv", data, size);
  try {
    SIM_SocialiseType::Reload(path);
  } catch (const fuzz::FatalStop& stop) {
    FUZZ_CHECK(stop.text.find("Missing Global variable") != std::string::npos);
    SIM_SocialiseType::DeleteAll();
    return 0;
  }
  for (const auto& type : SIM_SocialiseType::All()) {
    FUZZ_CHECK(type != nullptr && !type->GetTypeName().empty());
    FUZZ_CHECK(SIM_SocialiseType::FindByName(type->GetTypeName()) != nullptr);
    // A variable price is never paid or compared as the marker.
    FUZZ_CHECK(type->GetCost() != SIM_SocialiseType::kVariableCost);
    FUZZ_CHECK(type->GetHostCost() != SIM_SocialiseType::kVariableCost);
    FUZZ_CHECK(type->maxGuests != -1);
    for (const auto& [name, weight] : type->GetInterests()) FUZZ_CHECK(!name.empty());
    (void)type->IsDayEnabled(0);
  }
  FUZZ_CHECK(SIM_SocialiseType::All().empty() == (SIM_SocialiseType::PickRandom() == nullptr));
  SIM_SocialiseType::DeleteAll();
  FUZZ_CHECK(SIM_SocialiseType::PickRandom() == nullptr);
  return 0;
}

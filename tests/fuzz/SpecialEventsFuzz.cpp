// The special events table of any bytes, then a day's check over what it held. A modifier
// naming a game variable the config file lacks is a fatal stop on purpose (the data must be
// complete); it must arrive at the fatal handler cleanly. The shipped game variables are
// loaded so real names resolve, and the player has a few values for the weights to score.
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Vesk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  static const bool loaded = [] {
    SIM_GlobalVariables::Instance().Load(fuzz::SourceDir() + "/data/config.txt");
    for (const char* name : {"happiness", "culture", "iq", "fitness", "loneliness"})
      SIM_Vesk::Instance()->SetValue(name, 0.75f);
    return true;
  }();
  (void)loaded;
  const std::string path = fuzz::WriteInput("events.csv", data, size);
  try {
    SIM_SpecialEvent::LoadAll(path);
  } catch (const fuzz::FatalStop& stop) {
    FUZZ_CHECK(stop.text.find("Missing Global variable") != std::string::npos);
    SIM_SpecialEvent::DeleteAll();
    return 0;
  }
  FUZZ_CHECK(SIM_SpecialEvent::GetCooldown() == 0);
  for (const auto& event : SIM_SpecialEvent::All()) {
    FUZZ_CHECK(event != nullptr && !event->GetTypeName().empty());
    FUZZ_CHECK(!event->IsTriggered());
    for (const auto& weight : event->GetWeights())
      FUZZ_CHECK(weight.name.size() <= SIM_SpecialEvent::kMaxFieldText);
  }
  // One check triggers at most one event, and then the next seven do nothing.
  SIM_SpecialEvent::TriggerCheck();
  int triggered = 0;
  for (const auto& event : SIM_SpecialEvent::All()) triggered += event->IsTriggered() ? 1 : 0;
  FUZZ_CHECK(triggered <= 1);
  FUZZ_CHECK(SIM_SpecialEvent::GetCooldown() == (triggered ? SIM_SpecialEvent::kCooldownChecks : 0));
  for (int i = 0; i < SIM_SpecialEvent::kCooldownChecks; ++i) SIM_SpecialEvent::TriggerCheck();
  int after = 0;
  for (const auto& event : SIM_SpecialEvent::All()) after += event->IsTriggered() ? 1 : 0;
  FUZZ_CHECK(after == triggered);
  SIM_SpecialEvent::DeleteAll();
  return 0;
}

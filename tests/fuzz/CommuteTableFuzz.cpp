// The ways-to-work table of any bytes: the first method read is chosen, every method answers
// its questions without a job, and checking the choice always leaves a method of the list
// chosen (or none when the list is empty).
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_CommuteMethod.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("commute.csv", data, size);
  LoadCommuteMethods(path);
  const size_t count = SIM_CommuteMethod::All().size();
  FUZZ_CHECK(SIM_CommuteMethod::GetChosenIndex() == (count ? 0 : -1));
  for (const auto& method : SIM_CommuteMethod::All()) {
    (void)method->IsAvailable();
    (void)method->HasTransport();
    FUZZ_CHECK(method->GetStressPerMile(-1) == 0.0f && method->GetStressPerMile(4) == 0.0f);
    FUZZ_CHECK(SIM_CommuteMethod::FindByName(method->GetId()) != nullptr);
  }
  SIM_CommuteMethod::ValidateChoice();
  if (count) {
    FUZZ_CHECK(SIM_CommuteMethod::GetChosen() != nullptr);
  } else {
    FUZZ_CHECK(SIM_CommuteMethod::GetChosen() == nullptr);
  }
  (void)SIM_CommuteMethod::IsNotMotorised();
  (void)GetCurrentCommuteText();
  SIM_CommuteMethod::DeleteAll();
  FUZZ_CHECK(SIM_CommuteMethod::All().empty() && SIM_CommuteMethod::GetChosen() == nullptr);
  return 0;
}

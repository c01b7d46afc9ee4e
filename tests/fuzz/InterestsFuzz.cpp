// The interests table of any bytes. Every interest read is found by its name, has levels the
// affinity table knows and a finite weight; the draws a new character makes (weights from the
// levels, as the game builds them) give one of the interests, and only an empty table is the
// fatal stop the draw makes on purpose.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "engine/Random.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_Person.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("interests.csv", data, size);
  SeedRandom(11);
  SIM_InterestType::LoadAll(path);
  const auto& all = SIM_InterestType::All();
  for (const SIM_InterestType* type : all) {
    FUZZ_CHECK(type != nullptr);
    const SIM_InterestType* found = SIM_InterestType::Find(type->GetName());
    FUZZ_CHECK(found != nullptr && found->GetName() == type->GetName());
    FUZZ_CHECK(type->GetLevel1() >= SIM_InterestType::kLow && type->GetLevel1() <= SIM_InterestType::kNone);
    FUZZ_CHECK(type->GetLevel2() >= SIM_InterestType::kLow && type->GetLevel2() <= SIM_InterestType::kNone);
    FUZZ_CHECK(std::isfinite(type->GetProbability()));
  }
  // A cultured and clever character, a middling one and a plain one.
  for (const float demand : {0.9f, 0.5f, 0.1f}) {
    std::vector<SIM_InterestWeight> weights;
    for (SIM_InterestType* type : all)
      weights.push_back({type, InterestAffinityFactor(type->GetLevel1(), demand) *
                                   InterestAffinityFactor(type->GetLevel2(), 1.0f - demand)});
    try {
      const SIM_InterestType* chosen = SIM_InterestType::ChooseRandom(weights);
      FUZZ_CHECK(std::find(all.begin(), all.end(), chosen) != all.end());
    } catch (const fuzz::FatalStop& stop) {
      FUZZ_CHECK(all.empty());
      FUZZ_CHECK(stop.text.find("No interest probabilities") != std::string::npos);
    }
  }
  SIM_InterestType::DeleteAll();
  FUZZ_CHECK(SIM_InterestType::All().empty());
  return 0;
}

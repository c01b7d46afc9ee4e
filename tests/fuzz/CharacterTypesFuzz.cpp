// The character types table of any bytes. Every type read is found by its name, a draw by
// weight always gives one of them while there are any, and applying every type's effect to
// the player leaves each of the player's values a number within 0..1 (the standing score a
// number not below 0).
#include <algorithm>
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "engine/Random.h"
#include "sim/SIM_CharacterType.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("charactertypes.csv", data, size);
  fuzz::ResetPlayer();
  SeedRandom(7);

  SIM_CharacterType::LoadAll(path);
  const auto& all = SIM_CharacterType::All();
  for (const SIM_CharacterType* type : all) {
    FUZZ_CHECK(type != nullptr);
    const SIM_CharacterType* found = SIM_CharacterType::Find(type->GetName());
    FUZZ_CHECK(found != nullptr && found->GetName() == type->GetName());
    for (int i = 2; i <= 4; ++i) (void)type->GetText(i).size();
    FUZZ_CHECK(std::isfinite(type->GetWeight()));
    FUZZ_CHECK(std::isfinite(type->GetEffectAmount()) && std::isfinite(type->GetEffectDegrade()));
  }
  for (int draw = 0; draw < 8; ++draw) {
    const SIM_CharacterType* chosen = SIM_CharacterType::ChooseRandom();
    FUZZ_CHECK((chosen == nullptr) == all.empty());
    if (chosen) FUZZ_CHECK(std::find(all.begin(), all.end(), chosen) != all.end());
  }
  for (const SIM_CharacterType* type : all) type->ApplyEffect("fuzz");
  fuzz::CheckPlayerValues();
  SIM_CharacterType::DeleteAll();
  FUZZ_CHECK(SIM_CharacterType::All().empty() && SIM_CharacterType::ChooseRandom() == nullptr);
  return 0;
}

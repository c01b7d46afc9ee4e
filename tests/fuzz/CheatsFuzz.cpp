// The cheats file of any bytes, applied to a player as a new game starts: whatever the rows
// name and however large their amounts, every value of the player stays a number within 0..1
// and the standing score stays finite and not below 0.
#include <string>

#include "FuzzSupport.h"
#include "engine/Random.h"
#include "sim/SIM_Finances.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("cheats.txt", data, size);
  fuzz::ResetPlayer();
  SeedRandom(3);
  LoadCheats(path.c_str());
  fuzz::CheckPlayerValues();
  return 0;
}

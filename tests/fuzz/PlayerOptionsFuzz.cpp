// The player options file of any bytes: loading never stops the game, every value comes out
// usable, and what the game then writes reads back the same.
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_PlayerOptions.h"

namespace {

struct Snapshot {
  float config[SIM_PlayerOptions::kConfigCount];
  bool toggle[SIM_PlayerOptions::kToggleCount];
  std::string id;
};

Snapshot Take(const SIM_PlayerOptions& options) {
  Snapshot s;
  for (int i = 0; i < SIM_PlayerOptions::kConfigCount; ++i) s.config[i] = options.GetConfig(i);
  for (int i = 0; i < SIM_PlayerOptions::kToggleCount; ++i) s.toggle[i] = options.GetToggle(i);
  s.id = options.GetId();
  return s;
}

void CheckUsable(const Snapshot& s) {
  for (const float value : s.config) FUZZ_CHECK(std::isfinite(value));
  FUZZ_CHECK(s.id.size() >= 7);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  fuzz::WriteInput(std::string("user/") + SIM_PlayerOptions::kFileName, data, size);
  SIM_PlayerOptions& options = SIM_PlayerOptions::Instance();
  options.Clear();
  options.SetFolder(fuzz::Folder() + "/user");
  options.Load();
  CheckUsable(Take(options));

  // The first save normalises the file; from then on saving and loading changes nothing.
  FUZZ_CHECK(options.Save());
  options.Clear();
  options.Load();
  const Snapshot once = Take(options);
  CheckUsable(once);
  FUZZ_CHECK(options.Save());
  options.Clear();
  options.Load();
  const Snapshot twice = Take(options);
  for (int i = 0; i < SIM_PlayerOptions::kConfigCount; ++i)
    FUZZ_CHECK(once.config[i] == twice.config[i]);
  for (int i = 0; i < SIM_PlayerOptions::kToggleCount; ++i)
    FUZZ_CHECK(once.toggle[i] == twice.toggle[i]);
  FUZZ_CHECK(once.id == twice.id);
  return 0;
}

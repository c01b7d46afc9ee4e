// The fortune cookies file of any bytes. A fortune is the text of one of the cookies
// section's entries; it is empty only when the section is not numbered 0, 1, 2, ... with a
// text for each. The game's own random numbers are never drawn for it.
#include <algorithm>
#include <string>

#include "FuzzSupport.h"
#include "engine/ConfigFile.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "gui/windows/GUI_PostMortem.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("fortunes.txt", data, size);
  ReleaseStringCaches();  // the file is read once and kept: this input is a new file
  ConfigFile cookies;
  cookies.LoadSection("cookies", path);
  const auto& entries = cookies.GetEntries();
  bool numbered = true;
  for (size_t i = 0; i < entries.size(); ++i)
    numbered = numbered && *cookies.GetValue(std::to_string(i)) != '\0';
  SeedRandom(9);
  const uint32_t state = GetRandomState();
  for (int draw = 0; draw < 4; ++draw) {
    const std::string fortune = PickFortune(path);
    if (fortune.empty()) {
      FUZZ_CHECK(!numbered || entries.empty());
      continue;
    }
    // A text is shown up to a zero byte in it.
    FUZZ_CHECK(std::any_of(entries.begin(), entries.end(), [&](const ConfigEntry& e) {
      return std::string(e.value.c_str()) == fortune;
    }));
  }
  FUZZ_CHECK(GetRandomState() == state);
  return 0;
}

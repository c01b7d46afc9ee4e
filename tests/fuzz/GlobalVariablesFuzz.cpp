// The game variables from a config file of any bytes. A name the game asks for that the file
// lacks is a fatal stop on purpose: it must arrive at the fatal handler, not crash on the way.
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_GlobalVariables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("config.txt", data, size);
  SIM_GlobalVariables& variables = SIM_GlobalVariables::Instance();
  variables.Load(path);

  const auto& entries = variables.Entries();
  for (size_t i = 0; i < entries.size() && i < 64; ++i) {
    const std::string& name = entries[i].first;
    FUZZ_CHECK(!name.empty() && name[0] != '/');
    FUZZ_CHECK(name.find('=') == std::string::npos);
    FUZZ_CHECK(variables.Has(name));
    // Get finds the first entry of a name.
    size_t first = 0;
    while (entries[first].first != name) ++first;
    const float got = variables.Get(name);
    FUZZ_CHECK(std::memcmp(&got, &entries[first].second, sizeof got) == 0);
  }

  // No name holds '=', so this one is never in the table.
  bool stopped = false;
  try {
    (void)variables.Get("NO=SUCH_VARIABLE");
  } catch (const fuzz::FatalStop& stop) {
    stopped = stop.text.find("Missing Global variable") != std::string::npos;
  }
  FUZZ_CHECK(stopped);
  return 0;
}

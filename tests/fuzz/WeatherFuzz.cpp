// The weather table of any bytes. A table without twelve months of shares adding up to 1 is
// a fatal stop on purpose; a table that loads must give a kind for every draw.
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_Weather.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("weather.csv", data, size);
  SIM_Weather& weather = SIM_Weather::Instance();
  try {
    weather.Load(path);
  } catch (const fuzz::FatalStop& stop) {
    FUZZ_CHECK(stop.text.find("Weather percentages are invalid") != std::string::npos);
    return 0;
  }
  for (int month = 0; month < SIM_Weather::kMonths; ++month) {
    double sum = 0.0;
    for (int kind = 0; kind < SIM_Weather::kKinds; ++kind) {
      const float share = weather.GetShare(month, kind);
      FUZZ_CHECK(std::isfinite(share) && share >= 0.0f);
      sum += share;
    }
    FUZZ_CHECK(std::fabs(sum - 1.0) <= 1e-3);
    for (const float r : {0.0f, 0.25f, 0.5f, 0.999f, 1.0f}) {
      const int kind = weather.PickKind(month, r);
      FUZZ_CHECK(kind >= 0 && kind < SIM_Weather::kKinds);
    }
  }
  return 0;
}

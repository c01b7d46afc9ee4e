// The restaurant table of any bytes: every row becomes a restaurant whose style is one of the
// four or the invalid marker (never anything else), and a day's roll of tables works for
// every one of them.
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Restaurant.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  static const bool loaded = [] {
    SIM_GlobalVariables::Instance().Load(fuzz::SourceDir() + "/data/config.txt");
    return true;
  }();
  (void)loaded;
  const std::string path = fuzz::WriteInput("restaurants.csv", data, size);
  SIM_Restaurant::LoadAll(path);
  for (int day = 0; day < 2; ++day) SIM_Restaurant::DailyUpdateAll();
  for (const auto& r : SIM_Restaurant::All()) {
    const SIM_RestaurantStyle style = r->GetStyle();
    FUZZ_CHECK(style >= RESTAURANT_INVALID && style <= RESTAURANT_HIP);
    if (style == RESTAURANT_INVALID) FUZZ_CHECK(!r->HasTableToday() && r->GetTovelValue() == 0.0f);
    FUZZ_CHECK(r->HasSameCuisine(r.get()));
  }
  SIM_Restaurant::DeleteAll();
  return 0;
}

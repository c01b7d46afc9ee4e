// The film table of any bytes. A modifier naming a game variable the config file lacks is a
// fatal stop on purpose (the data must be complete); it must arrive at the fatal handler
// cleanly. Whatever was read, the programme never shows a film that is not in the table,
// shows none only when there is none, and a week's step keeps it so.
#include <algorithm>
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Movie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  static const bool loaded = [] {
    SIM_GlobalVariables::Instance().Load(fuzz::SourceDir() + "/data/config.txt");
    return true;
  }();
  (void)loaded;
  const std::string path = fuzz::WriteInput("movies.csv", data, size);
  try {
    SIM_Movie::LoadAll(path);
  } catch (const fuzz::FatalStop& stop) {
    FUZZ_CHECK(stop.text.find("Missing Global variable") != std::string::npos);
    SIM_Movie::DeleteAll();
    return 0;
  }
  const auto& all = SIM_Movie::All();
  FUZZ_CHECK(SIM_Movie::ReleaseOrder().size() == all.size());
  auto known = [&](const SIM_Movie* film) {
    return std::any_of(all.begin(), all.end(), [film](const auto& f) { return f.get() == film; });
  };
  for (int week = 0; week < 3; ++week) {
    for (const SIM_Movie* film : SIM_Movie::Showing()) {
      FUZZ_CHECK(all.empty() ? film == nullptr : film != nullptr && known(film));
      if (film) {
        FUZZ_CHECK(film->GetQuality() >= 0.0f && film->GetQuality() <= 1.0f);
        (void)film->GetReview();
      }
    }
    CurrentDate().SetDayOfWeek(5);
    SIM_Movie::AdvanceWeeklyMovie();
  }
  SIM_Movie::DeleteAll();
  FUZZ_CHECK(SIM_Movie::Showing()[0] == nullptr);
  return 0;
}

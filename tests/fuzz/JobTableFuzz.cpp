// The jobs table of any bytes: every row gives a named job or none; the catalogue's lookups,
// openings and cool-downs run on whatever was read (no game is running, so no player).
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_JobBase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  static const bool loaded = [] {
    SIM_GlobalVariables::Instance().Load(fuzz::SourceDir() + "/data/config.txt");
    return true;
  }();
  (void)loaded;
  const std::string path = fuzz::WriteInput("jobs.csv", data, size);
  try {
    SIM_JobBase::LoadAll(path, fuzz::Folder() + "/no_industries.csv");
  } catch (const fuzz::FatalStop& stop) {
    // A modifier naming a game variable the config lacks stops on purpose.
    FUZZ_CHECK(stop.text.find("Missing Global variable") != std::string::npos);
    SIM_JobBase::DeleteAll();
    return 0;
  }
  SIM_JobBase::RollOpenings();
  SIM_JobBase::CountDownCooldowns();
  for (SIM_JobBase* job : SIM_JobBase::All()) {
    FUZZ_CHECK(job != nullptr && !job->GetName().empty());
    FUZZ_CHECK(SIM_JobBase::FindByName(job->GetName()) != nullptr);
    (void)job->GetDescription(true);
  }
  for (const SIM_JobBase* job : SIM_JobBase::LockedJobs()) FUZZ_CHECK(job->IsLocked());
  SIM_JobBase::DeleteAll();
  return 0;
}

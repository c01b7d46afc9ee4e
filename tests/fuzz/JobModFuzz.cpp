// A job mod file of any bytes, read from a user folder: it gives one named job or none, with
// a contract that is open-ended or of at least one day.
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
  const std::string path = fuzz::WriteInput("mods/jobs/mod.txt", data, size);
  try {
    auto job = SIM_JobBase::ReadModFile(path);
    if (job) {
      FUZZ_CHECK(!job->GetName().empty());
      FUZZ_CHECK(job->GetDuration() == -1 || job->GetDuration() > 0);
      FUZZ_CHECK(job->GetCommuteDistance() < 0.0f || job->GetCommuteDistance() >= 0.0f);
    }
  } catch (const fuzz::FatalStop& stop) {
    FUZZ_CHECK(stop.text.find("Missing Global variable") != std::string::npos);
  }
  return 0;
}

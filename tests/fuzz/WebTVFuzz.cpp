// The web-site and TV-channel tables of any bytes: the same input is read as both. A modifier
// whose amount names a game variable the config file lacks is a fatal stop on purpose; it
// must arrive at the fatal handler cleanly. Every entry read keeps its modifier fields within
// their length, and a list, once read, is not read again.
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_WebTV.h"

namespace {

template <class List>
void CheckEntries(const List& list) {
  for (const auto& entry : list) {
    FUZZ_CHECK(entry != nullptr);
    FUZZ_CHECK(entry->GetName() == entry->name);
    for (const SIM_Modifier* m : entry->GetModifiers()) {
      FUZZ_CHECK(m->name.size() <= kMaxWebTVModifier);
      FUZZ_CHECK(!(m->amount < -1.0f || m->amount > 1.0f));
      FUZZ_CHECK(!(m->limit < 0.0f || m->limit > 1.0f));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  static const bool loaded = [] {
    SIM_GlobalVariables::Instance().Load(fuzz::SourceDir() + "/data/config.txt");
    return true;
  }();
  (void)loaded;
  const std::string path = fuzz::WriteInput("webtv.csv", data, size);
  ForgetWebTVLists();
  try {
    LoadWebsites(path);
    LoadTVChannels(path);
  } catch (const fuzz::FatalStop& stop) {
    FUZZ_CHECK(stop.text.find("Missing Global variable") != std::string::npos);
    ForgetWebTVLists();
    return 0;
  }
  CheckEntries(WebsiteList());
  CheckEntries(TVChannelList());
  // Read once per run: another file changes nothing.
  const size_t sites = WebsiteList().size(), channels = TVChannelList().size();
  LoadWebsites(fuzz::WriteInput("other.csv", nullptr, 0));
  LoadTVChannels(fuzz::WriteInput("other.csv", nullptr, 0));
  FUZZ_CHECK(WebsiteList().size() == sites && TVChannelList().size() == channels);
  ForgetWebTVLists();
  return 0;
}

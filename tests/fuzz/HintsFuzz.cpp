// The hint table and the user's hints file of any bytes (the input stands for both: the table
// reads only its '#' lines, the user file only its "[hints]" section). Every hint read has a
// key; the user file the game writes brings every hint back as it was, and a hint once shown
// is still shown after the game reads its files again.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "gui/GUI_HintHelp.h"

namespace {

bool Trimmed(const std::string& text) {
  return text.empty() || (text.back() != ' ' && text.back() != '\r' && text.back() != '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  SetHintFolder(fuzz::Folder());
  fuzz::WriteInput("data/simulation/hints.csv", data, size);
  fuzz::WriteInput("hints.txt", data, size);
  LoadHints();
  const std::vector<HintRecord> read = Hints();
  for (const HintRecord& hint : read) {
    FUZZ_CHECK(!hint.key.empty() && Trimmed(hint.key) && Trimmed(hint.text));
  }

  SaveHints();
  LoadHints();
  const std::vector<HintRecord> again = Hints();
  FUZZ_CHECK(again.size() == read.size());
  for (size_t i = 0; i < read.size() && i < again.size(); ++i) {
    FUZZ_CHECK(again[i].key == read[i].key);
    FUZZ_CHECK(again[i].shown == read[i].shown);
  }

  // The first hint not yet shown opens once and is remembered (with every hint of its key).
  for (const HintRecord& hint : again) {
    if (hint.shown) continue;
    ShowHint(hint.key);
    FUZZ_CHECK(GUI_HintHelp::OpenHints().size() == 1);
    LoadHints();  // closes the window first
    FUZZ_CHECK(GUI_HintHelp::OpenHints().empty());
    const std::vector<HintRecord> after = Hints();
    FUZZ_CHECK(after.size() == again.size());
    for (size_t i = 0; i < after.size() && i < again.size(); ++i)
      FUZZ_CHECK(after[i].shown == (again[i].shown || again[i].key == hint.key));
    break;
  }
  ClearHints();
  return 0;
}

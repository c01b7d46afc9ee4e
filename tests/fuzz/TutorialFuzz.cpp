// The tutorial's script and its regions of any bytes: the same input is read as both. A step
// per record line at most, commands that split into trimmed names, and no read past the text.
#include <string>

#include "FuzzSupport.h"
#include "gui/GUI_Tutorial.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string script = fuzz::WriteInput("tutorial.csv", data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);
  size_t records = 0;
  for (size_t i = 0; i < text.size(); ++i)
    records += text[i] == '#' && (i == 0 || text[i - 1] == '\n') ? 1 : 0;
  const auto steps = ReadTutorialScript(script);
  FUZZ_CHECK(steps.size() <= records);
  for (const TutorialStep& step : steps) {
    for (const std::string& command : SplitTutorialCommands(step.commands)) {
      FUZZ_CHECK(!command.empty());
      FUZZ_CHECK(command.find(',') == std::string::npos);
      FUZZ_CHECK(command.front() != ' ' && command.back() != ' ');
    }
  }
  const std::string ini = fuzz::WriteInput("tutorial.ini", data, size);
  const TutorialRegions regions = ReadTutorialRegions(ini);
  (void)regions;
  return 0;
}

// A crossword word list of any bytes: every word kept has an answer of 1 to 10 lower-case
// letters or digits, and a pick takes one word out of the pool or finds none.
#include <string>

#include "FuzzSupport.h"
#include "sim/SIM_MiniGames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  // The working folder is the private one, so the game's list path reads this input.
  fuzz::WriteInput(kEasyCrosswordFile, data, size);
  CrosswordPool().clear();
  LoadCrosswordWords(true);
  const size_t loaded = CrosswordPool().size();
  for (const CrosswordWord& word : CrosswordPool()) {
    FUZZ_CHECK(!word.answer.empty());
    FUZZ_CHECK(word.answer.size() <= kMaxCrosswordAnswer);
    for (char c : word.answer) FUZZ_CHECK((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
  }
  CrosswordWord picked;
  const bool got = PickCrosswordWord(true, picked);
  FUZZ_CHECK(got == (loaded > 0));
  if (got) {
    FUZZ_CHECK(CrosswordPool().size() == loaded - 1);
    FUZZ_CHECK(CrosswordSolved(picked.answer, picked.answer, {}));
  }
  CrosswordPool().clear();
  return 0;
}

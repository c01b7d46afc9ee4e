// Shared pieces of the fuzz targets. Every reader under test takes a path, so each input is
// written to a file in a private temporary folder (which is also the working directory) and
// the real reader is called on it. A fatal stop throws FatalStop; a target that does not
// expect one lets it escape, and the uncaught exception ends the run as a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

struct FatalStop {
  std::string text;
};

// Once per process: the temporary folder as working directory, a debug log that goes
// nowhere, quiet assertions and a fatal handler that throws FatalStop.
void Init();

// The private folder (absolute, no trailing slash).
const std::string& Folder();

// Writes the bytes to Folder()/name (parent folders made) and gives the absolute path.
std::string WriteInput(const std::string& name, const uint8_t* data, size_t size);

// The checked-out source tree, for shipped data a target needs beside its input.
std::string SourceDir();
// Makes the source tree the working directory, for targets that start the game on its
// shipped data (their inputs still go to the private folder).
void UseSourceDirAsWorkingDir();

// The player as a new game starts: the shipped attributes, no skills, no standing.
void ResetPlayer();
// Every value of the player (attributes and skills) a number within 0..1, the standing score's
// parts finite and its earned part not below 0, whatever a table changed.
void CheckPlayerValues();

// A broken invariant: prints what broke and aborts, which both libFuzzer and the replay
// driver report as a failure.
[[noreturn]] void Fail(const char* what, const char* file, int line);

}  // namespace fuzz

#define FUZZ_CHECK(cond) \
  do {                   \
    if (!(cond)) ::fuzz::Fail(#cond, __FILE__, __LINE__); \
  } while (0)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// The debug log, soft assertions, warnings and fatal errors: the game's only ways of
// reporting a fault (the game code throws nothing).
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// The log file "./debugdata/debug.txt". It is written only when the folder already exists;
// the game never makes it, so a player's install stays free of log files.
class DebugLog {
 public:
  // Never destroyed, so a fatal error during static destruction can still log.
  static DebugLog& Instance();

  DebugLog(const DebugLog&) = delete;
  DebugLog& operator=(const DebugLog&) = delete;

  void Open();
  void Write(const std::string& text);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }

  // Where the log goes; tests point it into a temporary folder.
  void SetPath(const std::string& path) { path_ = path; }
  const std::string& GetPath() const { return path_; }

 private:
  DebugLog() = default;

  std::vector<std::string> lines_;  // kept for parity with the log's design; nothing fills it
  FILE* file_ = nullptr;
  std::string path_ = "./debugdata/debug.txt";
};

// Soft assertion: when the condition fails, shows the problem dialog, logs the report and
// returns so the caller can go on.
void ReportAssertion(bool condition, const char* file, int line);
// A warning line "message:file line" to the debugger output and the log.
void LogWarning(const char* message, const char* file, int line);
// Shows "message:file line" in an "ERROR" box, logs it and stops the program.
[[noreturn]] void FatalError(const char* message, const char* file, int line);
// Logs the system's text for the last failed system call and stops with its code.
[[noreturn]] void ExitOnWindowsError();

// What a fatal stop does after the log line is written: by default an "ERROR" box; then the
// log is closed and the process exits with exitCode. A handler that throws (tests) prevents
// the exit, so a test can observe the stop without the process ending.
using FatalErrorHandler = std::function<void(const std::string& text, int exitCode)>;
void SetFatalErrorHandler(FatalErrorHandler handler);  // empty: the default

// What a failed assertion shows: by default the problem dialog with its e-mail button, which
// waits; once its screens are up the game shows a box of its own that does not. Tests replace
// it to record reports instead of showing anything. Returns the handler replaced.
using AssertionHandler = std::function<void(const std::string& report)>;
AssertionHandler SetAssertionHandler(AssertionHandler handler);  // empty: the default

// The last assertion report (the body the e-mail button sends).
const std::string& LastAssertionReport();

// Where bug reports are mailed.
inline constexpr const char* kSupportAddress = "bugreport@tovel-game.org";
// The fixed text of the problem dialog.
inline constexpr const char* kProblemDialogText =
    "Something has gone wrong with the game. You can attempt to continue anyway, but we would "
    "appreciate it if you click the email button which will tell us what went wrong. You should "
    "be able to load the previous auto-save and carry on from there.";

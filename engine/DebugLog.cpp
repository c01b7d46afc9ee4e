// Debug log and fault reporting.
#include "engine/DebugLog.h"

#include <cstdlib>
#include <utility>

#include "engine/Utilities.h"
#include "engine/Version.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/System.h"

namespace {

FatalErrorHandler& FatalHandler() {
  static FatalErrorHandler handler;
  return handler;
}

AssertionHandler& AssertHandler() {
  static AssertionHandler handler;
  return handler;
}

std::string& ReportBuffer() {
  static std::string report;
  return report;
}

// Reports name a source file by its class name; callers passing __FILE__ get the same form.
std::string FileName(const char* file) {
  if (!file) return "?";
  std::string name = file;
  const size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name = name.substr(0, dot);
  return name;
}

// Shared end of FatalError and ExitOnWindowsError.
[[noreturn]] void Stop(const std::string& text, int exitCode) {
  if (FatalHandler()) {
    FatalHandler()(text, exitCode);
  } else {
    // The system's box: the game ends after it, so a box of the game's would never be seen.
    plat::ShowSystemMessageBox("ERROR", text, plat::BoxIcon::Error);
  }
  DebugLog::Instance().Close();
  std::exit(exitCode);
}

void ShowProblemDialog(const std::string& report) {
  // "Email The Developer" leaves the dialog open; only "Attempt to continue" (or closing it)
  // lets the game go on.
  for (;;) {
    const int pressed = plat::ShowButtonsBox("Problem encountered", kProblemDialogText,
                                             {"Attempt to continue", "Email The Developer"},
                                             plat::BoxIcon::Warning);
    if (pressed != 1) return;
    OpenMailTo("bugreport", report, kSupportAddress);
  }
}

}  // namespace

DebugLog& DebugLog::Instance() {
  static DebugLog* log = new DebugLog();  // deliberately never destroyed
  return *log;
}

void DebugLog::Open() {
  if (file_) std::fclose(file_);
  file_ = plat::OpenFile(path_, "w");
  if (file_) {
    Write("----DEBUG FILE----");
  } else {
    // The log is kept only where its folder exists; say so once, so it can be turned on.
    plat::DebugOutput("No debug log: make the folder \"debugdata\" in the game's folder to keep one.");
  }
}

void DebugLog::Write(const std::string& text) {
  if (!file_) return;
  std::fputs(text.c_str(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
  plat::DebugOutput(text);
}

void DebugLog::Close() {
  if (!file_) return;
  std::fputs("END DEBUG---\n", file_);
  std::fclose(file_);
  file_ = nullptr;
}

void ReportAssertion(bool condition, const char* file, int line) {
  if (condition) return;
  ReportBuffer() = "Assertion failure:filename:" + FileName(file) +
                   ",linenum:" + std::to_string(line) + ",build:" + kGameVersion;
  if (AssertHandler()) {
    AssertHandler()(ReportBuffer());
  } else {
    ShowProblemDialog(ReportBuffer());
  }
  DebugLog::Instance().Write(ReportBuffer());
}

void LogWarning(const char* message, const char* file, int line) {
  const std::string text =
      std::string(message ? message : "") + ":" + FileName(file) + " " + std::to_string(line) + "\n";
  plat::DebugOutput(text);
  DebugLog::Instance().Write(text);
}

void FatalError(const char* message, const char* file, int line) {
  const std::string text =
      std::string(message ? message : "") + ":" + FileName(file) + " " + std::to_string(line);
  DebugLog::Instance().Write(text);
  Stop(text, 1);
}

void ExitOnWindowsError() {
  const int code = plat::LastErrorCode();
  const std::string text = plat::ErrorText(code);
  DebugLog::Instance().Write(text);
  Stop(text, code != 0 ? code : 1);
}

void SetFatalErrorHandler(FatalErrorHandler handler) { FatalHandler() = std::move(handler); }

AssertionHandler SetAssertionHandler(AssertionHandler handler) {
  return std::exchange(AssertHandler(), std::move(handler));
}

const std::string& LastAssertionReport() { return ReportBuffer(); }

// Shared test helpers.
#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/DebugLog.h"
#include "engine/Translate.h"

namespace testsupport {

TempDir::TempDir() {
  std::random_device rd;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("tovel-test-" + std::to_string(rd()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

namespace {

// The text tables are read relative to the working directory on first use and then kept, so
// texts read in one folder must not answer for another.
void ForgetTextsReadFromTheFolder() {
  ResetStringTable();
  ReleaseStringCaches();
}

}  // namespace

ScopedChdir::ScopedChdir(const std::filesystem::path& dir) : old_(std::filesystem::current_path()) {
  ForgetTextsReadFromTheFolder();
  std::filesystem::current_path(dir);
}

ScopedChdir::~ScopedChdir() {
  std::error_code ec;
  std::filesystem::current_path(old_, ec);
  ForgetTextsReadFromTheFolder();
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    had_ = true;
    old_ = old;
  }
  if (value) setenv(name, value, 1);
  else unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
  if (had_) setenv(name_.c_str(), old_.c_str(), 1);
  else unsetenv(name_.c_str());
}

FatalCatcher::FatalCatcher() {
  SetFatalErrorHandler([](const std::string& text, int code) { throw FatalStop{text, code}; });
}

FatalCatcher::~FatalCatcher() { SetFatalErrorHandler(nullptr); }

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace testsupport

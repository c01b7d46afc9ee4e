// Shared test helpers: temporary folders, working directory and environment changes that
// undo themselves, and a fatal-error catcher that turns a fatal stop into an exception.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// What a fatal stop threw instead of ending the process.
struct FatalStop {
  std::string text;
  int exitCode = 0;
};

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::string Str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// Changes the working directory for its lifetime. The text tables read from the old folder
// are forgotten on the way in and those read from the new one on the way out.
class ScopedChdir {
 public:
  explicit ScopedChdir(const std::filesystem::path& dir);
  ~ScopedChdir();
  ScopedChdir(const ScopedChdir&) = delete;
  ScopedChdir& operator=(const ScopedChdir&) = delete;

 private:
  std::filesystem::path old_;
};

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);  // null value unsets
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::string old_;
  bool had_ = false;
};

// While alive, FatalError and ExitOnWindowsError throw FatalStop instead of exiting.
class FatalCatcher {
 public:
  FatalCatcher();
  ~FatalCatcher();
  FatalCatcher(const FatalCatcher&) = delete;
  FatalCatcher& operator=(const FatalCatcher&) = delete;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace testsupport

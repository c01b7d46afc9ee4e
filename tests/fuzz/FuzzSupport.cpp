// Shared pieces of the fuzz targets.
#include "FuzzSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "engine/DebugLog.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace fuzz {
namespace {

namespace fs = std::filesystem;

// Removes the private folder when the process ends normally.
struct FolderKeeper {
  std::string path;
  ~FolderKeeper() {
    if (path.empty()) return;
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(path, ec);
  }
};

FolderKeeper& Keeper() {
  static FolderKeeper keeper;
  return keeper;
}

}  // namespace

void Init() {
  static bool done = false;
  if (done) return;
  done = true;
  std::random_device rd;
  const fs::path base = fs::temp_directory_path();
  fs::path dir;
  for (;;) {
    dir = base / ("tovel-fuzz-" + std::to_string(rd()));
    if (fs::create_directory(dir)) break;
  }
  Keeper().path = dir.string();
  fs::current_path(dir);
  // The log is written only when its folder exists; this one never does.
  DebugLog::Instance().SetPath(Keeper().path + "/no-log-folder/debug.txt");
  SetAssertionHandler([](const std::string&) {});
  SetFatalErrorHandler([](const std::string& text, int) { throw FatalStop{text}; });
}

const std::string& Folder() { return Keeper().path; }

std::string WriteInput(const std::string& name, const uint8_t* data, size_t size) {
  const fs::path path = fs::path(Folder()) / name;
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) Fail("the input could not be written", __FILE__, __LINE__);
  return path.string();
}

std::string SourceDir() { return TOVEL_SOURCE_DIR; }

void UseSourceDirAsWorkingDir() { fs::current_path(SourceDir()); }

void ResetPlayer() {
  SIM_Vesk::Instance()->LoadAttributes(SourceDir() + "/data/simulation/attributes.csv");
  SIM_Tovel::Instance().Reset();
}

void CheckPlayerValues() {
  SIM_Vesk* player = SIM_Vesk::Instance();
  for (const SIM_NamedValueList* list : {&player->Attributes(), &player->Skills()})
    for (const SIM_NamedValue* value : list->Values())
      FUZZ_CHECK(value->GetValue() >= 0.0f && value->GetValue() <= 1.0f);
  for (int i = 0; i < 4; ++i) FUZZ_CHECK(std::isfinite(SIM_Tovel::Instance().GetComponent(i)));
  FUZZ_CHECK(SIM_Tovel::Instance().GetComponent(1) >= 0.0f);
}

void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", what, file, line);
  std::fflush(stderr);
  std::abort();
}

}  // namespace fuzz

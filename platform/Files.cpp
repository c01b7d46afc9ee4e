// POSIX files and folders behind the game's path rules.
#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace plat {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

bool LessIgnoreCase(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = static_cast<unsigned char>(LowerAscii(a[i]));
    const unsigned char cb = static_cast<unsigned char>(LowerAscii(b[i]));
    if (ca != cb) return ca < cb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;  // stable tie-break between names differing only in case
}

bool StatOk(const std::string& path, struct stat& st) { return ::stat(path.c_str(), &st) == 0; }

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

// Resolutions that succeeded; a cached path that has since vanished is resolved again.
std::unordered_map<std::string, std::string>& ResolveCache() {
  static std::unordered_map<std::string, std::string> cache;
  return cache;
}

// The entry of a folder whose name equals `name` ignoring case; the first in sorted order
// when several do, so the choice never depends on the directory's internal order.
bool FindIgnoringCase(const std::string& folder, const std::string& name, std::string& found) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return false;
  bool any = false;
  while (dirent* e = ::readdir(dir)) {
    const std::string entry = e->d_name;
    if (!EqualsIgnoreCase(entry, name)) continue;
    if (!any || LessIgnoreCase(entry, found)) found = entry;
    any = true;
  }
  ::closedir(dir);
  return any;
}

}  // namespace

std::string NormalizeSlashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::string ResolvePath(const std::string& path) {
  const std::string p = NormalizeSlashes(path);
  if (p.empty()) return p;
  struct stat st{};
  if (StatOk(p, st)) return p;

  auto& cache = ResolveCache();
  if (auto it = cache.find(p); it != cache.end()) {
    if (StatOk(it->second, st)) return it->second;
    cache.erase(it);
  }

  std::string current = (p[0] == '/') ? "/" : "";
  bool resolved = true;
  size_t pos = 0;
  while (pos <= p.size()) {
    size_t next = p.find('/', pos);
    if (next == std::string::npos) next = p.size();
    const std::string part = p.substr(pos, next - pos);
    pos = next + 1;
    if (part.empty()) continue;
    const std::string candidate = Join(current, part);
    if (!resolved || part == "." || part == ".." || StatOk(candidate, st)) {
      current = candidate;
      continue;
    }
    std::string found;
    if (FindIgnoringCase(current, part, found)) {
      current = Join(current, found);
    } else {
      resolved = false;
      current = candidate;
    }
  }
  if (resolved) cache[p] = current;
  return current;
}

bool PathExists(const std::string& path) {
  struct stat st{};
  return StatOk(ResolvePath(path), st);
}

bool IsDirectory(const std::string& path) {
  struct stat st{};
  return StatOk(ResolvePath(path), st) && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path) {
  struct stat st{};
  return StatOk(ResolvePath(path), st) && S_ISREG(st.st_mode);
}

bool MakeDirectory(const std::string& path, int& err) {
  err = 0;
  if (::mkdir(ResolvePath(path).c_str(), 0755) == 0) return true;
  err = errno;
  return false;
}

bool MakeDirectories(const std::string& path, int& err) {
  err = 0;
  const std::string p = ResolvePath(path);
  if (IsDirectory(p)) return true;
  for (size_t i = 1; i <= p.size(); ++i) {
    if (i != p.size() && p[i] != '/') continue;
    const std::string prefix = p.substr(0, i);
    struct stat st{};
    if (StatOk(prefix, st)) {
      if (!S_ISDIR(st.st_mode)) {
        err = ENOTDIR;
        return false;
      }
      continue;
    }
    if (::mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) {
      err = errno;
      return false;
    }
  }
  return true;
}

bool RemoveFile(const std::string& path) { return ::unlink(ResolvePath(path).c_str()) == 0; }

FILE* OpenFile(const std::string& path, const char* mode) {
  std::string m;
  for (const char* c = mode; *c; ++c)
    if (*c != 't') m += *c;
  return std::fopen(ResolvePath(path).c_str(), m.c_str());
}

FILE* CreateFreshFile(const std::string& path) {
  const std::string resolved = ResolvePath(path);
  struct stat st{};
  if (::lstat(resolved.c_str(), &st) == 0 && ::unlink(resolved.c_str()) != 0) return nullptr;
  const int fd = ::open(resolved.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  FILE* f = ::fdopen(fd, "wb");
  if (!f) ::close(fd);
  return f;
}

int RemoveFilesEndingIn(const std::string& folder, const std::string& suffix, bool below) {
  const std::string resolved = ResolvePath(folder);
  DIR* dir = ::opendir(resolved.c_str());
  if (!dir) return 0;
  std::vector<std::string> folders;
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    const std::string full = Join(resolved, name);
    struct stat st{};
    if (::lstat(full.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      if (below) folders.push_back(full);
    } else if (name.size() > suffix.size() &&
               name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
               ::unlink(full.c_str()) == 0) {
      ++removed;
    }
  }
  ::closedir(dir);
  for (const std::string& sub : folders) removed += RemoveFilesEndingIn(sub, suffix, true);
  return removed;
}

bool ReadFileBytes(const std::string& path, std::string& out) {
  out.clear();
  FILE* f = OpenFile(path, "rb");
  if (!f) return false;
  char buf[65536];
  size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

void StripCarriageReturns(std::string& text) {
  if (text.find('\r') == std::string::npos) return;  // the usual case: nothing to copy
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] == '\n')) continue;
    out += text[i];
  }
  text.swap(out);
}

bool ReadTextFile(const std::string& path, std::string& out) {
  if (!ReadFileBytes(path, out)) return false;
  StripCarriageReturns(out);
  return true;
}

namespace {
bool& Durable() {
  static bool durable = true;
  return durable;
}
}  // namespace

void SetDurableWrites(bool durable) { Durable() = durable; }
bool DurableWrites() { return Durable(); }

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string target = ResolvePath(path);
  const std::string temp = target + ".tmp" + std::to_string(::getpid());
  // The temporary name is a fixed one another program could have put a link on.
  FILE* f = CreateFreshFile(temp);
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = (std::fflush(f) == 0) && ok;
  // On disk before it replaces the old file.
  if (Durable()) ok = (::fsync(::fileno(f)) == 0) && ok;
  ok = (std::fclose(f) == 0) && ok;
  struct stat st{};
  if (ok && StatOk(target, st)) ::chmod(temp.c_str(), st.st_mode & 07777);
  if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself lives in the folder: sync the folder too, or a crash can bring back the
  // old file (or none) after the new one was reported written.
  if (!Durable()) return true;
  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  // "*.*" means every name, with or without an extension.
  const std::string pat = (pattern == "*.*") ? "*" : pattern;
  size_t p = 0, n = 0, star = std::string::npos, mark = 0;
  while (n < name.size()) {
    if (p < pat.size() && (pat[p] == '?' || LowerAscii(pat[p]) == LowerAscii(name[n]))) {
      ++p;
      ++n;
    } else if (p < pat.size() && pat[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pat.size() && pat[p] == '*') ++p;
  return p == pat.size();
}

std::vector<DirEntry> ListMatching(const std::string& pattern) {
  std::vector<DirEntry> out;
  const std::string p = NormalizeSlashes(pattern);
  const size_t slash = p.rfind('/');
  const std::string folder = (slash == std::string::npos) ? "" : ResolvePath(p.substr(0, slash + 1));
  const std::string mask = (slash == std::string::npos) ? p : p.substr(slash + 1);
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return out;
  while (dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    if (!WildcardMatch(mask, name)) continue;
    struct stat st{};
    const bool isDir = StatOk(Join(folder.empty() ? "." : folder, name), st) && S_ISDIR(st.st_mode);
    out.push_back({name, isDir});
  }
  ::closedir(dir);
  std::sort(out.begin(), out.end(),
            [](const DirEntry& a, const DirEntry& b) { return LessIgnoreCase(a.name, b.name); });
  return out;
}

namespace {

// Reads XDG_DOCUMENTS_DIR from user-dirs.dirs ("$HOME/..." or an absolute path).
std::string DocumentsFromUserDirs(const std::string& home) {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  const std::string config =
      (configHome && *configHome) ? std::string(configHome) : home + "/.config";
  std::string text;
  if (!ReadTextFile(config + "/user-dirs.dirs", text)) return {};
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    const std::string key = "XDG_DOCUMENTS_DIR=";
    const size_t k = line.find_first_not_of(" \t");
    if (k == std::string::npos || line.compare(k, key.size(), key) != 0) continue;
    std::string value = line.substr(k + key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    if (!value.empty() && value[0] == '/') return value;
  }
  return {};
}

}  // namespace

bool DocumentsFolder(std::string& out) {
  const char* home = std::getenv("HOME");
  if (!home || !*home) return false;
  const char* env = std::getenv("XDG_DOCUMENTS_DIR");
  if (env && *env == '/') {
    out = env;
  } else {
    out = DocumentsFromUserDirs(home);
    if (out.empty()) out = std::string(home) + "/Documents";
  }
  int err = 0;
  return MakeDirectories(out, err);
}

std::string ExecutableDirectory() {
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  std::string exe(buf, static_cast<size_t>(n));
  const size_t slash = exe.rfind('/');
  return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

bool ChangeDirectory(const std::string& path) { return ::chdir(ResolvePath(path).c_str()) == 0; }

void FindGameFolder() {
  if (IsDirectory("data")) return;
  std::string dir = ExecutableDirectory();
  for (int depth = 0; depth < 4 && !dir.empty(); ++depth) {
    if (IsRegularFile(dir + "/data/config.muf")) {
      ChangeDirectory(dir);
      return;
    }
    const size_t slash = dir.rfind('/');
    if (slash == std::string::npos || slash == 0) break;
    dir = dir.substr(0, slash);
  }
}

std::string CurrentDirectory() {
  char buf[4096];
  return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

std::string RealLocation(const std::string& path) {
  const std::string p = ResolvePath(path);
  if (p.empty()) return p;
  // The deepest folder that exists, from the parent up, through realpath; the part below it
  // (the last name at least) is taken as written.
  std::string head = p, tail;
  for (;;) {
    const size_t slash = head.rfind('/');
    const std::string name = slash == std::string::npos ? head : head.substr(slash + 1);
    tail = tail.empty() ? name : name + "/" + tail;
    head = slash == std::string::npos ? "." : slash == 0 ? "/" : head.substr(0, slash);
    if (char* real = ::realpath(head.c_str(), nullptr)) {
      std::string out = real;
      std::free(real);
      if (out.back() != '/') out += '/';
      return out + tail;
    }
    if (head == "." || head == "/") return p;
  }
}

int LastErrorCode() { return errno; }

std::string ErrorText(int code) { return std::strerror(code); }

}  // namespace plat

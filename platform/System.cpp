// POSIX process services.
#include "platform/System.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace plat {
namespace {

std::function<void(const std::string&)>& ShellHandler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}

// Double fork: the launcher is adopted by init, so no zombie is left and nothing waits on it.
void LaunchXdgOpen(const std::string& target) {
  const pid_t child = ::fork();
  if (child < 0) return;
  if (child == 0) {
    if (::fork() == 0) {
      ::setsid();
      std::freopen("/dev/null", "r", stdin);
      std::freopen("/dev/null", "w", stdout);
      std::freopen("/dev/null", "w", stderr);
      char* const argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(target.c_str()),
                            nullptr};
      ::execvp("xdg-open", argv);
    }
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
}

// Windows-1252 code points for bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr unsigned short kHighTable[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

void AppendUtf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

void DebugOutput(const std::string& text) {
  // A debugger shows every message on a line of its own; on the console a message without
  // its line end would run into whatever is written next.
  std::fputs(text.c_str(), stderr);
  if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
  std::fflush(stderr);
}

void ShellOpen(const std::string& target) {
  if (target.empty()) return;
  if (ShellHandler()) {
    ShellHandler()(target);
    return;
  }
  LaunchXdgOpen(target);
}

void SetShellOpenHandler(std::function<void(const std::string&)> handler) {
  ShellHandler() = std::move(handler);
}

std::string Cp1252ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (unsigned char c : text) {
    unsigned cp = c;
    if (c >= 0x80 && c < 0xA0) cp = kHighTable[c - 0x80] ? kHighTable[c - 0x80] : 0xFFFD;
    AppendUtf8(out, cp);
  }
  return out;
}

}  // namespace plat

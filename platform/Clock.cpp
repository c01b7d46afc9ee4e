// Monotonic clocks on POSIX.
#include "platform/Clock.h"

#include <time.h>

#include <cerrno>

namespace plat {
namespace {

uint64_t NowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint64_t>(ts.tv_sec) * 1000000000ull + static_cast<uint64_t>(ts.tv_nsec);
}

const uint64_t kStartNs = NowNs();

}  // namespace

uint32_t TickMs() { return static_cast<uint32_t>((NowNs() - kStartNs) / 1000000ull); }

uint64_t PerfCounter() { return NowNs(); }

uint64_t PerfFrequency() { return 1000000000ull; }

void SleepMs(int ms) {
  if (ms <= 0) return;
  timespec req{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
  timespec rem{};
  while (nanosleep(&req, &rem) != 0 && errno == EINTR) req = rem;
}

}  // namespace plat

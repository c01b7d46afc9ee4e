// The project random generator: a 32-bit linear congruential generator whose upper bits give
// 15-bit draws, which is all the game's tuning was designed around.
#include "engine/Random.h"

namespace {

uint32_t g_state = 1;

}  // namespace

void SeedRandom(uint32_t seed) { g_state = seed; }

uint32_t GetRandomState() { return g_state; }

void SetRandomState(uint32_t state) { g_state = state; }

int RandomInt() {
  g_state = g_state * 214013u + 2531011u;
  return static_cast<int>((g_state >> 16) & 0x7FFFu);
}

int RandomBelow(int n) {
  if (n <= 0) return 0;
  return RandomInt() % n;
}

float RandomFloat(float min, float max) {
  const double r = RandomInt() / static_cast<double>(kRandomMax);
  return static_cast<float>(min + (static_cast<double>(max) - min) * r);
}

float RandomUnit() { return RandomFloat(0.0f, 1.0f); }

bool RandomChance(float p) { return p > RandomUnit(); }

namespace {

// The second generator: the same arithmetic on a state of its own.
uint32_t g_lookState = 12345;

int LookRandomInt() {
  g_lookState = g_lookState * 214013u + 2531011u;
  return static_cast<int>((g_lookState >> 16) & 0x7FFFu);
}

}  // namespace

void SeedLookRandom(uint32_t seed) { g_lookState = seed; }

int LookRandomBelow(int n) {
  if (n <= 0) return 0;
  return LookRandomInt() % n;
}

float LookRandomFloat(float min, float max) {
  const double r = LookRandomInt() / static_cast<double>(kRandomMax);
  return static_cast<float>(min + (static_cast<double>(max) - min) * r);
}

// The project random generator: a 32-bit linear congruential generator whose upper bits give
// 15-bit draws, which is all the game's tuning was designed around. The game and the look of
// the screens each draw from a state of their own with the same arithmetic.
#include "engine/Random.h"

namespace {

uint32_t g_state = 1;
uint32_t g_lookState = 12345;

int Draw(uint32_t& state) {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

int Below(uint32_t& state, int n) { return n <= 0 ? 0 : Draw(state) % n; }

float Between(uint32_t& state, float min, float max) {
  const double r = Draw(state) / static_cast<double>(kRandomMax);
  return static_cast<float>(min + (static_cast<double>(max) - min) * r);
}

}  // namespace

void SeedRandom(uint32_t seed) { g_state = seed; }

uint32_t GetRandomState() { return g_state; }

void SetRandomState(uint32_t state) { g_state = state; }

int RandomInt() { return Draw(g_state); }

int RandomBelow(int n) { return Below(g_state, n); }

float RandomFloat(float min, float max) { return Between(g_state, min, max); }

float RandomUnit() { return RandomFloat(0.0f, 1.0f); }

bool RandomChance(float p) { return p > RandomUnit(); }

void SeedLookRandom(uint32_t seed) { g_lookState = seed; }

int LookRandomBelow(int n) { return Below(g_lookState, n); }

float LookRandomFloat(float min, float max) { return Between(g_lookState, min, max); }

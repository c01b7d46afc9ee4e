// The game's one random generator. Every random draw in the game goes through it (never the C
// library's rand()), so a seed or a saved state replays the same game on any machine.
#pragma once

#include <cstdint>

// The largest value RandomInt returns; draws are equally likely integers 0..kRandomMax.
inline constexpr int kRandomMax = 32767;

// Seeds the generator (the simulation seeds it from the millisecond clock at start).
void SeedRandom(uint32_t seed);
// The generator's whole state, for saves and benches that must repeat a run exactly.
uint32_t GetRandomState();
void SetRandomState(uint32_t state);

// The next draw, 0..32767.
int RandomInt();
// A draw reduced modulo n (0..n-1); 0 when n is 0 or negative.
int RandomBelow(int n);

// min + (max - min) * r / 32767 for a draw r: both ends can occur.
float RandomFloat(float min, float max);
// RandomFloat(0, 1).
float RandomUnit();
// True when p is strictly above RandomUnit(): never for p <= 0.
bool RandomChance(float p);

// A second generator for what only looks random (ambient sounds, icicles, dirt blots, weather
// particles, flies). These are drawn as frames pass, so they must never move the game's own
// numbers: the player's choices, not the number of frames drawn, decide the game.
void SeedLookRandom(uint32_t seed);
int LookRandomBelow(int n);
float LookRandomFloat(float min, float max);

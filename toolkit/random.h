#pragma once

#include <cstdint>

namespace tk {

// The game's one source of random numbers.
// Seeds from the clock, so that every run draws a different sequence; once SeedRandom has been
// called it does nothing.
void Randomize();
// A fixed sequence, for repeatable games: a harness seeds before the game's start-up runs.
void SeedRandom(std::uint64_t seed);
double Random();  // uniform in [0, 1): never 1, so "u < 30 / 30" always holds

}  // namespace tk

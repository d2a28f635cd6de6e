#pragma once

#include <cstdint>

namespace tk {

// The game's one source of random numbers.
void Randomize();                     // seeds from the clock: every run draws a different sequence
void SeedRandom(std::uint64_t seed);  // a fixed sequence, for repeatable games
double Rnd();                         // uniform in [0, 1): never 1, so "u < 30 / 30" always holds

}  // namespace tk

#pragma once

#include <cstdint>

namespace tk {

// Where a new game's draws begin. Every run of the program draws a different sequence, seeded from
// the clock; a harness that fixed the seed gets exactly that one, game after game, so that a
// seeded game replays its draws.
std::uint64_t GameSeed();
// A fixed sequence, for repeatable games: a harness seeds before the game starts.
void SeedRandom(std::uint64_t seed);

}  // namespace tk

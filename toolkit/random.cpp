#include "toolkit/random.h"

#include <chrono>
#include <random>

namespace tk {
namespace {
std::mt19937_64& Generator() {
    static std::mt19937_64 generator{0x5A9573};
    return generator;
}
// Set once a harness fixes the sequence: the game's own start-up must not draw a new one.
bool& Fixed() {
    static bool fixed = false;
    return fixed;
}
}  // namespace

void Randomize() {
    if (Fixed()) {
        return;
    }
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<std::uint64_t>(ticks) ^ std::random_device{}());
}

void SeedRandom(std::uint64_t seed) {
    Fixed() = true;
    Generator().seed(seed);
}

double Random() {
    // 53 random bits scaled by 2^-53: exactly representable, strictly below 1.
    return static_cast<double>(Generator()() >> 11) * 0x1.0p-53;
}

}  // namespace tk

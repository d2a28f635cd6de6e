#include "toolkit/random.h"

#include <chrono>
#include <optional>
#include <random>

namespace tk {
namespace {
std::optional<std::uint64_t> fixedSeed;
}  // namespace

std::uint64_t GameSeed() {
    if (fixedSeed) {
        return *fixedSeed;
    }
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(ticks) ^ std::random_device{}();
}

void SeedRandom(std::uint64_t seed) {
    fixedSeed = seed;
}

}  // namespace tk

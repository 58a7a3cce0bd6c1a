#include "tools/engine/SeededRandom.h"

namespace tessora::engine {

namespace {
std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}
}  // namespace

SeededRandom::SeededRandom(std::uint64_t seed) {
    for (std::uint64_t& word : state_)
        word = SplitMix(seed);
}

std::uint64_t SeededRandom::Next() {
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

double SeededRandom::Rnd() {
    // The top 53 bits scaled into [0, 1): never 1.
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

int SeededRandom::Below(int bound) {
    const auto range = static_cast<std::uint64_t>(bound);
    // Reject the few values that would favour the low results.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    std::uint64_t value = Next();
    while (value >= limit)
        value = Next();
    return static_cast<int>(value % range);
}

}  // namespace tessora::engine

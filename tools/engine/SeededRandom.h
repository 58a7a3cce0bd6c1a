#pragma once

#include <array>
#include <cstdint>

#include "platform/Random.h"

namespace tessora::engine {

// A reproducible source of chance for self-play: xoshiro256** seeded through splitmix64, so
// the same seed gives the same games on every machine. Re-seeding from the clock is ignored.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint64_t seed);
    void Randomize() override {}
    double Rnd() override;
    // A whole number in [0, bound), bound > 0, without bias.
    int Below(int bound);

  private:
    std::uint64_t Next();
    std::array<std::uint64_t, 4> state_{};
};

}  // namespace tessora::engine

#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace tessora {

// The computer player's source of chance: re-seed from the clock, then draw in [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void Randomize() = 0;
    virtual double Rnd() = 0;
};

// The clock the game's chances are seeded from: microseconds since midnight.
using MicrosecondClock = std::uint64_t (*)();
// The system's clock as such.
std::uint64_t SystemMicrosecondsOfDay();

// The game's source: a standard generator re-seeded from the time of day before every draw.
class ClockRandom final : public RandomSource {
  public:
    explicit ClockRandom(MicrosecondClock clock = SystemMicrosecondsOfDay) : clock_(clock) {}
    void Randomize() override;
    double Rnd() override;

  private:
    MicrosecondClock clock_;
    std::mt19937_64 generator_{};
    std::uint64_t lastSeed_ = 0;
    std::uint64_t drawsSinceSeed_ = 0;
};

// Returns the given values in order, cycling; Randomize does nothing. For tests and the engine
// tool.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<double> values);
    void Randomize() override {}
    double Rnd() override;
    std::size_t draws() const { return draws_; }

  private:
    std::vector<double> values_;
    std::size_t next_ = 0;
    std::size_t draws_ = 0;
};

}  // namespace tessora

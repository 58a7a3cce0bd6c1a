#include "platform/Random.h"

#include <chrono>

namespace tessora {

std::uint64_t SystemMicrosecondsOfDay() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count() % 86'400'000'000ULL);
}

void ClockRandom::Randomize() {
    // Seed from the time of day in microseconds. Draws within one clock tick would repeat the
    // same value after re-seeding, so the count of draws since that seed is mixed in.
    const std::uint64_t micros = clock_();
    if (micros != lastSeed_) {
        lastSeed_ = micros;
        drawsSinceSeed_ = 0;
    }
    generator_.seed(micros * 0x9E3779B97F4A7C15ULL + drawsSinceSeed_);
}

double ClockRandom::Rnd() {
    ++drawsSinceSeed_;
    // 53 random bits scaled into [0, 1): never 1.
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

ScriptedRandom::ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {
    if (values_.empty()) values_.push_back(0.0);
}

double ScriptedRandom::Rnd() {
    const double value = values_[next_];
    next_ = (next_ + 1) % values_.size();
    ++draws_;
    return value;
}

}  // namespace tessora

#pragma once

#include <string>
#include <vector>

#include "platform/WaveOutput.h"

namespace tessora {

// Records what it is asked to play, with a device count chosen by the test.
class FakeWaveOutput final : public WaveOutput {
  public:
    struct Played {
        std::string path;
        unsigned flags;
        bool operator==(const Played&) const = default;
    };

    explicit FakeWaveOutput(int deviceCount = 1) : deviceCount_(deviceCount) {}

    int waveOutGetNumDevs() override {
        ++deviceQueries_;
        return deviceCount_;
    }
    void sndPlaySound(const std::string& path, unsigned flags) override {
        played_.push_back({path, flags});
    }

    const std::vector<Played>& played() const { return played_; }
    int deviceQueries() const { return deviceQueries_; }

  private:
    int deviceCount_;
    int deviceQueries_ = 0;
    std::vector<Played> played_;
};

}  // namespace tessora

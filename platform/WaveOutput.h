#pragma once

#include <string>
#include <vector>

namespace tessora {

// Flags of sndPlaySound.
namespace snd {
constexpr unsigned kSync = 0x0;   // play and wait (the game never asks for it)
constexpr unsigned kAsync = 0x1;  // return at once, the sound plays in the background
}  // namespace snd

// The wave output device: how many there are, and playing a wave file from disk.
// Playing never blocks; a new sound cuts off one still playing; a file that is missing or
// cannot be played stays silent.
class WaveOutput {
  public:
    virtual ~WaveOutput() = default;
    virtual int waveOutGetNumDevs() = 0;
    virtual void sndPlaySound(const std::string& path, unsigned flags) = 0;
};

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

    void setDeviceCount(int count) { deviceCount_ = count; }
    const std::vector<Played>& played() const { return played_; }
    int deviceQueries() const { return deviceQueries_; }

  private:
    int deviceCount_;
    int deviceQueries_ = 0;
    std::vector<Played> played_;
};

}  // namespace tessora

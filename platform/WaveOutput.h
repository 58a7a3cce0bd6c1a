#pragma once

#include <string>

namespace tessora {

// Flags of sndPlaySound.
namespace snd {
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

}  // namespace tessora

#pragma once

#include <memory>
#include <string>

#include "platform/WaveOutput.h"

class QSoundEffect;

namespace tessora {

// Wave output through Qt Multimedia: the device count from the system's audio outputs, and one
// sound effect that plays a PCM wave file in the background. Create it on the user-interface
// thread once the application object exists.
class QtWaveOutput final : public WaveOutput {
  public:
    QtWaveOutput();
    ~QtWaveOutput() override;
    QtWaveOutput(const QtWaveOutput&) = delete;
    QtWaveOutput& operator=(const QtWaveOutput&) = delete;

    int waveOutGetNumDevs() override;

    // Stops the sound still playing, then starts path and returns at once. Every call plays in
    // the background, whatever the flags. A missing or unreadable file, or an empty path, leaves
    // it silent: there is no default sound and no message.
    void sndPlaySound(const std::string& path, unsigned flags) override;

    // The file last started, empty when silent because of a stop or a file that could not be
    // read.
    std::string currentFile() const { return currentFile_; }

    // True while a sound is audible on the device.
    bool isPlaying() const;

  private:
    std::unique_ptr<QSoundEffect> effect_;
    std::string currentFile_;
};

}  // namespace tessora

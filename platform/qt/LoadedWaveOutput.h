#pragma once

#include <QLibrary>
#include <QString>
#include <memory>

#include "platform/WaveOutput.h"

namespace tessora {

// The machine's wave output, from the sound module beside the program (Qt Multimedia lives
// there): loaded when sound is first needed, or earlier with Load, so that the program starts
// without it. Without the module there is no wave output device, and nothing plays.
class LoadedWaveOutput final : public WaveOutput {
  public:
    // modulePath: the sound module's file.
    explicit LoadedWaveOutput(QString modulePath);
    ~LoadedWaveOutput() override;
    LoadedWaveOutput(const LoadedWaveOutput&) = delete;
    LoadedWaveOutput& operator=(const LoadedWaveOutput&) = delete;

    // Loads the module now (on the user-interface thread); true when it gives a wave output.
    bool Load();

    int waveOutGetNumDevs() override;
    void sndPlaySound(const std::string& path, unsigned flags) override;

  private:
    QLibrary module_;
    bool tried_ = false;
    std::unique_ptr<WaveOutput> output_;
};

// The sound module beside the program's executable.
QString SoundModulePath();

}  // namespace tessora

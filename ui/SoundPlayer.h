#pragma once

#include <QString>
#include <string_view>

#include "core/Sound.h"
#include "platform/WaveOutput.h"

namespace tessora {

// Plays the game's wave files from the program's folder, in the background.
class SoundPlayer {
  public:
    // folder: where the wave files lie (the program's folder).
    SoundPlayer(WaveOutput& output, QString folder);

    // Nothing on a machine without a wave output device; nothing with the sounds switched off;
    // otherwise starts the sound's file and returns at once, cutting off a sound still playing.
    void PlaySound(Sound sound, bool soundOn);

    // The full path of a wave file: the folder, one separator, the name.
    std::string PathOf(std::string_view waveFile) const;

  private:
    WaveOutput& output_;
    QString folder_;
};

}  // namespace tessora

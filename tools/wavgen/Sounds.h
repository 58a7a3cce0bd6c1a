#pragma once

#include <array>

#include "core/Sound.h"
#include "tools/wavgen/Synth.h"

// The game's nine sounds, each a short mono buffer at kSampleRate with peaks below full scale.
namespace tessora::wavgen {

Buffer Clack();         // a plastic stone dropping into its cell
Buffer SelectTick();    // an option chosen
Buffer ButtonClick();   // a drawn button released
Buffer Snore();         // the player tried a full column
Buffer Laughter();      // the computer won
Buffer Applause();      // the player won
Buffer DrawJingle();    // nobody won
Buffer OpeningChime();  // the instructions opened
Buffer Fanfare();       // the about window opened

struct SoundFile {
    Sound sound;  // its wave file's name is WaveFile(sound)
    Buffer (*make)();
};

// Every sound of the game with the synthesiser that makes it.
const std::array<SoundFile, kSoundCount>& GameSounds();

}  // namespace tessora::wavgen

#pragma once

#include <array>

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
    const char* name;
    Buffer (*make)();
};

// Every sound with the file name the game plays it under.
const std::array<SoundFile, 9>& GameSounds();

}  // namespace tessora::wavgen

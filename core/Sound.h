#pragma once

#include <array>
#include <string_view>

namespace tessora {

// Every sound of the game. Each is a wave file of a fixed name in the program's folder; this
// table is the one place those names are written (the windows play them, the build generates
// and installs them from here).
enum class Sound {
    Klack,     // a stone has landed, just before it is drawn in its cell
    Schnarch,  // the human clicked a full column
    Lachen,    // the computer has four in a row
    Klatschn,  // the human has four in a row
    Remis,     // the game is a draw
    Wahl,      // a who-begins or strength option was clicked
    Klick,     // a drawn button was released over itself
    Anleitun,  // the instructions window has been opened
    Tada,      // the about window has been opened
};

inline constexpr int kSoundCount = 9;

// The wave file of each sound, in the order of Sound.
inline constexpr std::array<std::string_view, kSoundCount> kWaveFiles{
    "KLACK.WAV", "SCHNARCH.WAV", "LACHEN.WAV",   "KLATSCHN.WAV", "REMIS.WAV",
    "WAHL.WAV",  "KLICK.WAV",    "ANLEITUN.WAV", "TADA.WAV",
};

constexpr std::string_view WaveFile(Sound sound) {
    return kWaveFiles[static_cast<int>(sound)];
}

}  // namespace tessora

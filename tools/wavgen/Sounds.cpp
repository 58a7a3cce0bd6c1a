#include "tools/wavgen/Sounds.h"

namespace tessora::wavgen {

const std::array<SoundFile, 9>& GameSounds() {
    static const std::array<SoundFile, 9> kSounds{{
        {"KLACK.WAV", Clack},
        {"SCHNARCH.WAV", Snore},
        {"LACHEN.WAV", Laughter},
        {"KLATSCHN.WAV", Applause},
        {"REMIS.WAV", DrawJingle},
        {"WAHL.WAV", SelectTick},
        {"KLICK.WAV", ButtonClick},
        {"ANLEITUN.WAV", OpeningChime},
        {"TADA.WAV", Fanfare},
    }};
    return kSounds;
}

}  // namespace tessora::wavgen

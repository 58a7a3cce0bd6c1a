#include "tools/wavgen/Sounds.h"

namespace tessora::wavgen {

const std::array<SoundFile, kSoundCount>& GameSounds() {
    static const std::array<SoundFile, kSoundCount> kSounds{{
        {Sound::Klack, Clack},
        {Sound::Schnarch, Snore},
        {Sound::Lachen, Laughter},
        {Sound::Klatschn, Applause},
        {Sound::Remis, DrawJingle},
        {Sound::Wahl, SelectTick},
        {Sound::Klick, ButtonClick},
        {Sound::Anleitun, OpeningChime},
        {Sound::Tada, Fanfare},
    }};
    return kSounds;
}

}  // namespace tessora::wavgen

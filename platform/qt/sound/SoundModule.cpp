// The entry of the sound module: the game loads it when it first needs sound, so that Qt
// Multimedia is not loaded before the first frame.
#include "platform/qt/sound/SoundModule.h"

#include "platform/qt/sound/QtWaveOutput.h"

extern "C" Q_DECL_EXPORT tessora::WaveOutput* TESSORA_MAKE_WAVE_OUTPUT() {
    return new tessora::QtWaveOutput();
}

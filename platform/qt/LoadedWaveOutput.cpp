#include "platform/qt/LoadedWaveOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "platform/qt/sound/SoundModule.h"

namespace tessora {

LoadedWaveOutput::LoadedWaveOutput(QString modulePath) : module_(std::move(modulePath)) {}

// The output goes before the module that holds its code; the module stays loaded, as Qt
// Multimedia does not expect to be unloaded.
LoadedWaveOutput::~LoadedWaveOutput() = default;

bool LoadedWaveOutput::Load() {
    if (!tried_) {
        tried_ = true;
        using Make = WaveOutput* (*)();
        if (const auto make =
                reinterpret_cast<Make>(module_.resolve(TESSORA_MAKE_WAVE_OUTPUT_NAME))) {
            output_.reset(make());
        } else {
            // The game plays on in silence; say why, once, for whoever looks at the terminal.
            std::fprintf(stderr, "Tessora: no sound, the sound module could not be loaded: %s\n",
                         qUtf8Printable(module_.errorString()));
        }
    }
    return output_ != nullptr;
}

int LoadedWaveOutput::waveOutGetNumDevs() {
    return Load() ? output_->waveOutGetNumDevs() : 0;
}

void LoadedWaveOutput::sndPlaySound(const std::string& path, unsigned flags) {
    if (Load()) output_->sndPlaySound(path, flags);
}

QString SoundModulePath() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(TESSORA_SOUND_MODULE));
}

}  // namespace tessora

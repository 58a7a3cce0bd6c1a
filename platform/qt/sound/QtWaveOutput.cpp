#include "platform/qt/sound/QtWaveOutput.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace tessora {

QtWaveOutput::QtWaveOutput() = default;
QtWaveOutput::~QtWaveOutput() = default;

int QtWaveOutput::waveOutGetNumDevs() {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

bool QtWaveOutput::isPlaying() const {
    return effect_ != nullptr && effect_->isPlaying();
}

void QtWaveOutput::sndPlaySound(const std::string& path, unsigned) {
    if (effect_) effect_->stop();
    currentFile_.clear();
    if (path.empty()) return;
    const QFileInfo file(QString::fromStdString(path));
    if (!file.isFile() || !file.isReadable()) return;

    // The effect is made on first use so that merely creating the output touches no audio
    // service. It loads the file on a worker thread and starts as soon as it is decoded; a file
    // it cannot decode ends in its error state without a sound.
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    effect_->play();
    currentFile_ = path;
}

}  // namespace tessora

#include "ui/SoundPlayer.h"

#include <QDir>

namespace tessora {

SoundPlayer::SoundPlayer(WaveOutput& output, QString folder)
    : output_(output), folder_(std::move(folder)) {}

void SoundPlayer::PlaySound(Sound sound, bool soundOn) {
    // The device check comes first: without a device the switch is never looked at.
    if (output_.waveOutGetNumDevs() == 0) return;
    if (!soundOn) return;
    output_.sndPlaySound(PathOf(WaveFile(sound)), snd::kAsync);
}

std::string SoundPlayer::PathOf(std::string_view waveFile) const {
    // A folder in the root ("/") already ends with its separator; never double it.
    QString folder = QDir::fromNativeSeparators(folder_);
    if (folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    const QString name =
        QString::fromUtf8(waveFile.data(), static_cast<qsizetype>(waveFile.size()));
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + name).toStdString();
}

}  // namespace tessora

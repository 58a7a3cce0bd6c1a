#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>

#include "platform/WaveOutput.h"
#include "platform/qt/LoadedWaveOutput.h"
#include "platform/qt/sound/QtWaveOutput.h"
#include "support/QtTestMain.h"

using tessora::QtWaveOutput;

namespace {

void AppendLe32(QByteArray& bytes, quint32 value) {
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

void AppendLe16(QByteArray& bytes, quint16 value) {
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

// A short 16-bit mono PCM tone, as a RIFF wave file.
QByteArray PcmWave(int milliseconds) {
    constexpr quint32 kRate = 22050;
    const quint32 samples = kRate * static_cast<quint32>(milliseconds) / 1000;
    QByteArray data;
    for (quint32 i = 0; i < samples; ++i) {
        AppendLe16(data, static_cast<quint16>(static_cast<qint16>(
                             8000 * std::sin(2 * 3.14159265 * 440 * i / kRate))));
    }
    QByteArray file("RIFF");
    AppendLe32(file, 36 + static_cast<quint32>(data.size()));
    file.append("WAVEfmt ");
    AppendLe32(file, 16);         // format chunk size
    AppendLe16(file, 1);          // PCM
    AppendLe16(file, 1);          // mono
    AppendLe32(file, kRate);      // samples per second
    AppendLe32(file, kRate * 2);  // bytes per second
    AppendLe16(file, 2);          // block align
    AppendLe16(file, 16);         // bits per sample
    file.append("data");
    AppendLe32(file, static_cast<quint32>(data.size()));
    return file + data;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return QString();
    file.write(bytes);
    return path;
}

}  // namespace

class WaveOutputTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void countsTheSystemsAudioOutputs() {
        QtWaveOutput output;
        QCOMPARE(output.waveOutGetNumDevs(), int(QMediaDevices::audioOutputs().size()));
        QVERIFY(output.waveOutGetNumDevs() >= 0);
    }

    // The game's output loads the sound module when it is first needed; without the module
    // there is no device and nothing plays.
    void theSoundModuleGivesTheSameOutputAndItsAbsenceSilence() {
        tessora::LoadedWaveOutput loaded(qEnvironmentVariable("TESSORA_SOUND_MODULE"));
        QCOMPARE(loaded.waveOutGetNumDevs(), int(QMediaDevices::audioOutputs().size()));
        QVERIFY(loaded.Load());

        tessora::LoadedWaveOutput missing(dir_.filePath(QStringLiteral("fehlt.so")));
        QCOMPARE(missing.waveOutGetNumDevs(), 0);
        QVERIFY(!missing.Load());
        missing.sndPlaySound(WriteFile(dir_, "KLACK.WAV", PcmWave(100)).toStdString(),
                             tessora::snd::kAsync);
    }

    void startsAWaveFileAndANewOneReplacesIt() {
        const QString klack = WriteFile(dir_, "KLACK.WAV", PcmWave(400));
        const QString tada = WriteFile(dir_, "TADA.WAV", PcmWave(400));
        QtWaveOutput output;
        output.sndPlaySound(klack.toStdString(), tessora::snd::kAsync);
        QCOMPARE(QString::fromStdString(output.currentFile()), klack);
        output.sndPlaySound(tada.toStdString(), tessora::snd::kAsync);
        QCOMPARE(QString::fromStdString(output.currentFile()), tada);
        // Let the loader run: whether or not this machine has a device, nothing is reported.
        QTest::qWait(100);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void aMissingFileIsSilentAndStopsTheSoundBeforeIt() {
        const QString klack = WriteFile(dir_, "KLACK.WAV", PcmWave(400));
        QtWaveOutput output;
        output.sndPlaySound(klack.toStdString(), tessora::snd::kAsync);
        output.sndPlaySound(dir_.filePath("FEHLT.WAV").toStdString(), tessora::snd::kAsync);
        QCOMPARE(output.currentFile(), std::string());
        QTest::qWait(50);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void pathsThatAreNoFileAreSilent() {
        QtWaveOutput output;
        output.sndPlaySound("", tessora::snd::kAsync);
        QCOMPARE(output.currentFile(), std::string());
        output.sndPlaySound(dir_.path().toStdString(), tessora::snd::kAsync);
        QCOMPARE(output.currentFile(), std::string());
    }

    void aFileThatIsNoWaveStaysSilentWithoutAMessage() {
        const QString text = WriteFile(dir_, "REMIS.WAV", QByteArray("not a wave file"));
        QtWaveOutput output;
        output.sndPlaySound(text.toStdString(), tessora::snd::kAsync);
        QTest::qWait(100);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        // It can still play a good file afterwards.
        const QString good = WriteFile(dir_, "WAHL.WAV", PcmWave(100));
        output.sndPlaySound(good.toStdString(), tessora::snd::kAsync);
        QCOMPARE(QString::fromStdString(output.currentFile()), good);
    }

    // Needs a wave output device; machines without one skip it.
    void onADeviceANewSoundOrAMissingFileCutsOffTheOneStillPlaying() {
        QtWaveOutput output;
        if (output.waveOutGetNumDevs() == 0) QSKIP("this machine has no wave output device");
        const QString longSound = WriteFile(dir_, "LACHEN.WAV", PcmWave(10000));
        const QString shortSound = WriteFile(dir_, "KLICK.WAV", PcmWave(150));

        output.sndPlaySound(longSound.toStdString(), tessora::snd::kAsync);
        QTRY_VERIFY(output.isPlaying());
        output.sndPlaySound(shortSound.toStdString(), tessora::snd::kAsync);
        QCOMPARE(QString::fromStdString(output.currentFile()), shortSound);
        // The short sound ends long before the long one would have.
        QTRY_VERIFY_WITH_TIMEOUT(!output.isPlaying(), 5000);

        output.sndPlaySound(longSound.toStdString(), tessora::snd::kAsync);
        QTRY_VERIFY(output.isPlaying());
        output.sndPlaySound(dir_.filePath("FEHLT.WAV").toStdString(), tessora::snd::kAsync);
        QVERIFY(!output.isPlaying());
    }

  private:
    QTemporaryDir dir_;
};

TESSORA_QTEST(WaveOutputTest)
#include "wave_output_test.moc"

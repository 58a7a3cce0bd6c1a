// The wave output through Qt Multimedia on a real sound server: a PulseAudio server of the
// test's own with one null sink (with_pulseaudio.sh starts it), whose monitor the test records
// to hear what reached the device.
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/WaveOutput.h"
#include "platform/qt/LoadedWaveOutput.h"
#include "platform/qt/sound/QtWaveOutput.h"
#include "support/QtTestMain.h"

using tessora::QtWaveOutput;

namespace {

constexpr int kRate = 22050;
constexpr double kAmplitude = 8000;
// The long sound's pitch and the short one's, told apart in the recording.
constexpr double kLongTone = 440;
constexpr double kShortTone = 1760;

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

// A 16-bit mono PCM tone, as a RIFF wave file.
QByteArray PcmWave(int milliseconds, double frequency = kLongTone) {
    const quint32 samples = kRate * static_cast<quint32>(milliseconds) / 1000;
    QByteArray data;
    for (quint32 i = 0; i < samples; ++i) {
        AppendLe16(data, static_cast<quint16>(static_cast<qint16>(
                             kAmplitude * std::sin(2 * std::numbers::pi * frequency * i / kRate))));
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

// Records what reaches the test's sink, from its monitor, as 16-bit mono samples at kRate.
class SinkRecording {
  public:
    SinkRecording() {
        QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { Read(); });
        parec_.start(
            QStandardPaths::findExecutable(QStringLiteral("parec")),
            {QStringLiteral("--device=%1.monitor").arg(qEnvironmentVariable("TESSORA_TEST_SINK")),
             QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
             QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(kRate),
             QStringLiteral("--latency-msec=20")});
    }
    ~SinkRecording() {
        parec_.kill();
        parec_.waitForFinished();
    }

    // How strongly the tone of the given pitch sounds in the samples from `from` on (its
    // amplitude, about kAmplitude for a tone played at full volume).
    double Level(double frequency, std::size_t from) const {
        double re = 0, im = 0;
        for (std::size_t i = from; i < samples_.size(); ++i) {
            const double phase = 2 * std::numbers::pi * frequency * double(i) / kRate;
            re += samples_[i] * std::cos(phase);
            im += samples_[i] * std::sin(phase);
        }
        const auto count = static_cast<double>(samples_.size() - from);
        return count > 0 ? 2 * std::hypot(re, im) / count : 0;
    }
    // The recording from now on: where the next samples will go.
    std::size_t Now() const { return samples_.size(); }
    // True once a tenth of a second has been recorded from `from` on, the tone's level in it
    // above `level` (heard) or below it (not heard).
    bool LastTenthHas(double frequency, std::size_t from, bool heard) const {
        constexpr std::size_t kTenth = kRate / 10;
        if (samples_.size() < from + kTenth) return false;
        const double level = Level(frequency, samples_.size() - kTenth);
        return heard ? level > kAmplitude / 4 : level < kAmplitude / 40;
    }

  private:
    void Read() {
        pending_ += parec_.readAllStandardOutput();
        const qsizetype whole = pending_.size() / 2 * 2;
        for (qsizetype i = 0; i < whole; i += 2)
            samples_.push_back(qFromLittleEndian<qint16>(pending_.constData() + i));
        pending_.remove(0, whole);
    }

    QProcess parec_;
    QByteArray pending_;
    std::vector<qint16> samples_;
};

}  // namespace

class WaveOutputTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(qEnvironmentVariableIsSet("TESSORA_TEST_SINK"),
                 "run this test through tests/platform_qt/with_pulseaudio.sh");
    }

    // The sound server's one sink is the one wave output device, also through the game's sound
    // module; without the module there is no device and nothing plays.
    void countsTheSinkAndTheModuleGivesTheSameOutput() {
        QtWaveOutput output;
        QCOMPARE(output.waveOutGetNumDevs(), 1);
        tessora::LoadedWaveOutput loaded(qEnvironmentVariable("TESSORA_SOUND_MODULE"));
        QCOMPARE(loaded.waveOutGetNumDevs(), 1);
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
    }

    void pathsThatAreNoFileAreSilent() {
        QtWaveOutput output;
        output.sndPlaySound("", tessora::snd::kAsync);
        QCOMPARE(output.currentFile(), std::string());
        output.sndPlaySound(dir_.path().toStdString(), tessora::snd::kAsync);
        QCOMPARE(output.currentFile(), std::string());
    }

    // A file it cannot decode ends silent, and a good file after it reaches the sink.
    void aFileThatIsNoWaveStaysSilentAndTheNextPlays() {
        const QString text = WriteFile(dir_, "REMIS.WAV", QByteArray("not a wave file"));
        QtWaveOutput output;
        SinkRecording sink;
        output.sndPlaySound(text.toStdString(), tessora::snd::kAsync);
        QTRY_VERIFY(!output.isPlaying());
        const QString good = WriteFile(dir_, "WAHL.WAV", PcmWave(1000));
        output.sndPlaySound(good.toStdString(), tessora::snd::kAsync);
        QCOMPARE(QString::fromStdString(output.currentFile()), good);
        QTRY_VERIFY(sink.LastTenthHas(kLongTone, 0, true));
    }

    // The long sound reaches the sink; the short one started while it plays is heard instead,
    // and once the short one has ended the long one is not heard again: it was cut off. A
    // missing file cuts it off as well.
    void aNewSoundOrAMissingFileCutsOffTheOneStillPlaying() {
        const QString longSound = WriteFile(dir_, "LACHEN.WAV", PcmWave(10000));
        const QString shortSound = WriteFile(dir_, "KLICK.WAV", PcmWave(150, kShortTone));
        QtWaveOutput output;
        SinkRecording sink;

        output.sndPlaySound(longSound.toStdString(), tessora::snd::kAsync);
        QTRY_VERIFY(output.isPlaying());
        QTRY_VERIFY(sink.LastTenthHas(kLongTone, 0, true));
        output.sndPlaySound(shortSound.toStdString(), tessora::snd::kAsync);
        QCOMPARE(QString::fromStdString(output.currentFile()), shortSound);
        const std::size_t shortStarted = sink.Now();
        QTRY_VERIFY(sink.Level(kShortTone, shortStarted) > kAmplitude / 40);
        QTRY_VERIFY(!output.isPlaying());
        const std::size_t shortEnded = sink.Now();
        QTRY_VERIFY(sink.LastTenthHas(kShortTone, shortEnded, false));
        QVERIFY(sink.LastTenthHas(kLongTone, shortEnded, false));

        output.sndPlaySound(longSound.toStdString(), tessora::snd::kAsync);
        const std::size_t longAgain = sink.Now();
        QTRY_VERIFY(sink.LastTenthHas(kLongTone, longAgain, true));
        output.sndPlaySound(dir_.filePath("FEHLT.WAV").toStdString(), tessora::snd::kAsync);
        QVERIFY(!output.isPlaying());
        const std::size_t stopped = sink.Now();
        QTRY_VERIFY(sink.LastTenthHas(kLongTone, stopped, false));
    }

  private:
    QTemporaryDir dir_;
};

TESSORA_QTEST(WaveOutputTest)
#include "wave_output_test.moc"

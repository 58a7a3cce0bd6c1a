#include <QRadioButton>
#include <QTest>

#include "support/QtTestMain.h"
#include "ui/OptionsPanel.h"
#include "ui/SoundPlayer.h"
#include "ui/support/WindowDriver.h"

using namespace tessora;
using namespace tessora::test;

class SoundTest : public QObject {
    Q_OBJECT

  private slots:
    // The device is asked first; only with a device does the switch matter.
    void playsOnlyWithADeviceAndTheSoundsOn_data() {
        QTest::addColumn<int>("devices");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<bool>("plays");
        QTest::newRow("no device, sounds on") << 0 << true << false;
        QTest::newRow("no device, sounds off") << 0 << false << false;
        QTest::newRow("device, sounds off") << 1 << false << false;
        QTest::newRow("device, sounds on") << 1 << true << true;
        QTest::newRow("two devices, sounds on") << 2 << true << true;
    }
    void playsOnlyWithADeviceAndTheSoundsOn() {
        QFETCH(int, devices);
        QFETCH(bool, soundOn);
        QFETCH(bool, plays);
        FakeWaveOutput wave(devices);
        SoundPlayer player(wave, QStringLiteral("/opt/tessora"));
        player.PlaySound(Sound::Klack, soundOn);
        QCOMPARE(wave.deviceQueries(), 1);
        QCOMPARE(wave.played().size(), plays ? size_t{1} : size_t{0});
        if (plays) {
            QCOMPARE(wave.played()[0].path, std::string("/opt/tessora/KLACK.WAV"));
            QCOMPARE(wave.played()[0].flags, snd::kAsync);
        }
    }

    void pathHasOneSeparatorBetweenFolderAndName_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain folder") << "/usr/lib/tessora"
                                      << "/usr/lib/tessora/WAHL.WAV";
        QTest::newRow("folder with separator") << "/usr/lib/tessora/"
                                               << "/usr/lib/tessora/WAHL.WAV";
        QTest::newRow("root folder") << "/"
                                     << "/WAHL.WAV";
    }
    void pathHasOneSeparatorBetweenFolderAndName() {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        FakeWaveOutput wave;
        SoundPlayer player(wave, folder);
        player.PlaySound(Sound::Wahl, true);
        QCOMPARE(QString::fromStdString(wave.played().at(0).path), path);
    }

    void windowPlaysFromTheProgramsFolder() {
        RecordingWindow window;
        window.picOptionen()->optStaerke(1)->click();
        QCOMPARE(QString::fromStdString(window.wave().played().at(0).path),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/WAHL.WAV"));
    }

    // Without a device nothing plays, whatever the sound key has done.
    void windowWithoutADevicePlaysNothing() {
        RecordingWindow window(0);
        window.show();
        window.picOptionen()->optStaerke(1)->click();
        QTest::keyClick(&window, 's');
        QTest::keyClick(&window, 's');
        window.picOptionen()->optStaerke(4)->click();
        QVERIFY(window.wave().played().empty());
        QVERIFY(window.wave().deviceQueries() >= 2);
    }
};

TESSORA_QTEST(SoundTest)
#include "sound_test.moc"

#include "app/Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "support/FakeRegistry.h"
#include "support/QtTestMain.h"

using tessora::FakeRegistry;
using tessora::FixedVersion;
using tessora::HauptmodulMain;
using tessora::kLocalMachine;
using tessora::OsVersionInfo;

namespace {

constexpr std::uint32_t kWin95Family = 1;

const std::string kFourLines =
    "Sie haben eine benutzerdefinierte Schriftgröße unter\r\n"
    "Windows eingestellt.\r\n"
    "Tessora kann allerdings nur mit eingestellter normaler\r\n"
    "Schriftgröße gestartet werden.";

const std::string kWindows95Hint =
    "\r\n\r\n"
    "Unter Windows 95 können Sie die Schriftgröße\r\n"
    "umstellen, indem Sie in der 'Systemsteuerung' auf 'Anzeige'\r\n"
    "doppelklicken und unter der Lasche Einstellungen den\r\n"
    "Schriftgrad 'Kleine Schriftarten' auswählen.";

const std::string kWindows98Hint =
    "\r\n\r\n"
    "Unter Windows 98 können Sie die Schriftgröße\r\n"
    "umstellen, indem Sie in der 'Systemsteuerung' auf 'Anzeige'\r\n"
    "doppelklicken, unter der Lasche 'Einstellungen' den\r\n"
    "Knopf 'Weitere Optionen' wählen und dort unter der Lasche\r\n"
    "'Allgemein' die Schriftgröße in 'Kleine Schriftarten'\r\n"
    "ändern.";

struct ShownBox {
    std::string text;
    std::string title;
    int style;
};

// A version query that fails, as GetVersionEx does when it cannot fill the record.
class FailingVersion final : public tessora::VersionQuery {
  public:
    bool GetVersionEx(OsVersionInfo&) override { return false; }
};

// Runs the entry procedure over a registry holding the given values (a missing optional is a
// missing value) and records what it showed.
struct StartupRun {
    bool mayStart = false;
    int mainWindowShown = 0;
    std::vector<ShownBox> boxes;

    StartupRun(std::optional<std::string> logicalX, std::optional<std::string> logicalY,
               tessora::VersionQuery& version) {
        FakeRegistry registry;
        const std::string key = "Config\\0001\\Display\\Settings";
        registry.AddKey(kLocalMachine, key);
        if (logicalX) registry.SetValue(kLocalMachine, key, "DPILogicalX", *logicalX);
        if (logicalY) registry.SetValue(kLocalMachine, key, "DPILogicalY", *logicalY);
        mayStart = HauptmodulMain(
            registry, version,
            [this](std::string_view text, std::string_view title, int style) {
                boxes.push_back({std::string(text), std::string(title), style});
                return 1;
            },
            [this] { ++mainWindowShown; });
    }
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void customFontSizeIsExplainedAndEndsTheProgram_data() {
        QTest::addColumn<QString>("logicalX");
        QTest::addColumn<QString>("logicalY");
        QTest::addColumn<uint>("platform");
        QTest::addColumn<uint>("major");
        QTest::addColumn<uint>("minor");
        QTest::addColumn<QString>("hint");

        const QString hint95 = QString::fromStdString(kWindows95Hint);
        const QString hint98 = QString::fromStdString(kWindows98Hint);
        QTest::newRow("120 on Windows 95") << "120"
                                           << "120" << 1u << 4u << 0u << hint95;
        QTest::newRow("120 only across on Windows 95 OSR2") << "120"
                                                            << "96" << 1u << 4u << 3u << hint95;
        QTest::newRow("120 only down on Windows 98") << "96"
                                                     << "120" << 1u << 4u << 10u << hint98;
        QTest::newRow("Windows Me counts as 98") << "120"
                                                 << "120" << 1u << 4u << 90u << hint98;
        QTest::newRow("NT 4 has no hint") << "120"
                                          << "120" << 2u << 4u << 0u << "";
        QTest::newRow("a newer NT has no hint") << "144"
                                                << "144" << 2u << 10u << 0u << "";
        QTest::newRow("95 family with another major version") << "120"
                                                              << "120" << 1u << 5u << 0u << "";
        QTest::newRow("a value other than a number") << "groß"
                                                     << "96" << 2u << 6u << 1u << "";
    }

    void customFontSizeIsExplainedAndEndsTheProgram() {
        QFETCH(QString, logicalX);
        QFETCH(QString, logicalY);
        QFETCH(uint, platform);
        QFETCH(uint, major);
        QFETCH(uint, minor);
        QFETCH(QString, hint);

        FixedVersion version(major, minor, platform);
        StartupRun run(logicalX.toStdString(), logicalY.toStdString(), version);
        QVERIFY(!run.mayStart);
        QCOMPARE(run.mainWindowShown, 0);
        QCOMPARE(run.boxes.size(), size_t{1});
        QCOMPARE(run.boxes[0].text, kFourLines + hint.toStdString());
        QCOMPARE(run.boxes[0].title, std::string("Fehler (Falscher Schriftgrad) :"));
        QCOMPARE(run.boxes[0].style, 16);
    }

    void theGameStartsWithoutAMessage_data() {
        QTest::addColumn<QString>("logicalX");
        QTest::addColumn<QString>("logicalY");
        QTest::addColumn<bool>("xPresent");
        QTest::addColumn<bool>("yPresent");
        QTest::newRow("96 and 96") << "96"
                                   << "96" << true << true;
        QTest::newRow("only across readable, 120") << "120"
                                                   << "" << true << false;
        QTest::newRow("only down readable, 120") << ""
                                                 << "120" << false << true;
        QTest::newRow("neither readable") << ""
                                          << "" << false << false;
    }

    void theGameStartsWithoutAMessage() {
        QFETCH(QString, logicalX);
        QFETCH(QString, logicalY);
        QFETCH(bool, xPresent);
        QFETCH(bool, yPresent);
        FixedVersion windows95(4, 0, kWin95Family);
        StartupRun run(xPresent ? std::optional(logicalX.toStdString()) : std::nullopt,
                       yPresent ? std::optional(logicalY.toStdString()) : std::nullopt, windows95);
        QVERIFY(run.mayStart);
        QCOMPARE(run.mainWindowShown, 1);
        QVERIFY(run.boxes.empty());
    }

    void aSystemWithoutTheKeyStartsTheGame() {
        tessora::EmptyRegistry registry;
        FixedVersion version;
        int shown = 0;
        int boxes = 0;
        const bool mayStart = HauptmodulMain(
            registry, version,
            [&boxes](std::string_view, std::string_view, int) { return ++boxes, 1; },
            [&shown] { ++shown; });
        QVERIFY(mayStart);
        QCOMPARE(shown, 1);
        QCOMPARE(boxes, 0);
    }

    void aFailedVersionQueryGivesNoHint() {
        FailingVersion version;
        StartupRun run(std::string("120"), std::string("120"), version);
        QVERIFY(!run.mayStart);
        QCOMPARE(run.boxes.size(), size_t{1});
        QCOMPARE(run.boxes[0].text, kFourLines);
    }

    void fontSizeCheckNeedsBothValuesAndTheNormalSizeOnBoth_data() {
        QTest::addColumn<QString>("logicalX");
        QTest::addColumn<QString>("logicalY");
        QTest::addColumn<bool>("custom");
        QTest::newRow("normal") << "96"
                                << "96" << false;
        QTest::newRow("large across") << "120"
                                      << "96" << true;
        QTest::newRow("large down") << "96"
                                    << "120" << true;
        QTest::newRow("across unreadable") << "Error"
                                           << "120" << false;
        QTest::newRow("down unreadable") << "120"
                                         << "Error" << false;
        QTest::newRow("96 with a space") << "96 "
                                         << "96" << true;
    }

    void fontSizeCheckNeedsBothValuesAndTheNormalSizeOnBoth() {
        QFETCH(QString, logicalX);
        QFETCH(QString, logicalY);
        QFETCH(bool, custom);
        QCOMPARE(tessora::IsCustomFontSize(logicalX.toStdString(), logicalY.toStdString()), custom);
    }

    // The real box, as the program shows it before any window exists.
    void theStartupBoxIsACriticalStopWithOk() {
        FakeRegistry registry;
        registry.SetValue(kLocalMachine, "Config\\0001\\Display\\Settings", "DPILogicalX", "120");
        registry.SetValue(kLocalMachine, "Config\\0001\\Display\\Settings", "DPILogicalY", "120");
        FixedVersion windows98(4, 10, kWin95Family);

        QString title;
        QString text;
        int icon = -1;
        QStringList buttons;
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&, poll] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            poll->stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            box->buttons().front()->click();
        });
        poll->start(5);

        int shown = 0;
        const bool mayStart = HauptmodulMain(registry, windows98, tessora::StartupMessageBox(),
                                             [&shown] { ++shown; });
        delete poll;
        QVERIFY(!mayStart);
        QCOMPARE(shown, 0);
        QCOMPARE(title, QString("Fehler (Falscher Schriftgrad) :"));
        QCOMPARE(icon, int(QMessageBox::Critical));
        QCOMPARE(buttons, QStringList{"OK"});
        QVERIFY(text.startsWith("Sie haben eine benutzerdefinierte Schriftgröße unter\nWindows"));
        QVERIFY(text.endsWith("'Allgemein' die Schriftgröße in 'Kleine Schriftarten'\nändern."));
        QVERIFY(!text.contains('\r'));
    }
};

TESSORA_QTEST(StartupTest)
#include "startup_test.moc"

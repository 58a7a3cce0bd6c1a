#include <QRegularExpression>
#include <QTest>

#include "app/CommandLine.h"
#include "support/QtTestMain.h"

using tessora::CommandLineAnswer;
using tessora::ReadCommandLine;

namespace {

CommandLineAnswer Read(QStringList arguments) {
    arguments.prepend(QStringLiteral("tessora"));
    return ReadCommandLine(arguments, {QStringLiteral("de-DE")});
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void helpAndVersionPrintAndEnd_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("pattern");
        const QString help = QStringLiteral("^Aufruf: tessora \\[Optionen\\]\n(.*\n)*.*--version");
        const QString version = QStringLiteral("^tessora \\d+\\.\\d+\\.\\d+\n$");
        QTest::newRow("--help") << QStringList{"--help"} << help;
        QTest::newRow("-h") << QStringList{"-h"} << help;
        QTest::newRow("help wins over version") << QStringList{"--version", "--help"} << help;
        QTest::newRow("--version") << QStringList{"--version"} << version;
        QTest::newRow("-v") << QStringList{"-v"} << version;
    }
    void helpAndVersionPrintAndEnd() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, pattern);
        const CommandLineAnswer answer = Read(arguments);
        QVERIFY(!answer.startGame);
        QCOMPARE(answer.exitStatus, 0);
        QVERIFY2(QRegularExpression(pattern).match(answer.text).hasMatch(),
                 qPrintable(answer.text));
    }

    void keyboardPlayIsAskedForWithTastatur_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("keyboardPlay");
        QTest::newRow("--tastatur") << QStringList{"--tastatur"} << true;
        QTest::newRow("-tastatur beside a Qt option")
            << QStringList{"-platform", "offscreen", "-tastatur"} << true;
        QTest::newRow("no option") << QStringList{} << false;
    }
    void keyboardPlayIsAskedForWithTastatur() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, keyboardPlay);
        const CommandLineAnswer answer = Read(arguments);
        QVERIFY(answer.startGame);
        QCOMPARE(answer.options.keyboardPlay, keyboardPlay);
        QVERIFY(Read({"--help"}).text.contains("--tastatur"));
    }

    // Nothing, or only options that Qt itself reads, starts the game.
    void gameStarts_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no arguments") << QStringList{};
        QTest::newRow("-platform name") << QStringList{"-platform", "offscreen"};
        QTest::newRow("--style=name") << QStringList{"--style=Fusion"};
        QTest::newRow("session restore") << QStringList{"-session", "1a2b", "-reverse"};
    }
    void gameStarts() {
        QFETCH(QStringList, arguments);
        const CommandLineAnswer answer = Read(arguments);
        QVERIFY(answer.startGame);
        QVERIFY(answer.text.isEmpty());
    }

    // A wrong command line gets one line naming the culprit as typed, and status 2.
    void wrongCommandLineIsRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");
        QTest::newRow("unknown long option")
            << QStringList{"--foo"} << QStringLiteral("tessora: Unbekannte Option: --foo\n");
        QTest::newRow("unknown short option")
            << QStringList{"-x"} << QStringLiteral("tessora: Unbekannte Option: -x\n");
        QTest::newRow("unknown option with a value")
            << QStringList{"--help", "--foo=1"}
            << QStringLiteral("tessora: Unbekannte Option: --foo\n");
        QTest::newRow("argument that is no option")
            << QStringList{"spiel.txt"}
            << QStringLiteral("tessora: Unerwartetes Argument: spiel.txt\n");
        QTest::newRow("value missing")
            << QStringList{"-platform"}
            << QStringLiteral("tessora: Der Option -platform fehlt ein Wert\n");
        QTest::newRow("flag given a value")
            << QStringList{"--version=2"}
            << QStringLiteral("tessora: Die Option --version=2 nimmt keinen Wert\n");
        QTest::newRow("window given a value beside a factor")
            << QStringList{"--zoom=2", "--fenster=ja"}
            << QStringLiteral("tessora: Die Option --fenster=ja nimmt keinen Wert\n");
        QTest::newRow("factor missing")
            << QStringList{"--zoom"}
            << QStringLiteral("tessora: Der Option --zoom fehlt ein Wert\n");
        QTest::newRow("keyboard play given a value")
            << QStringList{"--tastatur=ja"}
            << QStringLiteral("tessora: Die Option --tastatur=ja nimmt keinen Wert\n");
    }
    void wrongCommandLineIsRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        const CommandLineAnswer answer = Read(arguments);
        QVERIFY(!answer.startGame);
        QCOMPARE(answer.exitStatus, tessora::kExitBadCommandLine);
        QCOMPARE(answer.text, line);
    }

    // --zoom takes a factor from 1 to 4, with a point or a comma, or max; --fenster a window.
    void displayOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("toScreen");
        QTest::addColumn<bool>("windowed");
        QTest::newRow("none") << QStringList{} << 1.0 << false << false;
        QTest::newRow("whole") << QStringList{"--zoom", "2"} << 2.0 << false << false;
        QTest::newRow("fraction") << QStringList{"--zoom=2.25"} << 2.25 << false << false;
        QTest::newRow("comma") << QStringList{"--zoom", "1,5"} << 1.5 << false << false;
        QTest::newRow("limits") << QStringList{"--zoom", "4"} << 4.0 << false << false;
        QTest::newRow("max") << QStringList{"--zoom", "max"} << 1.0 << true << false;
        QTest::newRow("window") << QStringList{"--fenster", "--zoom", "MAX"} << 1.0 << true << true;
    }
    void displayOptions() {
        QFETCH(QStringList, arguments);
        const CommandLineAnswer answer = Read(arguments);
        QVERIFY(answer.startGame);
        QTEST(answer.options.zoom, "zoom");
        QTEST(answer.options.zoomToScreen, "toScreen");
        QTEST(answer.options.windowed, "windowed");
    }

    void zoomOutsideItsRangeIsRefused_data() {
        QTest::addColumn<QString>("factor");
        for (const char* factor : {"0.5", "0,99", "4.01", "-2", "groß", "nan", "inf", "", "2x"})
            QTest::newRow(factor) << QString::fromUtf8(factor);
    }
    void zoomOutsideItsRangeIsRefused() {
        QFETCH(QString, factor);
        const CommandLineAnswer answer = Read({QStringLiteral("--zoom=") + factor});
        QVERIFY(!answer.startGame);
        QCOMPARE(answer.exitStatus, tessora::kExitBadCommandLine);
        QCOMPARE(answer.text, QStringLiteral("tessora: Ungültiger Faktor für --zoom: %1 (erlaubt "
                                             "sind Zahlen von 1 bis 4 und max)\n")
                                  .arg(factor));
    }

    // The game is German unless --sprache asks for English; auto follows the locale, as Qt reads
    // it, English for an English one only. The help speaks the locale's language whatever the
    // game's, and a refusal the language asked for.
    void languageFollowsTheOptionAndTheLocale_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<bool>("english");
        const QStringList english{"en-US", "en"};
        const QStringList german{"de-DE", "de"};
        const QStringList neutral{"C"};
        QTest::newRow("no option, English locale") << QStringList{} << english << false;
        QTest::newRow("de") << QStringList{"--sprache", "de"} << english << false;
        QTest::newRow("en") << QStringList{"--sprache", "en"} << german << true;
        QTest::newRow("auto, en_US") << QStringList{"--sprache", "auto"} << english << true;
        QTest::newRow("auto, en_GB")
            << QStringList{"--sprache=auto"} << QStringList{"en-GB"} << true;
        QTest::newRow("auto, de_DE") << QStringList{"--sprache", "auto"} << german << false;
        QTest::newRow("auto, C") << QStringList{"--sprache", "auto"} << neutral << false;
        QTest::newRow("auto, French first")
            << QStringList{"--sprache", "auto"} << QStringList{"fr-FR", "en-US"} << false;
    }
    void languageFollowsTheOptionAndTheLocale() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, locale);
        QFETCH(bool, english);
        arguments.prepend(QStringLiteral("tessora"));
        const CommandLineAnswer answer = ReadCommandLine(arguments, locale);
        QVERIFY(answer.startGame);
        QCOMPARE(answer.options.language == tessora::Language::English, english);

        const CommandLineAnswer help = ReadCommandLine(arguments + QStringList{"--help"}, locale);
        const bool englishLocale = tessora::LanguageOfLocale(locale) == tessora::Language::English;
        QCOMPARE(help.text.startsWith(QStringLiteral("Usage:")), englishLocale);
    }

    void unknownLanguageIsRefusedInTheGamesLanguage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");
        QTest::newRow("bad language")
            << QStringList{"--sprache", "fr"}
            << "tessora: Ungültige Sprache für --sprache: fr (erlaubt sind de, en und auto)\n";
        QTest::newRow("bad zoom in English")
            << QStringList{"--sprache", "en", "--zoom", "9"}
            << "tessora: Invalid factor for --zoom: 9 (allowed are numbers from 1 to 4 and max)\n";
    }
    void unknownLanguageIsRefusedInTheGamesLanguage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        const CommandLineAnswer answer = Read(arguments);
        QCOMPARE(answer.exitStatus, tessora::kExitBadCommandLine);
        QCOMPARE(answer.text, line);
    }
};

TESSORA_QTEST_APPLESS(CommandLineTest)
#include "command_line_test.moc"

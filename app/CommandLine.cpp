#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <array>
#include <cstdio>

namespace tessora {

namespace {

// Qt's own options, read by QApplication; the game lets them through untouched.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr std::array kQtOptions{
    QtOption{"platform", true},        QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true},   QtOption{"plugin", true},
    QtOption{"qwindowgeometry", true}, QtOption{"qwindowicon", true},
    QtOption{"qwindowtitle", true},    QtOption{"session", true},
    QtOption{"display", true},         QtOption{"geometry", true},
    QtOption{"style", true},           QtOption{"stylesheet", true},
    QtOption{"reverse", false},        QtOption{"widgetcount", false}};

QString HelpText() {
    return QStringLiteral(
        "Aufruf: tessora [Optionen]\n"
        "Vier in einer Reihe gegen den Computer.\n"
        "\n"
        "Optionen:\n"
        "  --zoom FAKTOR   vergrößert alle Fenster des Spiels um FAKTOR, eine Zahl von 1 bis 4\n"
        "                  (auch Bruchzahlen wie 1.5 oder 2,25); mit max so weit, wie die\n"
        "                  Spielfläche auf den Bildschirm passt\n"
        "  --fenster       spielt in einem gewöhnlichen Fenster statt auf dem ganzen\n"
        "                  Bildschirm; das Fenster lässt sich beliebig vergrößern\n"
        "  --tastatur      Spiel mit der Tastatur: die Tasten 1 bis 7 werfen einen Stein\n"
        "                  in ihre Spalte, Tab erreicht auch das Spielfeld und die\n"
        "                  Schaltflächen, Leertaste oder Eingabetaste drückt eine\n"
        "                  Schaltfläche; mit einem Bildschirmleser ist es von selbst an\n"
        "  --erklaeren     zeigt neben der Spielfläche, warum der Computer seine Spalte\n"
        "                  gewählt hat, und gibt mit \"Tipp\" (oder der Taste T) einen\n"
        "                  Rat, welche Spalte er an Ihrer Stelle spielen würde\n"
        "  -h, --help      zeigt diese Hilfe und beendet das Programm\n"
        "  -v, --version   zeigt die Versionsnummer und beendet das Programm\n"
        "\n"
        "Ohne Optionen startet das Spiel in einem Fenster, das den ganzen Bildschirm füllt, mit\n"
        "der Spielfläche von 640 x 480 Bildpunkten in der Mitte. Die Taste S schaltet den Ton,\n"
        "die Taste A das Fallen der Steine ein und aus; die Optionsfelder nehmen wie immer Tab,\n"
        "die Pfeiltasten und die Leertaste. Alle anderen Tasten tun ohne --tastatur nichts.\n"
        "Die üblichen Optionen von Qt (etwa -platform xcb) werden an Qt weitergegeben.\n");
}

CommandLineAnswer Refuse(const QString& line) {
    return {false, kExitBadCommandLine, QStringLiteral("tessora: ") + line + u'\n', {}};
}

// The game's own option that takes a value.
constexpr const char* kZoomOption = "zoom";

bool TakesValue(const QString& name) {
    if (name == QLatin1String(kZoomOption)) return true;
    for (const QtOption& option : kQtOptions) {
        if (name == QLatin1String(option.name)) return option.takesValue;
    }
    return false;
}

// The name an option argument gives, without its dashes and value ("--style=x" gives "style").
QString OptionName(const QString& argument) {
    qsizetype start = 0;
    while (start < argument.size() && argument[start] == u'-')
        ++start;
    return argument.mid(start).section(u'=', 0, 0);
}

// The options among the arguments, as typed, up to a "--" that ends them.
QStringList OptionArguments(const QStringList& arguments) {
    QStringList options;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--")) break;
        if (argument.size() > 1 && argument.startsWith(u'-')) options.append(argument);
    }
    return options;
}

// The German line for a command line the parser refused.
QString RefusalLine(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList options = OptionArguments(arguments);
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        for (const QString& option : options) {
            if (OptionName(option) == name) {
                return QStringLiteral("Unbekannte Option: ") + option.section(u'=', 0, 0);
            }
        }
        return QStringLiteral("Unbekannte Option: --") + name;
    }
    // Otherwise a flag was given a value, or the option that needs one came last.
    for (const QString& option : options) {
        if (option.contains(u'=') && !TakesValue(OptionName(option))) {
            return QStringLiteral("Die Option %1 nimmt keinen Wert").arg(option);
        }
    }
    if (!options.isEmpty() && options.constLast() == arguments.constLast()) {
        return QStringLiteral("Der Option %1 fehlt ein Wert").arg(options.constLast());
    }
    return QStringLiteral("Unlesbare Befehlszeile: ") + arguments.mid(1).join(u' ');
}

// The factor of --zoom: "max", or a number from 1 to 4 with a decimal point or comma.
bool ReadZoom(const QString& value, StartOptions& options) {
    if (value.compare(QStringLiteral("max"), Qt::CaseInsensitive) == 0) {
        options.zoomToScreen = true;
        return true;
    }
    bool number = false;
    const double zoom = QString(value).replace(u',', u'.').toDouble(&number);
    // A NaN fails both comparisons and is refused with the rest.
    if (!number || !(zoom >= kSmallestZoom && zoom <= kLargestZoom)) return false;
    options.zoom = zoom;
    return true;
}

}  // namespace

CommandLineAnswer ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"); "-h" and "--help" read alike.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption zoom(QString::fromLatin1(kZoomOption), QString(),
                                  QStringLiteral("FAKTOR"));
    const QCommandLineOption window(QStringLiteral("fenster"));
    const QCommandLineOption keyboardPlay(QStringLiteral("tastatur"));
    const QCommandLineOption explain(QStringLiteral("erklaeren"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(zoom);
    parser.addOption(window);
    parser.addOption(keyboardPlay);
    parser.addOption(explain);
    for (const QtOption& option : kQtOptions) {
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(option.name), QString(),
                               option.takesValue ? QStringLiteral("value") : QString()));
    }

    if (!parser.parse(arguments)) return Refuse(RefusalLine(parser, arguments));
    if (!parser.positionalArguments().isEmpty()) {
        return Refuse(QStringLiteral("Unerwartetes Argument: ") +
                      parser.positionalArguments().constFirst());
    }
    if (parser.isSet(help)) return {false, 0, HelpText(), {}};
    if (parser.isSet(version)) {
        return {false, 0, QStringLiteral("tessora " TESSORA_VERSION "\n"), {}};
    }
    CommandLineAnswer answer;
    answer.options.windowed = parser.isSet(window);
    answer.options.keyboardPlay = parser.isSet(keyboardPlay);
    answer.options.explain = parser.isSet(explain);
    if (parser.isSet(zoom) && !ReadZoom(parser.value(zoom), answer.options)) {
        return Refuse(QStringLiteral("Ungültiger Faktor für --zoom: %1 (erlaubt sind Zahlen "
                                     "von 1 bis 4 und max)")
                          .arg(parser.value(zoom)));
    }
    return answer;
}

std::optional<int> AnswerCommandLine(int argc, char** argv, StartOptions& options) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineAnswer answer = ReadCommandLine(arguments);
    if (answer.startGame) {
        options = answer.options;
        return std::nullopt;
    }
    std::fputs(answer.text.toUtf8().constData(), answer.exitStatus == 0 ? stdout : stderr);
    return answer.exitStatus;
}

}  // namespace tessora
